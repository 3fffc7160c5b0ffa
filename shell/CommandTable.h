#pragma once
// The main window's commands as data: every tool with its identifier, caption ("&" marks the
// access key), category, description and tool tip; the six menus and the button bar as lists of
// identifiers with separators; and the Toolbar model through which every window reads and sets a
// tool's State and Enabled by identifier. A tool does nothing until a handler is registered for
// it, so a command whose window does not exist yet shows disabled instead of dead.
#include "platform/Controls.h"
#include "platform/Signal.h"
#include "platform/WindowHost.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvalet::platform {
class Settings;
}

namespace corvalet::shell {

class AboutBox;
struct ToolState;

struct ToolDefinition {
    std::string_view id;
    std::string_view caption;
    std::string_view category;
    std::string_view toolTip;
    std::string_view description;
    // A two-state tool flips its State (0/1) on every click; its group is its toolbar group.
    bool twoState = false;
    std::string_view group;
};

struct MenuDefinition {
    std::string_view id;
    std::string_view caption;
    // Tool identifiers in menu order; an empty one is a separator.
    std::vector<std::string_view> items;
};

// Every tool, in catalogue order.
[[nodiscard]] const std::vector<ToolDefinition>& toolDefinitions();
// The six menus of the bar "Corvalet Menu", in bar order.
[[nodiscard]] const std::vector<MenuDefinition>& menuDefinitions();
// The items of the button bar "Corvalet Tools"; an empty identifier is a separator.
[[nodiscard]] const std::vector<std::string_view>& toolBarItems();
inline constexpr std::string_view kMenuBarName = "Corvalet Menu";
inline constexpr std::string_view kToolBarName = "Corvalet Tools";

// Identifiers compare without regard to case ("ID_SAVE" is "ID_Save"). Null when unknown.
[[nodiscard]] const ToolDefinition* findToolDefinition(std::string_view id);
[[nodiscard]] const MenuDefinition* findMenuDefinition(std::string_view id);

// The live tools. Each tool is a platform::Tool, so a view binds its action to it like any other
// control; Enabled as the tool shows it is "a handler is registered" and "not disabled by
// setEnabled". Unknown identifiers read as state 0 and disabled, and setting them does nothing,
// so a caller asking for a tool that is not there never fails.
class Toolbar {
public:
    using Handler = std::function<void()>;

    Toolbar();
    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;
    ~Toolbar();

    [[nodiscard]] platform::ToolSet& tools() { return m_tools; }
    [[nodiscard]] platform::Tool* tool(std::string_view id);
    [[nodiscard]] const ToolDefinition* definition(std::string_view id) const;

    [[nodiscard]] int state(std::string_view id) const;
    void setState(std::string_view id, int state);
    [[nodiscard]] bool enabled(std::string_view id) const;
    void setEnabled(std::string_view id, bool on);

    // Registers the action of a tool, or the handler run when a menu opens. An empty handler
    // removes it (the tool greys again). Returns false for an identifier that is neither.
    bool setHandler(std::string_view id, Handler handler);
    [[nodiscard]] bool hasHandler(std::string_view id) const;

    // The user picks a tool: nothing when it is disabled; a two-state tool flips its State
    // first; then its action runs. An error inside the action is not passed on: the command
    // simply ends there and the program goes on.
    void click(std::string_view id);
    // A menu is about to open: its handler (if any) sets the Enabled of its items.
    void menuOpened(std::string_view menuId);

    // A tool's State, Enabled or another property changed; the argument is its identifier.
    platform::Signal<const std::string&> toolChanged;

private:
    struct Entry;
    [[nodiscard]] Entry* find(std::string_view id);
    [[nodiscard]] const Entry* find(std::string_view id) const;
    void dispatch(const std::string& id);
    static void runGuarded(const Handler& handler);

    platform::ToolSet m_tools;
    std::vector<std::unique_ptr<Entry>> m_entries;
    std::vector<std::pair<const MenuDefinition*, Handler>> m_menuHandlers;
    platform::Connection m_clicks;
};

// The toggles that only remember their State: "ID_Multiple" as "multButState" written "1"/"0";
// the after-processing toggles "ID_certAfter", "ID_EditAfter" and "ID_ViewAfter" as
// "certafter", "editafter" and "viewafter", written with a sign position (" 1"/" 0").
void registerToggleSettings(Toolbar& toolbar, platform::Settings& settings);
// The States start-up read from the settings go onto their tools.
void applyToolStates(Toolbar& toolbar, const std::vector<ToolState>& states);

// "Arrange All": an open file browser "main" goes to the left edge over the splash panel's width
// and the working area's height and comes to the front; every other open window except the
// splash "flash" and the browser fills the working area right of the splash.
void arrangeAll(platform::WindowHost& host, const platform::Window& flash);

// The commands that need nothing beyond the main window itself: "ID_About" shows the About box
// modally, "ID_ArrangeAll" arranges the open windows, "ID_Exit" runs `exitProgram` (closing the
// main window).
void registerWindowCommands(Toolbar& toolbar, platform::WindowHost& host, AboutBox& about,
                            const platform::Window& flash, std::function<void()> exitProgram);

} // namespace corvalet::shell
