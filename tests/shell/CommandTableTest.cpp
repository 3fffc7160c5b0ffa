#include "shell/CommandTable.h"

#include "platform/EventPump.h"
#include "shell/About.h"

#include "platform/Settings.h"
#include "platform/Text.h"
#include "platform/WindowHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

using namespace corvalet;
using shell::Toolbar;
namespace fs = std::filesystem;

namespace {

// The captions of a list of identifiers joined by "|", a separator as "-".
std::string captionsOf(const std::vector<std::string_view>& ids)
{
    std::string out;
    for (std::string_view id : ids) {
        if (!out.empty())
            out += '|';
        if (id.empty()) {
            out += '-';
            continue;
        }
        const shell::ToolDefinition* def = shell::findToolDefinition(id);
        out += def ? std::string(def->caption) : "<unknown " + std::string(id) + ">";
    }
    return out;
}

} // namespace

TEST(CommandTable, IdentifiersAreUniqueWithoutRegardToCaseAndEveryItemIsATool)
{
    std::vector<std::string> seen;
    auto note = [&](std::string_view id) {
        const std::string folded = platform::toLower(id);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), folded), 0) << id;
        seen.push_back(folded);
    };
    for (const auto& tool : shell::toolDefinitions()) {
        EXPECT_EQ(tool.id.substr(0, 3), "ID_") << tool.id;
        note(tool.id);
    }
    for (const auto& menu : shell::menuDefinitions()) {
        note(menu.id);
        for (std::string_view item : menu.items)
            EXPECT_TRUE(item.empty() || shell::findToolDefinition(item)) << menu.id << ": " << item;
    }
    for (std::string_view item : shell::toolBarItems())
        EXPECT_TRUE(item.empty() || shell::findToolDefinition(item)) << item;
}

TEST(CommandTable, MenusHoldTheirItemsInOrder)
{
    struct Case {
        const char* id;
        const char* caption;
        const char* items;
    };
    const Case cases[] = {
        {"ID_FileMN", "&File", "&Open LAS|Open &Many LAS|-|&Process!|-|Save As Filter|-|P&references|-|E&xit"},
        {"ID_Editmn", "&Edit", "Cu&t|&Copy|&Paste|-|&Add Channel|Delete Channel"},
        {"ID_Toolsmn", "&Tools",
         "Manipulate/Combine|-|LAS &Wizard|-|&Align Channels|-|Properties Listings|-|Edit LAS|-|&Vettrix|-|"
         "&Make LAS|&LAS to ASCII|-|Curve &Library|T&oolbox"},
        {"ID_option", "&Options",
         "&Certify After Process|&Edit After Process|&View After Process|Allow &Multiple Channel Connections|"
         "&Size...|&Font..."},
        {"ID_Windows", "&Windows", "Arrange All"},
        {"ID_Helpmn", "&Help", "&Help|-|&About Corvalet"},
    };
    const auto& menus = shell::menuDefinitions();
    ASSERT_EQ(menus.size(), std::size(cases));
    for (std::size_t i = 0; i < menus.size(); ++i) {
        SCOPED_TRACE(cases[i].id);
        EXPECT_EQ(menus[i].id, cases[i].id);
        EXPECT_EQ(menus[i].caption, cases[i].caption);
        EXPECT_EQ(captionsOf(menus[i].items), cases[i].items);
    }
    EXPECT_EQ(captionsOf(shell::toolBarItems()),
              "&Open LAS|Open &Many LAS|&Process!|-|Manipulate/Combine|-|Edit LAS|-|Properties Listings|&Vettrix|"
              "T&oolbox|-|Curve &Library|-|&Certify After Process|&Edit After Process|&View After Process|-|"
              "Process!");
    // The two "Process!" tools are distinct: the File menu and the first button use ID_Save.
    EXPECT_EQ(shell::toolBarItems().back(), "ID_Process");
}

TEST(CommandTable, ToolTextsAndTwoStateTools)
{
    struct Case {
        const char* id;
        const char* category;
        const char* tip;
        const char* description;
        bool twoState;
    };
    const Case cases[] = {
        {"ID_Open", "File", "Open LAS File", "Opens an existing document.", false},
        {"ID_MMM", "General", "Open Main", "Switches to a mail merge main document", false},
        {"ID_Help", "General", "Office Assistant", "", false},
        {"ID_Paste", "Edit", "Inserts the contents of the Clipboard at the insertion point, and replaces any selection.",
         "", false},
        {"ID_certAfter", "options", "Certify After Process", "", true},
        {"ID_EditAfter", "options", "Edit New LAS after process", "", true},
        {"ID_ViewAfter", "options", "View New LAS in the log viewer after process", "", true},
        {"ID_Multiple", "options", "", "", true},
        {"ID_Size", "options", "", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const shell::ToolDefinition* def = shell::findToolDefinition(c.id);
        ASSERT_NE(def, nullptr);
        EXPECT_EQ(def->category, c.category);
        EXPECT_EQ(def->toolTip, c.tip);
        EXPECT_EQ(def->description, c.description);
        EXPECT_EQ(def->twoState, c.twoState);
    }
}

TEST(Toolbar, ToolsAreFoundWithoutRegardToCaseAndUnknownOnesAreHarmless)
{
    Toolbar toolbar;
    for (const char* spelling : {"ID_SAVE", "ID_save", "ID_Save"})
        EXPECT_EQ(toolbar.tool(spelling), toolbar.tool("ID_Save")) << spelling;
    EXPECT_EQ(toolbar.tool("ID_spliceEm")->id(), "ID_SpliceEm");
    EXPECT_EQ(toolbar.tool("ID_Nothing"), nullptr);
    EXPECT_EQ(toolbar.state("ID_Nothing"), 0);
    EXPECT_FALSE(toolbar.enabled("ID_Nothing"));
    toolbar.setState("ID_Nothing", 1);
    toolbar.setEnabled("ID_Nothing", true);
    toolbar.click("ID_Nothing");
    EXPECT_FALSE(toolbar.setHandler("ID_Nothing", [] {}));
}

TEST(Toolbar, ACommandIsEnabledOnlyWhileItHasAHandler)
{
    Toolbar toolbar;
    for (const auto& def : shell::toolDefinitions())
        EXPECT_FALSE(toolbar.enabled(def.id)) << def.id;

    int runs = 0;
    toolbar.click("ID_About");
    EXPECT_EQ(runs, 0);

    ASSERT_TRUE(toolbar.setHandler("ID_about", [&] { ++runs; }));
    EXPECT_TRUE(toolbar.enabled("ID_About"));
    EXPECT_TRUE(toolbar.tool("ID_About")->enabled()); // what a bound view shows
    toolbar.click("ID_About");
    EXPECT_EQ(runs, 1);

    // A window greys a tool; it stays grey however the handler changes, until enabled again.
    toolbar.setEnabled("ID_About", false);
    toolbar.click("ID_About");
    EXPECT_EQ(runs, 1);
    toolbar.setHandler("ID_About", [&] { runs += 10; });
    EXPECT_FALSE(toolbar.enabled("ID_About"));
    toolbar.setEnabled("ID_About", true);
    EXPECT_TRUE(toolbar.enabled("ID_About"));

    // Enabling a tool that has nothing to do leaves it grey; removing the handler greys it.
    toolbar.setEnabled("ID_Wizard", true);
    EXPECT_FALSE(toolbar.enabled("ID_Wizard"));
    toolbar.setHandler("ID_About", {});
    EXPECT_FALSE(toolbar.enabled("ID_About"));
}

TEST(Toolbar, ChangesAreSignalledOncePerRealChange)
{
    Toolbar toolbar;
    std::vector<std::string> changes;
    auto c = toolbar.toolChanged.connect([&](const std::string& id) { changes.push_back(id); });

    toolbar.setState("ID_CERTAFTER", 1);
    toolbar.setState("ID_certAfter", 1);
    EXPECT_EQ(changes, std::vector<std::string>{"ID_certAfter"});

    changes.clear();
    toolbar.setHandler("ID_Process", [] {});
    toolbar.setEnabled("ID_Process", true); // already enabled
    toolbar.setEnabled("ID_Process", false);
    EXPECT_EQ(changes, (std::vector<std::string>{"ID_Process", "ID_Process"}));
}

TEST(Toolbar, ATwoStateToolFlipsBeforeItsActionRuns)
{
    Toolbar toolbar;
    std::vector<int> seen;
    toolbar.setHandler("ID_EditAfter", [&] { seen.push_back(toolbar.state("ID_EditAfter")); });
    toolbar.click("ID_EditAfter");
    toolbar.click("ID_editAfter");
    EXPECT_EQ(seen, (std::vector<int>{1, 0}));

    // A plain tool keeps its state.
    toolbar.setHandler("ID_About", [] {});
    toolbar.click("ID_About");
    EXPECT_EQ(toolbar.state("ID_About"), 0);
}

TEST(Toolbar, AFailingActionDoesNotStopTheProgram)
{
    Toolbar toolbar;
    int after = 0;
    toolbar.setHandler("ID_About", [] { throw std::runtime_error("window failed"); });
    toolbar.setHandler("ID_Exit", [&] { ++after; });
    EXPECT_NO_THROW(toolbar.click("ID_About"));
    toolbar.click("ID_Exit");
    EXPECT_EQ(after, 1);
}

TEST(Toolbar, MenuHandlersRunWhenTheirMenuOpens)
{
    Toolbar toolbar;
    toolbar.setHandler("ID_Print", [] {});
    ASSERT_TRUE(toolbar.setHandler("ID_FileMN", [&] { toolbar.setEnabled("ID_Print", false); }));
    EXPECT_TRUE(toolbar.enabled("ID_Print"));
    toolbar.menuOpened("ID_Editmn"); // no handler: nothing
    EXPECT_TRUE(toolbar.enabled("ID_Print"));
    toolbar.menuOpened("id_filemn");
    EXPECT_FALSE(toolbar.enabled("ID_Print"));
}

TEST(Toolbar, TogglesRememberTheirStateInTheirSettingForm)
{
    Toolbar toolbar;
    platform::MemorySettings settings;
    shell::registerToggleSettings(toolbar, settings);
    struct Case {
        const char* id;
        const char* key;
        const char* on;
        const char* off;
    };
    const Case cases[] = {
        {"ID_Multiple", "multButState", "1", "0"},
        {"ID_certAfter", "certafter", " 1", " 0"},
        {"ID_EditAfter", "editafter", " 1", " 0"},
        {"ID_ViewAfter", "viewafter", " 1", " 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_TRUE(toolbar.enabled(c.id));
        toolbar.click(c.id);
        EXPECT_EQ(settings.getSetting("Corvalet", "Startup", c.key, "?"), c.on);
        toolbar.click(c.id);
        EXPECT_EQ(settings.getSetting("Corvalet", "Startup", c.key, "?"), c.off);
    }
    // Setting a state from a program (start-up, a command-line job) writes nothing.
    platform::MemorySettings untouched;
    Toolbar other;
    shell::registerToggleSettings(other, untouched);
    other.setState("ID_certAfter", 1);
    EXPECT_EQ(untouched.getSetting("Corvalet", "Startup", "certafter", "?"), "?");
}

TEST(ArrangeAll, TheBrowserCoversTheSplashAndTheOthersFillTheRest)
{
    platform::HeadlessWindowHost host;
    host.setWorkArea({15000, 9000});
    platform::Window flash("flash"), browser("main"), prefs("prefs"), list("list");
    for (platform::Window* w : {&flash, &browser, &prefs, &list})
        host.show(*w);
    flash.move(0, 0, 3300, 9000);
    browser.move(500, 700, 4000, 3000);
    prefs.move(100, 100, 2000, 2000);

    shell::arrangeAll(host, flash);

    EXPECT_EQ(browser.left(), 0);
    EXPECT_EQ(browser.top(), 0);
    EXPECT_EQ(browser.width(), 3300);
    EXPECT_EQ(browser.height(), 9000);
    EXPECT_EQ(host.activeWindow(), &browser);
    for (platform::Window* w : {&prefs, &list}) {
        SCOPED_TRACE(w->name());
        EXPECT_EQ(w->left(), 3300);
        EXPECT_EQ(w->top(), 0);
        EXPECT_EQ(w->width(), 15000 - 3300);
        EXPECT_EQ(w->height(), 9000);
    }
    EXPECT_EQ(flash.left(), 0);
    EXPECT_EQ(flash.width(), 3300);
}

TEST(WindowCommands, AboutArrangeAndExitAreWiredAndNothingElse)
{
    Toolbar toolbar;
    core::AppState state;
    platform::HeadlessWindowHost host;
    platform::NullEventPump pump;
    shell::AboutBox about(state, host, fs::temp_directory_path() / "corvalet-no-licence-here", pump, {});
    platform::Window flash("flash");
    int exits = 0;
    shell::registerWindowCommands(toolbar, host, about, flash, [&] { ++exits; });

    std::vector<std::string> enabled;
    for (const auto& def : shell::toolDefinitions())
        if (toolbar.enabled(def.id))
            enabled.emplace_back(def.id);
    EXPECT_EQ(enabled, (std::vector<std::string>{"ID_Exit", "ID_ArrangeAll", "ID_About"}));

    platform::Window* shown = nullptr;
    host.onModal = [&](platform::Window& w) { shown = &w; };
    toolbar.click("ID_About");
    EXPECT_EQ(shown, &about);
    EXPECT_EQ(about.caption(), "About Corvalet");
    toolbar.click("ID_Exit");
    EXPECT_EQ(exits, 1);
}
