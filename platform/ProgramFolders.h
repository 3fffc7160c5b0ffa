#pragma once
// Where the program's files live. The read-only data folder holds the default library files,
// the licence text and the example wells; the per-user data folder holds the user's own copies
// of the library files, check results and temporary files.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace corvalet::platform {

class ProgramFolders {
public:
    // Looks up an environment variable; nullopt when it is not set.
    using Environment = std::function<std::optional<std::string>(const std::string&)>;

    ProgramFolders(std::filesystem::path dataFolder, std::filesystem::path userFolder);

    // Read-only data: CORVALET_DATA when set; else share/corvalet beside the installed program
    // (<prefix>/bin/corvalet -> <prefix>/share/corvalet) when that folder exists; else the
    // source tree's data folder compiled into the program.
    // Per-user data: CORVALET_HOME when set; else $XDG_DATA_HOME/corvalet; else
    // ~/.local/share/corvalet.
    [[nodiscard]] static ProgramFolders resolve(const Environment& environment,
                                                const std::filesystem::path& programFile,
                                                const std::filesystem::path& sourceDataFolder);
    // The same from the process environment and the running program's own path.
    [[nodiscard]] static ProgramFolders fromEnvironment(const std::filesystem::path& sourceDataFolder);

    [[nodiscard]] const std::filesystem::path& dataFolder() const { return m_data; }
    // The per-user folder, created (with its parents) when it is not there yet. Throws
    // std::filesystem::filesystem_error when it cannot be created.
    [[nodiscard]] const std::filesystem::path& userFolder() const;
    // The folder path without creating it.
    [[nodiscard]] const std::filesystem::path& userFolderPath() const { return m_user; }

    [[nodiscard]] std::filesystem::path dataFile(const std::string& name) const { return m_data / name; }
    [[nodiscard]] std::filesystem::path userFile(const std::string& name) const { return userFolder() / name; }

private:
    std::filesystem::path m_data;
    std::filesystem::path m_user;
};

} // namespace corvalet::platform
