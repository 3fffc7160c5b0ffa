#include "platform/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>

using namespace corvalet::platform;
namespace fs = std::filesystem;

namespace {

fs::path freshFolder()
{
    std::random_device random;
    fs::path folder = fs::temp_directory_path() / ("corvalet-settings-" + std::to_string(random()));
    fs::create_directories(folder);
    return folder;
}

std::string readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct MemoryMaker {
    static std::unique_ptr<Settings> make(const fs::path&) { return std::make_unique<MemorySettings>(); }
};
struct IniMaker {
    static std::unique_ptr<Settings> make(const fs::path& folder)
    {
        return std::make_unique<IniSettings>(folder / "Corvalet" / "Corvalet.ini");
    }
};

template <class Maker>
class SettingsContract : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = freshFolder();
        m_settings = Maker::make(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path m_folder;
    std::unique_ptr<Settings> m_settings;
};

using Implementations = ::testing::Types<MemoryMaker, IniMaker>;
TYPED_TEST_SUITE(SettingsContract, Implementations);

} // namespace

TYPED_TEST(SettingsContract, MissingKeyGivesTheDefault)
{
    Settings& s = *this->m_settings;
    EXPECT_EQ(s.getSetting("Corvalet", "Startup", "inDir"), "");
    EXPECT_EQ(s.getSetting("Corvalet", "Startup", "inDir", "/data"), "/data");
}

TYPED_TEST(SettingsContract, ValuesComeBackExactlyAsWritten)
{
    Settings& s = *this->m_settings;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"lead", "   three leading blanks"},
        {"trail", "trailing blanks  "},
        {"blank", " "},
        {"empty", ""},
        {"equals", "a=b=c"},
        {"pipes", "Text (*.txt)|*.txt|All (*.*)|*.*"},
        {"quotes", "\"quoted\" and \\backslash\\"},
        {"breaks", "line1\r\nline2\ttab"},
        {"high", "caf\xE9 \xB0" "C"},
        {"comment", ";not a comment # either"},
        {"brackets", "[not/a section]"},
    };
    for (const auto& [key, value] : cases)
        s.saveSetting("Corvalet", "Startup", key, value);
    for (const auto& [key, value] : cases) {
        SCOPED_TRACE(key);
        EXPECT_EQ(s.getSetting("Corvalet", "Startup", key, "?"), value);
    }
}

TYPED_TEST(SettingsContract, NamesAreComparedWithoutCase)
{
    Settings& s = *this->m_settings;
    s.saveSetting("Corvalet", "Startup", "inDir", "/a");
    EXPECT_EQ(s.getSetting("CORVALET", "startup", "INDIR"), "/a");
    s.saveSetting("corvalet", "STARTUP", "indir", "/b");
    EXPECT_EQ(s.getSetting("Corvalet", "Startup", "inDir"), "/b");
    const auto all = s.getAllSettings("Corvalet", "Startup");
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].first, "inDir"); // the first spelling stays
}

TYPED_TEST(SettingsContract, SectionsAndApplicationsAreSeparate)
{
    Settings& s = *this->m_settings;
    s.saveSetting("Corvalet", "Startup", "k", "1");
    s.saveSetting("Corvalet", "Editor", "k", "2");
    s.saveSetting("Other", "Startup", "k", "3");
    EXPECT_EQ(s.getSetting("Corvalet", "Startup", "k"), "1");
    EXPECT_EQ(s.getSetting("Corvalet", "Editor", "k"), "2");
    EXPECT_EQ(s.getSetting("Other", "Startup", "k"), "3");
}

TYPED_TEST(SettingsContract, GetAllKeepsTheWritingOrder)
{
    Settings& s = *this->m_settings;
    s.saveSetting("Corvalet", "Startup", "b", "2");
    s.saveSetting("Corvalet", "Startup", "a", "1");
    s.saveSetting("Corvalet", "Startup", "c", "3");
    s.saveSetting("Corvalet", "Startup", "b", "22");
    const std::vector<std::pair<std::string, std::string>> expected = {{"b", "22"}, {"a", "1"}, {"c", "3"}};
    EXPECT_EQ(s.getAllSettings("Corvalet", "Startup"), expected);
    EXPECT_TRUE(s.getAllSettings("Corvalet", "Nothing").empty());
}

TYPED_TEST(SettingsContract, DeleteKeyAndSection)
{
    Settings& s = *this->m_settings;
    s.saveSetting("Corvalet", "Startup", "a", "1");
    s.saveSetting("Corvalet", "Startup", "b", "2");
    s.saveSetting("Corvalet", "Jobs", "c", "3");
    s.deleteSetting("Corvalet", "STARTUP", "A");
    EXPECT_EQ(s.getSetting("Corvalet", "Startup", "a", "gone"), "gone");
    EXPECT_EQ(s.getSetting("Corvalet", "Startup", "b"), "2");
    s.deleteSection("Corvalet", "startup");
    EXPECT_EQ(s.getSetting("Corvalet", "Startup", "b", "gone"), "gone");
    EXPECT_EQ(s.getSetting("Corvalet", "Jobs", "c"), "3");
    // Deleting what is not there is harmless.
    s.deleteSetting("Corvalet", "Nowhere", "x");
    s.deleteSection("Nobody", "Nowhere");
    EXPECT_EQ(s.getSetting("Corvalet", "Jobs", "c"), "3");
}

TYPED_TEST(SettingsContract, OddNamesSurvive)
{
    Settings& s = *this->m_settings;
    s.saveSetting("Corvalet", "Win/Pos [1]", " key = x ", "v");
    s.saveSetting("Corvalet", "Win/Pos [1]", "semi;", "w");
    EXPECT_EQ(s.getSetting("Corvalet", "win/pos [1]", " KEY = X "), "v");
    EXPECT_EQ(s.getSetting("Corvalet", "Win/Pos [1]", "semi;"), "w");
}

class IniSettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = freshFolder();
        m_file = m_folder / "cfg" / "Corvalet" / "Corvalet.ini";
    }
    void TearDown() override { fs::remove_all(m_folder); }
    fs::path m_folder;
    fs::path m_file;
};

TEST_F(IniSettingsFile, EveryChangeIsOnDiskAtOnceAndLeavesNoTemporaryFile)
{
    IniSettings writer(m_file);
    writer.saveSetting("Corvalet", "Startup", "inDir", "  /data/wells");
    EXPECT_TRUE(writer.lastError().empty());
    ASSERT_TRUE(fs::exists(m_file));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_file.parent_path()), fs::directory_iterator()), 1);

    IniSettings reader(m_file);
    EXPECT_EQ(reader.getSetting("corvalet", "startup", "indir"), "  /data/wells");

    writer.deleteSetting("Corvalet", "Startup", "inDir");
    EXPECT_EQ(IniSettings(m_file).getSetting("Corvalet", "Startup", "inDir", "gone"), "gone");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_file.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(IniSettingsFile, ReadsPickUpWhatAnotherInstanceWrote)
{
    IniSettings first(m_file);
    IniSettings second(m_file);
    first.saveSetting("Corvalet", "Startup", "a", "1");
    EXPECT_EQ(second.getSetting("Corvalet", "Startup", "a"), "1");
    second.saveSetting("Corvalet", "Startup", "b", "2");
    // The first instance's next change starts from the file, so b is not lost.
    first.saveSetting("Corvalet", "Startup", "c", "3");
    IniSettings third(m_file);
    EXPECT_EQ(third.getSetting("Corvalet", "Startup", "a"), "1");
    EXPECT_EQ(third.getSetting("Corvalet", "Startup", "b"), "2");
    EXPECT_EQ(third.getSetting("Corvalet", "Startup", "c"), "3");
}

TEST_F(IniSettingsFile, ReadsAHandEditedFile)
{
    fs::create_directories(m_file.parent_path());
    std::ofstream(m_file, std::ios::binary) << "; written by hand\r\n"
                                               "[Corvalet/Startup]\r\n"
                                               "  outDir = /out\r\n"
                                               "quoted=\"  x\"\r\n"
                                               "\r\n"
                                               "[Corvalet/Editor]\n"
                                               "gridSize=12\n";
    IniSettings s(m_file);
    EXPECT_EQ(s.getSetting("Corvalet", "Startup", "outDir"), " /out"); // unquoted: all after "="
    EXPECT_EQ(s.getSetting("Corvalet", "Startup", "quoted"), "  x");
    EXPECT_EQ(s.getSetting("Corvalet", "Editor", "gridsize"), "12");
}

TEST_F(IniSettingsFile, WritesReadableIni)
{
    IniSettings s(m_file);
    s.saveSetting("Corvalet", "Startup", "lasfile", " a|b");
    EXPECT_EQ(readAll(m_file), "[Corvalet/Startup]\nlasfile=\" a|b\"\n");
}

TEST(IniSettingsPath, FollowsXdgConfigHome)
{
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", "/tmp/xdg-test", 1);
    EXPECT_EQ(IniSettings::defaultPath(), fs::path("/tmp/xdg-test/Corvalet/Corvalet.ini"));
    unsetenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (home) {
        EXPECT_EQ(IniSettings::defaultPath(), fs::path(home) / ".config/Corvalet/Corvalet.ini");
    }
    if (old)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

TEST_F(IniSettingsFile, AFailedSaveIsReportedAndLeavesNoFileBehind)
{
    // The folder the file should live in is a plain file, so nothing can be written there.
    fs::create_directories(m_folder / "cfg");
    std::ofstream(m_folder / "cfg" / "Corvalet") << "not a folder";
    IniSettings s(m_file);
    s.saveSetting("Corvalet", "Startup", "inDir", "/a");
    EXPECT_FALSE(s.lastError().empty());
    EXPECT_EQ(s.getSetting("Corvalet", "Startup", "inDir"), "/a"); // kept for this run
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder / "cfg"), fs::directory_iterator()), 1);
}
