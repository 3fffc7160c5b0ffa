// Corvalet: with no arguments the desktop program; arguments ask for a command-line job, which
// must run without a display, so Qt is not started for them.
#include "gui/BindingSupport.h"
#include "gui/MainWindowSetup.h"
#include "gui/QtDialogs.h"
#include "gui/QtServices.h"
#include "platform/ProgramFolders.h"
#include "platform/Settings.h"
#include "platform/Text.h"
#include "shell/App.h"

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
    gui::QtPrinter printer;

    shell::Services services{settings, dialogs, platform::ProgramFolders::fromEnvironment(CORVALET_SOURCE_DATA)};
    services.eventPump = &pump;
    services.clipboard = &clipboard;
    services.printer = &printer;
    services.pointer = &pointer;
    services.programFile = gui::fromQt(QCoreApplication::applicationFilePath());
    // Declining the licence ends the program there and then; settings are saved as they change,
    // so nothing is lost.
    gui::Desktop desktop(std::move(services), [] { std::_Exit(0); });

    const shell::StartupResult start = desktop.start(arguments);
    if (start.mode == shell::StartMode::Failed)
        return start.exitStatus;
    desktop.show(start);
    return QApplication::exec();
}
