#include "platform/ProgramFolders.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

using namespace corvalet::platform;
namespace fs = std::filesystem;

namespace {

ProgramFolders::Environment environmentOf(std::map<std::string, std::string> values)
{
    return [values](const std::string& name) -> std::optional<std::string> {
        auto it = values.find(name);
        return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
    };
}

} // namespace

TEST(ProgramFoldersResolve, PicksEachFolderByItsOrderOfPrecedence)
{
    std::random_device random;
    const fs::path prefix = fs::temp_directory_path() / ("corvalet-prefix-" + std::to_string(random()));
    fs::create_directories(prefix / "share" / "corvalet");
    const fs::path installedProgram = prefix / "bin" / "corvalet";
    const fs::path source = "/src/corvalet/data";

    struct Case {
        const char* name;
        std::map<std::string, std::string> env;
        fs::path program;
        fs::path data;
        fs::path user;
    };
    const Case cases[] = {
        {"variables win", {{"CORVALET_DATA", "/ro"}, {"CORVALET_HOME", "/rw"}, {"XDG_DATA_HOME", "/x"}, {"HOME", "/h"}},
         installedProgram, "/ro", "/rw"},
        {"installed tree", {{"XDG_DATA_HOME", "/x"}, {"HOME", "/h"}}, installedProgram, prefix / "share" / "corvalet",
         "/x/corvalet"},
        {"source fallback", {{"HOME", "/h"}}, "/build/gui/corvalet", source, "/h/.local/share/corvalet"},
        {"empty variables count as unset", {{"CORVALET_DATA", ""}, {"CORVALET_HOME", ""}, {"XDG_DATA_HOME", ""}, {"HOME", "/h"}},
         "", source, "/h/.local/share/corvalet"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramFolders folders = ProgramFolders::resolve(environmentOf(c.env), c.program, source);
        EXPECT_EQ(folders.dataFolder(), c.data);
        EXPECT_EQ(folders.userFolderPath(), c.user);
    }
    fs::remove_all(prefix);
}

TEST(ProgramFoldersResolve, UserFolderIsCreatedOnDemand)
{
    std::random_device random;
    const fs::path base = fs::temp_directory_path() / ("corvalet-home-" + std::to_string(random()));
    const ProgramFolders folders("/ro", base / "a" / "b");
    EXPECT_FALSE(fs::exists(base));
    EXPECT_EQ(folders.userFile("units.ini"), base / "a" / "b" / "units.ini");
    EXPECT_TRUE(fs::is_directory(base / "a" / "b"));
    EXPECT_EQ(folders.dataFile("license.txt"), fs::path("/ro/license.txt"));
    fs::remove_all(base);
}
