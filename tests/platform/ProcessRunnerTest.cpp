#include "platform/ProcessRunner.h"

#include "platform/EventPump.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

using namespace corvalet::platform;
namespace fs = std::filesystem;

namespace {

class CountingPump final : public EventPump {
public:
    void doEvents() override { ++calls; }
    int calls = 0;
};

class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        m_path = fs::temp_directory_path() / ("corvalet run " + std::to_string(random()));
        fs::create_directories(m_path);
    }
    ~TempFolder() { fs::remove_all(m_path); }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

std::string readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(RunAndWait, ReturnsTheProgramsExitCodeOr53WhenItCannotStart)
{
    TempFolder folder;
    const fs::path notExecutable = folder.path() / "plain.txt";
    std::ofstream(notExecutable) << "echo hi\n";
    struct Case {
        std::vector<std::string> argv;
        int code;
    };
    const Case cases[] = {
        {{"true"}, 0},
        {{"sh", "-c", "exit 3"}, 3},
        {{"sh", "-c", "kill -9 $$"}, 128 + 9},
        {{"corvalet-no-such-program-xyz"}, programNotFound},
        {{(folder.path() / "missing").string()}, programNotFound},
        {{notExecutable.string()}, programNotFound},
        {{}, programNotFound},
    };
    NullEventPump pump;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argv.empty() ? std::string("<empty>") : c.argv.back());
        EXPECT_EQ(runAndWait(c.argv, &pump, false), c.code);
    }
}

TEST(RunAndWait, APathWithBlanksReachesTheProgramAsOneArgument)
{
    TempFolder folder;
    const fs::path out = folder.path() / "out file.txt";
    const std::string argument = (folder.path() / "c d" / "e f.las").string();
    const int code = runAndWait({"sh", "-c", "printf %s \"$1\" > \"$2\"", "sh", argument, out.string()}, nullptr, true);
    ASSERT_EQ(code, 0);
    EXPECT_EQ(readAll(out), argument);
}

TEST(RunAndWait, KeepsTheInterfaceAliveWhileWaitingUnlessQuiet)
{
    CountingPump pump;
    EXPECT_EQ(runAndWait({"sleep", "0.35"}, &pump, false), 0);
    EXPECT_GE(pump.calls, 2);

    CountingPump quietPump;
    EXPECT_EQ(runAndWait({"sleep", "0.25"}, &quietPump, true), 0);
    EXPECT_EQ(quietPump.calls, 0);
}

TEST(StartDetached, ReturnsAtOnceAndTheProgramRuns)
{
    TempFolder folder;
    const fs::path out = folder.path() / "done";
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(startDetached({"sh", "-c", "sleep 0.2; printf ok > \"$1\"", "sh", out.string()}), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
    for (int i = 0; i < 50 && readAll(out) != "ok"; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(readAll(out), "ok");
    EXPECT_EQ(startDetached({"corvalet-no-such-program-xyz"}), programNotFound);
}
