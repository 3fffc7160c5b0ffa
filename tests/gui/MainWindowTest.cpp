#include "gui/MainWindow.h"

#include "QtTestApp.h"

#include <QMdiArea>
#include <QMenuBar>
#include <QToolBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <sys/wait.h>

using corvalet::gui::MainWindow;

TEST(MainWindowView, ShowsTheEmptyWorkbench)
{
    qtTestApp();
    MainWindow window;
    window.showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.objectName(), QStringLiteral("mdi"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Corvalet"));
    auto* area = qobject_cast<QMdiArea*>(window.centralWidget());
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area, window.mdiArea());
    EXPECT_TRUE(area->subWindowList().isEmpty());
    EXPECT_TRUE(window.menuBar()->actions().isEmpty());
    ASSERT_NE(window.toolBar(), nullptr);
    EXPECT_TRUE(window.toolBar()->actions().isEmpty());
    EXPECT_TRUE(window.isMaximized() || window.windowState().testFlag(Qt::WindowMaximized));
}

TEST(MainProgram, WithArgumentsPrintsUsageAndFailsWithoutStartingQt)
{
    // Qt is not started: no display platform is named, so a QApplication would abort on one
    // without a display; the program must still answer.
    const std::string program = CORVALET_PROGRAM;
    const std::string command = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=none \"" +
                                program + "\" File1=x.las 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 0);
    EXPECT_EQ(output.rfind("usage: corvalet", 0), 0u) << output;
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1);
}
