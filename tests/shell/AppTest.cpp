#include "shell/App.h"

#include "shell/Startup.h"
#include "ShellFixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace corvalet::shell {
namespace {

using namespace corvalet::shell::test;
namespace fs = std::filesystem;

TEST(App, StartModesFollowTheCommandLine)
{
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        StartMode mode;
        platform::WindowState window;
        bool splash, quiet;
        std::vector<std::string> kept;
    };
    const Case cases[] = {
        {"no command line", {}, StartMode::Interactive, platform::WindowState::Maximized, true, false, {}},
        {"blanks only", {"  ", " "}, StartMode::InteractiveMinimized, platform::WindowState::Minimized, false, false,
         {}},
        {"a job", {" File1=a.las ", "", "Dowhat=merge"}, StartMode::CommandLine, platform::WindowState::Minimized,
         false, true, {"File1=a.las", "Dowhat=merge"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Installation install;
        install.shipDefaults();
        platform::MemorySettings settings;
        platform::ScriptedDialogs dialogs;
        App app(install.services(settings, dialogs));
        const StartupResult result = app.start(c.arguments);
        EXPECT_EQ(result.mode, c.mode);
        EXPECT_EQ(result.windowState, c.window);
        EXPECT_EQ(result.showSplash, c.splash);
        EXPECT_EQ(app.state().quietMode, c.quiet);
        EXPECT_EQ(result.arguments, c.kept);
        EXPECT_EQ(result.caption, "Corvalet - Corvalet Developers ");
        EXPECT_TRUE(dialogs.calls().empty());
    }
}

// Dialogs whose first message fails, as a start-up step can fail in ways nobody planned for.
class FailingDialogs final : public platform::Dialogs {
public:
    platform::ScriptedDialogs recorded;
    int msgBox(const std::string& text, int style, const std::string& title, int quiet) override
    {
        return recorded.msgBox(text, style, title, quiet);
    }
    int notify(const std::string& text, int style, const std::string& title, int quiet) override
    {
        if (!m_failed) {
            m_failed = true;
            throw std::runtime_error("dialog broke");
        }
        return recorded.notify(text, style, title, quiet);
    }
    platform::InputResult inputBox(const std::string& p, const std::string& t, const std::string& d) override
    {
        return recorded.inputBox(p, t, d);
    }
    platform::FileResult openFile(const platform::FileRequest& r) override { return recorded.openFile(r); }
    platform::FileResult saveFile(const platform::FileRequest& r) override { return recorded.saveFile(r); }
    std::string pickFolder(const std::string& t, const std::string& s) override { return recorded.pickFolder(t, s); }
    bool chooseFont(platform::FontChoice& f) override { return recorded.chooseFont(f); }

private:
    bool m_failed = false;
};

TEST(App, AnUnexpectedStartupErrorShowsOneBoxAndEnds)
{
    Installation install; // no para.ini: its message is the step that fails
    platform::MemorySettings settings;
    FailingDialogs dialogs;
    App app(install.services(settings, dialogs));
    const StartupResult result = app.start({});
    EXPECT_EQ(result.mode, StartMode::Failed);
    EXPECT_NE(result.exitStatus, 0);
    EXPECT_FALSE(result.showSplash);
    ASSERT_EQ(dialogs.recorded.calls().size(), 1u);
    const platform::DialogCall& call = dialogs.recorded.calls().front();
    EXPECT_EQ(call.title, "Error Initializing Corvalet.");
    EXPECT_EQ(call.text, "Last resort error trap. The error was dialog broke , number  51");
    EXPECT_EQ(call.style, platform::MsgStyle::Critical);
    EXPECT_EQ(lastResortText("x", -3), "Last resort error trap. The error was x , number -3");
}

TEST(App, ExitDeletesCheckResultsOfTheUserFolderOnly)
{
    Installation install;
    fs::create_directories(install.user);
    for (const char* name : {"a.cer", "B.CER", "x.cert", "x.cer.bak", "keep.las"})
        writeFile((install.user / name).string(), "r");
    writeFile((install.data / "shipped.cer").string(), "r");
    platform::MemorySettings settings;
    platform::ScriptedDialogs dialogs;
    App app(install.services(settings, dialogs));
    app.shutdown();
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(install.user))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"keep.las", "x.cer.bak", "x.cert"}));
    EXPECT_TRUE(fs::exists(install.data / "shipped.cer"));

    // A per-user folder that does not exist yet is not created by the exit.
    Installation fresh;
    App other(fresh.services(settings, dialogs));
    other.shutdown();
    EXPECT_FALSE(fs::exists(fresh.user));
}

struct ClosingWindow : platform::Window {
    ClosingWindow(std::string name, std::vector<std::string>& order, bool refuse = false) : Window(name)
    {
        m_query = queryUnload.connect([refuse](bool& cancel) { cancel = refuse; });
        m_unload = unload.connect([&order, name] { order.push_back(name); });
    }
    platform::Connection m_query, m_unload;
};

TEST(App, ExitUnloadsWindowsFromTheLast)
{
    struct Case {
        const char* name;
        int refusing; // index of a window that will not close; -1 none
        std::vector<std::string> order;
        std::size_t left;
    };
    const Case cases[] = {
        {"all close", -1, {"c", "b", "a"}, 0},
        {"the middle one refuses", 1, {"c"}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Installation install;
        platform::MemorySettings settings;
        platform::ScriptedDialogs dialogs;
        platform::HeadlessWindowHost host;
        std::vector<std::string> order;
        ClosingWindow a("a", order, c.refusing == 0), b("b", order, c.refusing == 1), w("c", order, c.refusing == 2);
        for (ClosingWindow* window : {&a, &b, &w})
            host.show(*window);
        App app(install.services(settings, dialogs, &host));
        app.shutdown();
        EXPECT_EQ(order, c.order);
        EXPECT_EQ(host.loadedWindows().size(), c.left);
    }
}

TEST(App, SettingsWrittenByOneRunAreReadIdenticallyByTheNext)
{
    Installation install;
    install.shipDefaults();
    const fs::path file = install.root.path() / "config" / "Corvalet" / "Corvalet.ini";
    platform::ScriptedDialogs dialogs;

    core::AppState first;
    {
        platform::IniSettings settings(file);
        store(settings, "formatdef", "8|18|45|12|11|3");
        store(settings, "mdenDef", "1.100|2.650|2.710|2.870|56.000|48.000|44.000");
        store(settings, "country", "Canada");
        store(settings, "multButState", " 0");
        store(settings, "outDir", "/wells/out with blanks/");
        store(settings, "listdef", "WELL|UWI");
        App app(install.services(settings, dialogs));
        app.start({});
        dialogs.answerFont({"Noto Sans Mono", 9.25, true});
        ASSERT_TRUE(chooseGridFont(app));
        first = app.state();
    }
    platform::IniSettings settings(file);
    EXPECT_EQ(stored(settings, "gridSize"), "Noto Sans Mono|9.25|-1| 800");
    App app(install.services(settings, dialogs));
    app.start({});
    const core::AppState& next = app.state();
    EXPECT_EQ(next.uiFontName, first.uiFontName);
    EXPECT_EQ(next.uiFontSize, first.uiFontSize);
    EXPECT_EQ(next.uiFontBold, first.uiFontBold);
    EXPECT_EQ(next.gridColWidth, first.gridColWidth);
    EXPECT_EQ((std::array{next.dotPos, next.valuePos, next.colonPos, next.colonPlusPos, next.dataWidth,
                          next.dataDecimals}),
              (std::array{8, 18, 45, 12, 11, 3}));
    EXPECT_EQ(next.matrixValues, first.matrixValues);
    EXPECT_FLOAT_EQ(next.matrixValues[10], 56.0f);
    EXPECT_EQ(next.depthUnit.unit, "M");
    EXPECT_EQ(next.outDir, "/wells/out with blanks/");
    EXPECT_EQ(app.toolStates()[2].state, 0);
    EXPECT_EQ(stored(settings, "listdef"), "WELL|UWI");
}

} // namespace
} // namespace corvalet::shell
