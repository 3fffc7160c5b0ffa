// Corvalet: with no arguments the desktop program; arguments ask for a command-line job, which
// must run without a display, so Qt is not started for them.
#include "gui/MainWindow.h"

#include <QApplication>

#include <cstdio>

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
    corvalet::gui::MainWindow window;
    window.showMaximized();
    return QApplication::exec();
}
