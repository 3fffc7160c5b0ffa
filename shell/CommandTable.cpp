#include "shell/CommandTable.h"

#include "core/WindowHelpers.h"
#include "shell/About.h"
#include "shell/App.h"
#include "shell/Startup.h"
#include "platform/Numbers.h"
#include "platform/Settings.h"
#include "platform/Text.h"

#include <algorithm>
#include <exception>

namespace corvalet::shell {

namespace {

constexpr ToolDefinition command(std::string_view id, std::string_view caption, std::string_view category,
                                 std::string_view toolTip = {}, std::string_view description = {})
{
    return {id, caption, category, toolTip, description, false, {}};
}

constexpr ToolDefinition toggle(std::string_view id, std::string_view caption, std::string_view toolTip,
                                std::string_view group)
{
    return {id, caption, "options", toolTip, {}, true, group};
}

// Texts as the user sees them, template leftovers included ("Office Assistant").
const std::vector<ToolDefinition> kTools = {
    command("ID_Open", "&Open LAS", "File", "Open LAS File", "Opens an existing document."),
    command("ID_OpenMany", "Open &Many LAS", "File", "Select Multiple LAS"),
    command("ID_Save", "&Process!", "File", "Click to Begin Processing", "Saves the active document."),
    command("ID_Wizard", "LAS &Wizard", "File", "Open LAS Wizard"),
    command("ID_MMM", "Manipulate/Combine", "General", "Open Main", "Switches to a mail merge main document"),
    command("ID_editLAS", "Edit LAS", "General", "Open LAS in Editor"),
    command("ID_prop", "Properties Listings", "General", "Create LAS Listings"),
    command("ID_Certify", "&Vettrix", "General"),
    command("ID_MakeLAS", "&Make LAS", "General", "ASCII to LAS"),
    command("ID_LAStoASCII", "&LAS to ASCII", "General", "LAS to ASCII"),
    command("ID_Toolbox", "T&oolbox", "General", "T&oolbox"),
    command("ID_CurveLibrary", "Curve &Library", "General", "Open Curve Library"),
    toggle("ID_certAfter", "&Certify After Process", "Certify After Process", "optButs1"),
    toggle("ID_EditAfter", "&Edit After Process", "Edit New LAS after process", "optButs4"),
    // The third after-processing action needs a toggle of its own, beside the other two.
    toggle("ID_ViewAfter", "&View After Process", "View New LAS in the log viewer after process", "optButs5"),
    command("ID_Process", "Process!", "General", "Click to Begin Processing"),
    command("ID_OpenFilter", "Open Filter", "File"),
    command("ID_SaveAsFilter", "Save As Filter", "File"),
    command("ID_Zip", "&Zip", "File", "Zip Selected Files"),
    command("ID_Un-Zip", "&Un-Zip", "File", "Un-Zip Archive"),
    command("ID_Preferences", "P&references", "File"),
    command("ID_Print", "&Print", "File", "Open Print Window", "Prints the selected text to the default printer."),
    command("ID_Exit", "E&xit", "File", "Exits the application."),
    command("ID_Cut", "Cu&t", "Edit", "Removes the selected text and places it on the Clipboard."),
    command("ID_Copy", "&Copy", "Edit", "Copies the selected text to the Clipboard."),
    command("ID_Paste", "&Paste", "Edit",
            "Inserts the contents of the Clipboard at the insertion point, and replaces any selection."),
    command("ID_AddChannel", "&Add Channel", "Edit", "Add Column"),
    command("ID_DeleteChannel", "Delete Channel", "Edit"),
    command("ID_SpliceEm", "&Align Channels", "General"),
    toggle("ID_Multiple", "Allow &Multiple Channel Connections", "", "optBut2"),
    command("ID_Size", "&Size...", "options"),
    command("ID_Font", "&Font...", "options", "Set Font for Controls"),
    command("ID_ArrangeAll", "Arrange All", "General"),
    command("ID_Help", "&Help", "General", "Office Assistant"),
    command("ID_About", "&About Corvalet", "General"),
};

const std::vector<MenuDefinition> kMenus = {
    {"ID_FileMN", "&File",
     {"ID_Open", "ID_OpenMany", "", "ID_Save", "", "ID_SaveAsFilter", "", "ID_Preferences", "", "ID_Exit"}},
    {"ID_Editmn", "&Edit", {"ID_Cut", "ID_Copy", "ID_Paste", "", "ID_AddChannel", "ID_DeleteChannel"}},
    {"ID_Toolsmn", "&Tools",
     {"ID_MMM", "", "ID_Wizard", "", "ID_SpliceEm", "", "ID_prop", "", "ID_editLAS", "", "ID_Certify", "",
      "ID_MakeLAS", "ID_LAStoASCII", "", "ID_CurveLibrary", "ID_Toolbox"}},
    {"ID_option", "&Options",
     {"ID_certAfter", "ID_EditAfter", "ID_ViewAfter", "ID_Multiple", "ID_Size", "ID_Font"}},
    {"ID_Windows", "&Windows", {"ID_ArrangeAll"}},
    {"ID_Helpmn", "&Help", {"ID_Help", "", "ID_About"}},
};

const std::vector<std::string_view> kToolBar = {
    "ID_Open", "ID_OpenMany", "ID_Save", "", "ID_MMM", "", "ID_editLAS", "", "ID_prop", "ID_Certify",
    "ID_Toolbox", "", "ID_CurveLibrary", "", "ID_certAfter", "ID_EditAfter", "ID_ViewAfter", "", "ID_Process",
};

} // namespace

const std::vector<ToolDefinition>& toolDefinitions() { return kTools; }
const std::vector<MenuDefinition>& menuDefinitions() { return kMenus; }
const std::vector<std::string_view>& toolBarItems() { return kToolBar; }

const ToolDefinition* findToolDefinition(std::string_view id)
{
    auto it = std::find_if(kTools.begin(), kTools.end(),
                           [&](const ToolDefinition& t) { return platform::equalsNoCase(t.id, id); });
    return it == kTools.end() ? nullptr : &*it;
}

const MenuDefinition* findMenuDefinition(std::string_view id)
{
    auto it = std::find_if(kMenus.begin(), kMenus.end(),
                           [&](const MenuDefinition& m) { return platform::equalsNoCase(m.id, id); });
    return it == kMenus.end() ? nullptr : &*it;
}

struct Toolbar::Entry {
    const ToolDefinition* definition = nullptr;
    platform::Tool* tool = nullptr;
    bool wanted = true; // Enabled as last set; the tool shows it only while it has a handler
    Handler handler;
    platform::Connection changed;

    void showEnabled() { tool->setEnabled(wanted && static_cast<bool>(handler)); }
};

Toolbar::Toolbar()
{
    for (const ToolDefinition& def : kTools) {
        auto entry = std::make_unique<Entry>();
        entry->definition = &def;
        entry->tool = &m_tools.add(std::string(def.id), std::string(def.caption), std::string(def.category),
                                   std::string(def.toolTip));
        entry->showEnabled();
        const std::string id(def.id);
        entry->changed = entry->tool->changed.connect([this, id] { toolChanged.send(id); });
        m_entries.push_back(std::move(entry));
    }
    for (const MenuDefinition& menu : kMenus)
        m_menuHandlers.emplace_back(&menu, Handler{});
    m_clicks = m_tools.toolClick.connect([this](const std::string& id) { dispatch(id); });
}

Toolbar::~Toolbar() = default;

Toolbar::Entry* Toolbar::find(std::string_view id)
{
    for (auto& e : m_entries)
        if (platform::equalsNoCase(e->definition->id, id))
            return e.get();
    return nullptr;
}

const Toolbar::Entry* Toolbar::find(std::string_view id) const { return const_cast<Toolbar*>(this)->find(id); }

platform::Tool* Toolbar::tool(std::string_view id)
{
    Entry* e = find(id);
    return e ? e->tool : nullptr;
}

const ToolDefinition* Toolbar::definition(std::string_view id) const
{
    const Entry* e = find(id);
    return e ? e->definition : nullptr;
}

int Toolbar::state(std::string_view id) const
{
    const Entry* e = find(id);
    return e ? e->tool->state() : 0;
}

void Toolbar::setState(std::string_view id, int state)
{
    if (Entry* e = find(id))
        e->tool->setState(state);
}

bool Toolbar::enabled(std::string_view id) const
{
    const Entry* e = find(id);
    return e && e->tool->enabled();
}

void Toolbar::setEnabled(std::string_view id, bool on)
{
    if (Entry* e = find(id)) {
        e->wanted = on;
        e->showEnabled();
    }
}

bool Toolbar::setHandler(std::string_view id, Handler handler)
{
    if (Entry* e = find(id)) {
        e->handler = std::move(handler);
        e->showEnabled();
        return true;
    }
    for (auto& [menu, menuHandler] : m_menuHandlers) {
        if (platform::equalsNoCase(menu->id, id)) {
            menuHandler = std::move(handler);
            return true;
        }
    }
    return false;
}

bool Toolbar::hasHandler(std::string_view id) const
{
    if (const Entry* e = find(id))
        return static_cast<bool>(e->handler);
    for (const auto& [menu, menuHandler] : m_menuHandlers)
        if (platform::equalsNoCase(menu->id, id))
            return static_cast<bool>(menuHandler);
    return false;
}

void Toolbar::click(std::string_view id) { m_tools.userClick(id); }

void Toolbar::dispatch(const std::string& id)
{
    Entry* e = find(id);
    if (!e || !e->handler)
        return;
    if (e->definition->twoState)
        e->tool->setState(e->tool->state() != 0 ? 0 : 1);
    // A handler may replace itself (or the tool's handler) while it runs: keep a copy alive.
    const Handler handler = e->handler;
    runGuarded(handler);
}

void Toolbar::menuOpened(std::string_view menuId)
{
    for (const auto& [menu, handler] : m_menuHandlers) {
        if (platform::equalsNoCase(menu->id, menuId)) {
            const Handler copy = handler;
            if (copy)
                runGuarded(copy);
            return;
        }
    }
}

void Toolbar::runGuarded(const Handler& handler)
{
    try {
        handler();
    } catch (const std::exception&) {
        // A failing command ends where it failed; the program and the other commands go on.
    }
}

void registerToggleSettings(Toolbar& toolbar, platform::Settings& settings)
{
    struct Toggle {
        std::string_view id;
        const char* key;
        bool signPosition;
    };
    static constexpr Toggle kToggles[] = {
        {toolMultiple, key::multButState, false},
        {toolCertAfter, key::certAfter, true},
        {toolEditAfter, key::editAfter, true},
        {toolViewAfter, key::viewAfter, true},
    };
    for (const Toggle& toggle : kToggles) {
        toolbar.setHandler(toggle.id, [&toolbar, &settings, toggle] {
            const int state = toolbar.state(toggle.id);
            saveSetting(settings, toggle.key, toggle.signPosition ? platform::numberText(state) : platform::plainText(state));
        });
    }
}

void applyToolStates(Toolbar& toolbar, const std::vector<ToolState>& states)
{
    for (const ToolState& s : states)
        toolbar.setState(s.toolId, s.state);
}

void arrangeAll(platform::WindowHost& host, const platform::Window& flash)
{
    // Copy: activating and moving windows must not disturb the walk.
    const std::vector<platform::Window*> open = host.loadedWindows();
    for (platform::Window* window : open) {
        if (platform::equalsNoCase(window->name(), "main")) {
            window->move(0, 0, flash.width(), host.workArea().height);
            host.activate(*window);
        }
    }
    for (platform::Window* window : open) {
        if (window == &flash || platform::equalsNoCase(window->name(), "flash") ||
            platform::equalsNoCase(window->name(), "main"))
            continue;
        core::positionForm(*window, flash, host);
    }
}

void registerWindowCommands(Toolbar& toolbar, platform::WindowHost& host, AboutBox& about,
                            const platform::Window& flash, std::function<void()> exitProgram)
{
    toolbar.setHandler("ID_About", [&host, &about] { host.runModal(about); });
    toolbar.setHandler("ID_ArrangeAll", [&host, &flash] { arrangeAll(host, flash); });
    toolbar.setHandler("ID_Exit", std::move(exitProgram));
}

} // namespace corvalet::shell
