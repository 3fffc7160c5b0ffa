#include "platform/ProgramFolders.h"

#include <cstdlib>
#include <system_error>

namespace corvalet::platform {

namespace fs = std::filesystem;

ProgramFolders::ProgramFolders(fs::path dataFolder, fs::path userFolder)
    : m_data(std::move(dataFolder)), m_user(std::move(userFolder))
{
}

ProgramFolders ProgramFolders::resolve(const Environment& environment, const fs::path& programFile,
                                       const fs::path& sourceDataFolder)
{
    auto variable = [&](const std::string& name) -> std::optional<std::string> {
        std::optional<std::string> value = environment(name);
        if (value && value->empty())
            return std::nullopt;
        return value;
    };

    fs::path data;
    if (auto set = variable("CORVALET_DATA")) {
        data = *set;
    } else {
        std::error_code ec;
        const fs::path installed = programFile.parent_path().parent_path() / "share" / "corvalet";
        if (!programFile.empty() && fs::is_directory(installed, ec))
            data = installed;
        else
            data = sourceDataFolder;
    }

    fs::path user;
    if (auto set = variable("CORVALET_HOME"))
        user = *set;
    else if (auto xdg = variable("XDG_DATA_HOME"))
        user = fs::path(*xdg) / "corvalet";
    else if (auto home = variable("HOME"))
        user = fs::path(*home) / ".local" / "share" / "corvalet";
    else
        user = fs::current_path() / ".corvalet";
    return ProgramFolders(std::move(data), std::move(user));
}

ProgramFolders ProgramFolders::fromEnvironment(const fs::path& sourceDataFolder)
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return resolve(
        [](const std::string& name) -> std::optional<std::string> {
            const char* value = std::getenv(name.c_str());
            return value ? std::optional<std::string>(value) : std::nullopt;
        },
        ec ? fs::path() : self, sourceDataFolder);
}

const fs::path& ProgramFolders::userFolder() const
{
    fs::create_directories(m_user);
    return m_user;
}

} // namespace corvalet::platform
