#include "gui/MainWindowSetup.h"

#include "gui/AboutView.h"
#include "gui/BindingSupport.h"
#include "gui/FileBrowserView.h"
#include "gui/PreferencesView.h"
#include "gui/QtWindowHost.h"
#include "gui/SplashView.h"

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
      m_browser(m_app, m_toolbar, m_flash)
{
    AboutView::registerWith(m_window.host(), m_about);
    FileBrowserView::registerWith(m_window.host(), m_browser);
    shell::registerBrowserCommand(m_toolbar, m_window.host(), m_browser);
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
