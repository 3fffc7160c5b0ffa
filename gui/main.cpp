// Corvalet: with no arguments the desktop program; arguments ask for a command-line job, which
// must run without a display, so Qt is not started for them.
#include "gui/AboutView.h"
#include "gui/BindingSupport.h"
#include "gui/MainWindow.h"
#include "gui/QtDialogs.h"
#include "gui/QtServices.h"
#include "gui/QtWindowHost.h"
#include "gui/SplashView.h"
#include "platform/ProgramFolders.h"
#include "platform/Settings.h"
#include "platform/Text.h"
#include "shell/About.h"
#include "shell/App.h"
#include "shell/CommandTable.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace corvalet;

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const bool blanksOnly = std::all_of(arguments.begin(), arguments.end(),
                                        [](const std::string& a) { return platform::trimBlanks(a).empty(); });
    if (!blanksOnly) {
        std::fputs("usage: corvalet (no arguments: start the desktop program; command-line jobs are not "
                   "available in this version)\n",
                   stderr);
        return 2;
    }

    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvalet"));

    platform::IniSettings settings;
    gui::QtDialogs dialogs;
    gui::QtEventPump pump;
    gui::QtClipboard clipboard;
    gui::QtPointerDisplay pointer;
    shell::Toolbar toolbar;
    gui::MainWindow window(toolbar);
    gui::QtPrinter printer(&window);

    shell::Services services{settings, dialogs, platform::ProgramFolders::fromEnvironment(CORVALET_SOURCE_DATA)};
    services.host = &window.host();
    services.eventPump = &pump;
    services.clipboard = &clipboard;
    services.printer = &printer;
    services.pointer = &pointer;
    services.programFile = gui::fromQt(QCoreApplication::applicationFilePath());
    shell::App app(std::move(services));

    const shell::StartupResult start = app.start(arguments);
    if (start.mode == shell::StartMode::Failed)
        return start.exitStatus;
    window.setWindowTitle(gui::toQt(start.caption));
    shell::applyToolStates(toolbar, app.toolStates());

    shell::SplashPanel flash(app.state(), window.host(), pump, &gui::SplashView::suppliedFamily);
    // Declining the licence ends the program there and then; settings are saved as they change,
    // so nothing is lost.
    shell::AboutBox about(app.state(), window.host(), app.folders().dataFolder(), pump, [] { std::_Exit(0); });
    gui::AboutView::registerWith(window.host(), about);
    shell::registerToggleSettings(toolbar, settings);
    shell::registerWindowCommands(toolbar, window.host(), about, flash, [&window] { window.close(); });
    window.setCloseHandler([&app] { app.shutdown(); });

    if (start.windowState == platform::WindowState::Minimized) {
        window.showMinimized();
    } else {
        window.showMaximized();
        if (start.showSplash)
            window.showSplash(flash);
    }
    return QApplication::exec();
}
