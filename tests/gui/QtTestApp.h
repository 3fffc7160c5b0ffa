#pragma once
// One QApplication for the whole test program, made on first use (the tests run offscreen). It
// is never destroyed: tearing it down among the exit-time destructors of Qt's own statics
// crashes, and the process ends right after anyway.
#include <QApplication>

inline QApplication& qtTestApp()
{
    static int argc = 1;
    static char name[] = "corvalet_gui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
