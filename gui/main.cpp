// Corvalet: with no arguments the desktop program; arguments ask for a command-line job, which
// must run without a display, so Qt is not started for them.
#include "gui/AboutView.h"
#include "gui/MainWindow.h"
#include "gui/QtServices.h"
#include "gui/QtWindowHost.h"
#include "gui/SplashView.h"
#include "platform/ProgramFolders.h"
#include "platform/Settings.h"
#include "shell/About.h"
#include "shell/CommandTable.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

using namespace corvalet;

int main(int argc, char** argv)
{
    if (argc > 1) {
        std::fputs("usage: corvalet (no arguments: start the desktop program; command-line jobs are not "
                   "available in this version)\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvalet"));

    const platform::ProgramFolders folders = platform::ProgramFolders::fromEnvironment(CORVALET_SOURCE_DATA);
    platform::IniSettings settings;
    core::AppState state;
    gui::QtEventPump pump;
    shell::Toolbar toolbar;
    gui::MainWindow window(toolbar);

    shell::SplashPanel flash(state, window.host(), pump, &gui::SplashView::suppliedFamily);
    // Declining the licence ends the program there and then; settings are saved as they change,
    // so nothing is lost.
    shell::AboutBox about(state, window.host(), folders.dataFolder(), pump, [] { std::_Exit(0); });
    gui::AboutView::registerWith(window.host(), about);
    shell::registerToggleSettings(toolbar, settings);
    shell::registerWindowCommands(toolbar, window.host(), about, flash, [&window] { window.close(); });

    window.showMaximized();
    window.showSplash(flash);
    return QApplication::exec();
}
