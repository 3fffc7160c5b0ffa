#include "gui/MainWindowSetup.h"

#include "gui/AboutView.h"
#include "gui/BindingSupport.h"
#include "gui/FileBrowserView.h"
#include "gui/LibraryEditorView.h"
#include "gui/PreferencesView.h"
#include "gui/QtWindowHost.h"
#include "gui/SplashView.h"
#include "platform/ProcessRunner.h"
#include "gui/ToolboxView.h"

namespace corvalet::gui {

shell::Services Desktop::withHost(shell::Services services, MainWindow& window)
{
    services.host = &window.host();
    return services;
}

Desktop::Desktop(shell::Services services, std::function<void()> endProgram)
    : m_window(m_toolbar), m_app(withHost(std::move(services), m_window)),
      m_flash(m_app.state(), m_window.host(), m_app.services().eventPump ? *m_app.services().eventPump : m_noPump,
              &SplashView::suppliedFamily),
      m_about(m_app.state(), m_window.host(), m_app.folders().dataFolder(),
              m_app.services().eventPump ? *m_app.services().eventPump : m_noPump, std::move(endProgram)),
      m_browser(m_app, m_toolbar, m_flash),
      m_tools(m_app.state(), m_app.dialogs(), m_app.services().pointer ? *m_app.services().pointer : m_noPointer,
              m_app.services().eventPump, toolboxHooks(m_app, &m_toolbar, &m_flash)),
      m_library(m_app.state(), m_app.dialogs(), &m_window.host(), m_app.services().eventPump,
                m_app.folders().userFolderPath(), [](const std::string& path) { return platform::shellOpenDoc(path); })
{
    AboutView::registerWith(m_window.host(), m_about);
    FileBrowserView::registerWith(m_window.host(), m_browser);
    shell::registerBrowserCommand(m_toolbar, m_window.host(), m_browser);
    registerToolboxView(m_window.host(), m_tools);
    m_toolbar.setHandler("ID_Toolbox", [this] { m_window.host().show(m_tools); });
    // A file chosen in the browser shows in the open toolbox: its name, and its first page when
    // the byte view is the current tab.
    m_browser.peers().showToolboxFile = [this] {
        m_tools.repLab().setCaption(m_app.state().searchFile);
        if (m_tools.tabb().currentTab() == 0)
            m_tools.showAsciiCodes(0);
    };
    LibraryEditorView::registerWith(m_window.host(), m_library);
    m_toolbar.setHandler("ID_CurveLibrary", [this] { m_window.host().show(m_library); });
    m_toolbar.setHandler("ID_Preferences", [this] { runPreferences(m_app, m_window.host()); });
    shell::registerToggleSettings(m_toolbar, m_app.settings());
    shell::registerWindowCommands(m_toolbar, m_window.host(), m_about, m_flash, [this] { m_window.close(); });
    m_window.setCloseHandler([this] { m_app.shutdown(); });
}

shell::StartupResult Desktop::start(const std::vector<std::string>& arguments)
{
    shell::StartupResult result = m_app.start(arguments);
    if (result.mode != shell::StartMode::Failed) {
        m_window.setWindowTitle(toQt(result.caption));
        shell::applyToolStates(m_toolbar, m_app.toolStates());
    }
    return result;
}

void Desktop::show(const shell::StartupResult& result)
{
    if (result.windowState == platform::WindowState::Minimized) {
        m_window.showMinimized();
        return;
    }
    m_window.showMaximized();
    if (result.showSplash)
        m_window.showSplash(m_flash);
}

} // namespace corvalet::gui
