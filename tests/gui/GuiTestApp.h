#pragma once
// One QApplication for the whole gui test program, made on first use.
#include <QApplication>

namespace corvalet::guitest {

inline QApplication& guiTestApp()
{
    static int argc = 1;
    static char name[] = "corvalet_gui_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
    return *qobject_cast<QApplication*>(QApplication::instance());
}

} // namespace corvalet::guitest
