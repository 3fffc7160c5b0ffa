#include "shell/About.h"

#include "core/TestFiles.h"

#include "platform/EventPump.h"
#include "platform/Text.h"
#include "platform/WindowHost.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

using namespace corvalet;
namespace fs = std::filesystem;

namespace {

// A scratch folder that can hold a license.txt.
struct ScratchFolder : core::test::ScratchDir {
    void write(const std::string& name, const std::string& text) const { core::test::writeFile(file(name), text); }
};

struct CountingPump final : platform::EventPump {
    int calls = 0;
    void doEvents() override { ++calls; }
};

} // namespace

TEST(LicenceText, ReplacesTheProgramNameInAnyCase)
{
    struct Case {
        const char* file;
        const char* shown;
    };
    const Case cases[] = {
        {"prog_name licence", "Corvalet licence"},
        {"Use PROG_NAME and Prog_Name.\r\nprog_name\r\n", "Use Corvalet and Corvalet.\r\nCorvalet\r\n"},
        {"prog_nameprog_name", "CorvaletCorvalet"},
        {"no placeholder", "no placeholder"},
        {"", ""},
    };
    ScratchFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        folder.write("license.txt", c.file);
        EXPECT_EQ(shell::licenceText(folder.path()), c.shown);
    }
}

TEST(LicenceText, AMissingFileGivesAnEmptyText)
{
    ScratchFolder folder;
    EXPECT_EQ(shell::licenceText(folder.path()), "");
    EXPECT_EQ(shell::licenceText(folder.path() / "not-there"), "");
}

TEST(LicenceText, TheShippedLicenceNamesTheProgram)
{
    const std::string text = shell::licenceText(fs::path(CORVALET_SOURCE_DIR) / "data");
    EXPECT_FALSE(platform::containsNoCase(text, "prog_name"));
    EXPECT_EQ(text.rfind("Corvalet Licence Agreement", 0), 0u) << text.substr(0, 80);
    EXPECT_GT(std::count(text.begin(), text.end(), '\n'), 10);
}

TEST(ProgramVersion, MatchesTheBuildsProjectVersion)
{
    std::ifstream in(fs::path(CORVALET_SOURCE_DIR) / "CMakeLists.txt");
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string cmake = buffer.str();
    std::smatch m;
    ASSERT_TRUE(std::regex_search(cmake, m, std::regex(R"(project\(Corvalet VERSION ([0-9]+\.[0-9]+\.[0-9]+))")));
    EXPECT_EQ(m[1].str(), shell::versionNumbers());
    EXPECT_EQ(shell::versionNumbers({2, 10, 3}), "2.10.3");
}

TEST(AboutBox, ShowsTitleVersionAndLicenceAndAcceptCloses)
{
    ScratchFolder folder;
    folder.write("license.txt", "Terms of prog_name.");
    core::AppState state;
    state.uiFontName = "Tahoma";
    state.uiFontSize = 9;
    platform::HeadlessWindowHost host;
    CountingPump pump;
    int ended = 0;
    shell::AboutBox about(state, host, folder.path(), pump, [&] { ++ended; });
    EXPECT_EQ(about.name(), "intro");
    EXPECT_EQ(about.introText.text(), "License Agreement");

    bool ranModal = false;
    host.onModal = [&](platform::Window& w) {
        ranModal = true;
        ASSERT_EQ(&w, &about);
        EXPECT_EQ(about.caption(), "About Corvalet");
        EXPECT_EQ(about.label1.caption(), "Corvalet " + shell::versionNumbers());
        EXPECT_FALSE(about.label2.caption().empty());
        EXPECT_EQ(about.introText.text(), "Terms of Corvalet.");
        EXPECT_EQ(about.but.caption(), "Accept");
        EXPECT_EQ(about.command1.caption(), "Do Not Accept");
        EXPECT_EQ(about.introText.fontName(), "Tahoma");
        // Typing changes nothing: every key is swallowed.
        EXPECT_EQ(about.introText.userKeyPress('x'), 0);
        EXPECT_EQ(about.introText.text(), "Terms of Corvalet.");
        about.but.userClick();
    };
    host.runModal(about);
    EXPECT_TRUE(ranModal);
    EXPECT_FALSE(about.loaded());
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(pump.calls, 2);

    // Shown again, the window loads afresh and picks up a changed licence.
    folder.write("license.txt", "New terms.");
    host.onModal = [&](platform::Window&) {
        EXPECT_EQ(about.introText.text(), "New terms.");
        about.command1.userClick();
    };
    host.runModal(about);
    EXPECT_EQ(ended, 1);
}

TEST(AboutBox, QuietModeDoesNotYield)
{
    ScratchFolder folder;
    core::AppState state;
    state.quietMode = true;
    platform::HeadlessWindowHost host;
    CountingPump pump;
    shell::AboutBox about(state, host, folder.path(), pump, {});
    host.runModal(about);
    EXPECT_EQ(pump.calls, 0);
    EXPECT_EQ(about.introText.text(), ""); // no license.txt: empty, no message
    about.command1.userClick();             // no way to end the program given: nothing happens
}

TEST(SplashFonts, TheSavedFontSurvivesTheProbe)
{
    const std::set<std::string> installed = {"Courier New", "Arial", "Tahoma"};
    // What the system gives for a family: itself when installed, else its stand-in.
    const shell::SplashPanel::FontProbe probe = [&](const std::string& family) -> std::string {
        for (const auto& f : installed)
            if (platform::equalsNoCase(f, family))
                return f;
        return "DejaVu Sans";
    };
    struct Case {
        const char* saved;
        const char* ui;
    };
    const Case cases[] = {
        {"", "Arial"},
        {"Tahoma", "Tahoma"},
        {"tahoma", "tahoma"},
        {"Missing Font", "Arial"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saved);
        core::AppState state;
        state.uiFontName = c.saved;
        shell::probeSharedFonts(state, probe);
        EXPECT_EQ(state.fixedFontName, "Courier New");
        EXPECT_EQ(state.uiFontName, c.ui);
    }
    // A system without either font: both names are what it really supplies.
    core::AppState state;
    state.uiFontName = "Missing Font";
    shell::probeSharedFonts(state, [](const std::string&) { return std::string("Liberation Mono"); });
    EXPECT_EQ(state.fixedFontName, "Liberation Mono");
    EXPECT_EQ(state.uiFontName, "Liberation Mono");
}

TEST(SplashLayout, PanelWidthAndContentPlaces)
{
    struct Case {
        int title, image, imageHeight, panelHeight;
        int width, titleLeft, imageLeft, imageTop;
    };
    const Case cases[] = {
        {3000, 2400, 2400, 9000, 3300, 180, 450, 5400},
        {2000, 3000, 1000, 8000, 3300, 680, 150, 6500},
        {0, 0, 0, 0, 0, 30, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const int width = shell::splashPanelWidth(c.title, c.image);
        EXPECT_EQ(width, c.width);
        const shell::SplashContent content = shell::splashContent(width, c.panelHeight, c.title, c.image, c.imageHeight);
        EXPECT_EQ(content.titleLeft, c.titleLeft);
        EXPECT_EQ(content.imageLeft, c.imageLeft);
        EXPECT_EQ(content.imageTop, c.imageTop);
        EXPECT_EQ(content.loadingWidth, width);
    }
}

TEST(SplashPanel, LoadsDownTheLeftSideAndFollowsTheWorkingArea)
{
    core::AppState state;
    platform::HeadlessWindowHost host;
    host.setWorkArea({15000, 9000});
    CountingPump pump;
    shell::SplashPanel flash(state, host, pump, [](const std::string& f) { return f; });
    flash.setContentSizes(3000, 2400, 2400);
    int contentChanges = 0;
    auto c = flash.contentChanged.connect([&] { ++contentChanges; });

    host.show(flash);
    EXPECT_EQ(flash.name(), "flash");
    EXPECT_EQ(flash.left(), 0);
    EXPECT_EQ(flash.top(), 0);
    EXPECT_EQ(flash.width(), 3300);
    EXPECT_EQ(flash.height(), 9000);
    EXPECT_EQ(flash.verLab.caption(), "Version " + shell::versionNumbers());
    EXPECT_EQ(state.fixedFontName, "Courier New");
    EXPECT_EQ(state.uiFontName, "Arial");
    EXPECT_EQ(flash.content().imageTop, 9000 - 3600);
    EXPECT_GE(pump.calls, 1); // activation yields first
    EXPECT_GE(contentChanges, 1);

    host.setWorkArea({15000, 6000});
    flash.fitToWorkArea();
    EXPECT_EQ(flash.height(), 6000);
    EXPECT_EQ(flash.content().imageTop, 6000 - 3600);
    EXPECT_EQ(flash.content().loadingWidth, 3300);
}
