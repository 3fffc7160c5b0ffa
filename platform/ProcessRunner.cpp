#include "platform/ProcessRunner.h"

#include "platform/EventPump.h"

#include <cerrno>
#include <chrono>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace corvalet::platform {

namespace {

// posix_spawnp reports a failed exec (missing or not executable program) as its own result, so
// there is no window in which a child runs as a copy of this program.
pid_t spawn(const std::vector<std::string>& argv)
{
    if (argv.empty() || argv.front().empty())
        return -1;
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args.front(), nullptr, nullptr, args.data(), environ) != 0)
        return -1;
    return pid;
}

int exitCodeOf(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return status;
}

} // namespace

int runAndWait(const std::vector<std::string>& argv, EventPump* pump, bool quiet)
{
    const pid_t pid = spawn(argv);
    if (pid < 0)
        return programNotFound;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return exitCodeOf(status);
        if (done < 0 && errno != EINTR)
            return programNotFound; // the child is gone without a status we can read
        if (!quiet && pump)
            pump->doEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

int startDetached(const std::vector<std::string>& argv)
{
    const pid_t pid = spawn(argv);
    if (pid < 0)
        return programNotFound;
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return 0;
}

int shellOpenDoc(const std::string& path)
{
    return startDetached({"xdg-open", path});
}

} // namespace corvalet::platform
