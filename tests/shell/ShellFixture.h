#pragma once
// A scratch installation for the shell tests: a read-only data folder and a per-user data folder
// under one temporary folder, an in-memory settings store, scripted dialogs, and an App over them.
#include "core/TestFiles.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "shell/App.h"

#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>

namespace corvalet::shell::test {

using core::test::readFile;
using core::test::ScratchDir;
using core::test::writeFile;

struct Installation {
    ScratchDir root;
    std::filesystem::path data = root.path() / "share";
    std::filesystem::path user = root.path() / "home";
    std::map<std::string, std::string> environment;
    std::ostringstream errors;

    Installation() { std::filesystem::create_directories(data); }

    // The project's own default library files as the shipped data.
    void shipDefaults()
    {
        for (const char* name : {"units.ini", "curves.ini", "para.ini", "crnphi.ini"})
            std::filesystem::copy_file(std::filesystem::path(CORVALET_SOURCE_DIR) / "data" / name, data / name);
    }

    Services services(platform::Settings& settings, platform::Dialogs& dialogs,
                      platform::WindowHost* host = nullptr)
    {
        Services s{settings, dialogs, platform::ProgramFolders(data, user)};
        s.host = host;
        s.programFile = root.path() / "bin" / "corvalet";
        s.environment = [this](const std::string& name) -> std::optional<std::string> {
            auto it = environment.find(name);
            return it == environment.end() ? std::nullopt : std::optional<std::string>(it->second);
        };
        s.errors = &errors;
        return s;
    }
};

inline std::string stored(const platform::Settings& settings, const std::string& key)
{
    return settings.getSetting("Corvalet", "Startup", key, "<missing>");
}

inline void store(platform::Settings& settings, const std::string& key, const std::string& value)
{
    settings.saveSetting("Corvalet", "Startup", key, value);
}

} // namespace corvalet::shell::test
