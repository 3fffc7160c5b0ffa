#pragma once
// The desktop program put together: the start-up model, the main window with its menus and
// button bar, the splash panel and the About box, and the commands that need nothing more.
#include "gui/MainWindow.h"
#include "platform/BusyPointer.h"
#include "platform/EventPump.h"
#include "functions/LibraryEditor.h"
#include "reports/Toolbox.h"
#include "shell/About.h"
#include "shell/App.h"
#include "shell/CommandTable.h"
#include "shell/FileBrowser.h"

#include <functional>
#include <string>
#include <vector>

namespace corvalet::gui {

class Desktop {
public:
    // The window host of `services` is the main window's; `endProgram` ends the program at once
    // (the About box's "Do Not Accept").
    Desktop(shell::Services services, std::function<void()> endProgram);
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // The start-up of the main window's load; unless it failed, the caption and the toolbar
    // toggles it read go onto the window.
    shell::StartupResult start(const std::vector<std::string>& arguments);
    // Shows the main window as start-up asked: maximised with the splash, or minimised.
    void show(const shell::StartupResult& result);

    [[nodiscard]] shell::Toolbar& toolbar() { return m_toolbar; }
    [[nodiscard]] MainWindow& window() { return m_window; }
    [[nodiscard]] shell::App& app() { return m_app; }
    [[nodiscard]] shell::SplashPanel& flash() { return m_flash; }
    [[nodiscard]] shell::AboutBox& about() { return m_about; }
    [[nodiscard]] shell::FileBrowser& browser() { return m_browser; }
    [[nodiscard]] reports::Toolbox& toolbox() { return m_tools; }
    [[nodiscard]] functions::LibraryEditor& libraryEditor() { return m_library; }

private:
    static shell::Services withHost(shell::Services services, MainWindow& window);

    platform::NullEventPump m_noPump;
    shell::Toolbar m_toolbar;
    MainWindow m_window;
    shell::App m_app;
    shell::SplashPanel m_flash;
    shell::AboutBox m_about;
    shell::FileBrowser m_browser;
    platform::NullPointerDisplay m_noPointer;
    reports::Toolbox m_tools;
    functions::LibraryEditor m_library;
};

} // namespace corvalet::gui
