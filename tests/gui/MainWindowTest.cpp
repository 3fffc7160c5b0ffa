#include "gui/AboutView.h"
#include "gui/MainWindow.h"
#include "gui/MainWindowSetup.h"
#include "gui/GridView.h"
#include "gui/PreferencesView.h"
#include "gui/ToolboxView.h"
#include "gui/QtWindowHost.h"
#include "gui/SplashView.h"
#include "platform/EventPump.h"
#include "platform/Settings.h"
#include "shell/About.h"
#include "shell/CommandTable.h"

#include "QtTestApp.h"
#include "WhenModalShows.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

using namespace corvalet;
using corvalet::gui::MainWindow;

namespace {

// The texts of a list of actions joined by "|", a separator as "-".
QString textsOf(const QList<QAction*>& actions)
{
    QStringList texts;
    for (QAction* a : actions)
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts.join('|');
}

// The desktop program as main() puts it together, on an in-memory settings store and a scratch
// per-user folder, started as an interactive run.
struct Workbench {
    std::filesystem::path userFolder;
    platform::MemorySettings settings;
    platform::QuietDialogs dialogs;
    platform::NullEventPump pump;
    int declined = 0;
    gui::Desktop desktop;
    shell::StartupResult started;
    MainWindow& window;
    shell::Toolbar& toolbar;

    Workbench()
        : userFolder(std::filesystem::temp_directory_path() /
                     ("corvalet_mainwindow_" +
                      std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()))),
          desktop(services(), [this] { ++declined; }), window(desktop.window()), toolbar(desktop.toolbar())
    {
        started = desktop.start({});
    }
    ~Workbench() { std::filesystem::remove_all(userFolder); }

    shell::Services services()
    {
        std::filesystem::remove_all(userFolder);
        shell::Services s{settings, dialogs,
                          platform::ProgramFolders(std::filesystem::path(CORVALET_SOURCE_DIR) / "data", userFolder)};
        s.eventPump = &pump;
        return s;
    }
};
} // namespace

TEST(MainWindowView, MenusAndButtonBarComeFromTheCommandTable)
{
    qtTestApp();
    Workbench bench;
    MainWindow& window = bench.window;
    EXPECT_EQ(window.objectName(), QStringLiteral("mdi"));
    ASSERT_EQ(bench.started.mode, shell::StartMode::Interactive);
    EXPECT_EQ(window.windowTitle(), QString::fromStdString(bench.started.caption));
    EXPECT_TRUE(window.windowTitle().startsWith(QStringLiteral("Corvalet - ")));
    ASSERT_EQ(qobject_cast<QMdiArea*>(window.centralWidget()), window.mdiArea());

    QStringList menuCaptions;
    for (QAction* a : window.menuBar()->actions())
        menuCaptions << a->text();
    EXPECT_EQ(menuCaptions.join('|'), QStringLiteral("&File|&Edit|&Tools|&Options|&Windows|&Help"));
    // Each menu holds the items of its table entry, in order, with their access keys.
    for (QAction* menuAction : window.menuBar()->actions()) {
        const QMenu* menu = menuAction->menu();
        ASSERT_NE(menu, nullptr);
        const shell::MenuDefinition* def = shell::findMenuDefinition(menu->objectName().toStdString());
        ASSERT_NE(def, nullptr) << menu->objectName().toStdString();
        QStringList expected;
        for (std::string_view id : def->items)
            expected << (id.empty() ? QStringLiteral("-")
                                    : QString::fromStdString(std::string(shell::findToolDefinition(id)->caption)));
        EXPECT_EQ(textsOf(menu->actions()), expected.join('|')) << def->id;
    }
    EXPECT_EQ(textsOf(window.toolBar()->actions()),
              QStringLiteral("&Open LAS|Open &Many LAS|&Process!|-|Manipulate/Combine|-|Edit LAS|-|Properties Listings|"
                             "&Vettrix|T&oolbox|-|Curve &Library|-|&Certify After Process|&Edit After Process|"
                             "&View After Process|-|Process!"));
    EXPECT_EQ(window.toolBar()->windowTitle(), QStringLiteral("Corvalet Tools"));

    // Tips, status texts and toggles.
    QAction* open = window.action("ID_OPEN");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->toolTip(), QStringLiteral("Open LAS File"));
    EXPECT_EQ(open->statusTip(), QStringLiteral("Opens an existing document."));
    EXPECT_EQ(window.action("ID_OpenMany")->statusTip(), QStringLiteral("Select Multiple LAS"));
    for (const char* id : {"ID_certAfter", "ID_EditAfter", "ID_ViewAfter", "ID_Multiple"})
        EXPECT_TRUE(window.action(id)->isCheckable()) << id;
    EXPECT_FALSE(window.action("ID_About")->isCheckable());
}

TEST(MainWindowView, ActionsFollowTheToolbarModel)
{
    qtTestApp();
    Workbench bench;
    MainWindow& window = bench.window;
    // Commands without a window behind them are grey; the wired ones are not.
    for (const char* id : {"ID_Open", "ID_Save", "ID_Process", "ID_MMM", "ID_Cut", "ID_Wizard", "ID_Help"})
        EXPECT_FALSE(window.action(id)->isEnabled()) << id;
    for (const char* id : {"ID_About", "ID_Exit", "ID_ArrangeAll", "ID_certAfter", "ID_ViewAfter", "ID_OpenMany",
                           "ID_Preferences", "ID_Toolbox", "ID_CurveLibrary"})
        EXPECT_TRUE(window.action(id)->isEnabled()) << id;

    // The toggles start as the settings say (an empty store: the after-processing edit and
    // check on, the viewer off).
    EXPECT_TRUE(window.action("ID_certAfter")->isChecked());
    EXPECT_TRUE(window.action("ID_EditAfter")->isChecked());
    EXPECT_FALSE(window.action("ID_ViewAfter")->isChecked());

    // A window enabling a tool, greying it, or setting a toggle shows at once.
    bench.toolbar.setHandler("ID_Process", [] {});
    EXPECT_TRUE(window.action("ID_Process")->isEnabled());
    bench.toolbar.setEnabled("ID_PROCESS", false);
    EXPECT_FALSE(window.action("ID_Process")->isEnabled());
    bench.toolbar.setState("ID_EditAfter", 0);
    EXPECT_FALSE(window.action("ID_EditAfter")->isChecked());

    // The user's click on a toggle goes through the model and is remembered.
    window.action("ID_ViewAfter")->trigger();
    EXPECT_EQ(bench.toolbar.state("ID_ViewAfter"), 1);
    EXPECT_TRUE(window.action("ID_ViewAfter")->isChecked());
    EXPECT_EQ(bench.settings.getSetting("Corvalet", "Startup", "viewafter"), " 1");

    // Opening a menu runs its handler first.
    int opened = 0;
    bench.toolbar.setHandler("ID_Editmn", [&] { ++opened; });
    QMenu* edit = window.menuBar()->actions().at(1)->menu();
    QMetaObject::invokeMethod(edit, "aboutToShow");
    EXPECT_EQ(opened, 1);

    // Exit closes the main window, and the exit clean-up removes the check results.
    window.show();
    const std::filesystem::path results = bench.desktop.app().folders().userFolder() / "well.cer";
    std::ofstream(results) << "Failed: x\n";
    window.action("ID_Exit")->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(std::filesystem::exists(results));
}

TEST(AboutViewTest, ShowsTheLicenceAndAcceptCloses)
{
    qtTestApp();
    Workbench bench;
    bench.window.show();
    QString shownText, title, caption;
    bool sawButtons = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        auto* text = dialog->findChild<QPlainTextEdit*>(QStringLiteral("introText"));
        ASSERT_NE(text, nullptr);
        shownText = text->toPlainText();
        EXPECT_TRUE(text->isReadOnly());
        caption = dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text();
        auto* accept = dialog->findChild<QPushButton*>(QStringLiteral("but"));
        auto* decline = dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
        ASSERT_TRUE(accept && decline);
        sawButtons = accept->text() == "Accept" && decline->text() == "Do Not Accept";
        accept->click();
    });
    bench.window.action("ID_About")->trigger(); // returns once the About box is gone
    EXPECT_EQ(title, QStringLiteral("About Corvalet"));
    EXPECT_EQ(caption, QString::fromStdString("Corvalet " + shell::versionNumbers()));
    EXPECT_TRUE(sawButtons);
    EXPECT_EQ(shownText, QString::fromStdString(shell::licenceText(std::filesystem::path(CORVALET_SOURCE_DIR) / "data")));
    EXPECT_TRUE(shownText.startsWith(QStringLiteral("Corvalet Licence Agreement")));
    EXPECT_FALSE(bench.desktop.about().loaded());
    EXPECT_EQ(bench.declined, 0);

    // Do Not Accept asks the program to end.
    QTimer::singleShot(0, [] {
        auto* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        // The test's stand-in for ending the program does not close the box: Accept does.
        dialog->findChild<QPushButton*>(QStringLiteral("but"))->click();
    });
    bench.window.action("ID_About")->trigger();
    EXPECT_EQ(bench.declined, 1);
}

TEST(MainWindowView, MaximisedWithTheSplashAtTheLeftAndAScreenshot)
{
    qtTestApp();
    Workbench bench;
    MainWindow& window = bench.window;
    ASSERT_TRUE(bench.started.showSplash);
    bench.desktop.show(bench.started);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();

    auto* frame = qobject_cast<QMdiSubWindow*>(window.host().frameOf(bench.desktop.flash()));
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(frame->geometry().topLeft(), QPoint(0, 0));
    EXPECT_NEAR(frame->geometry().height(), window.mdiArea()->viewport()->height(), 1);
    EXPECT_GT(frame->geometry().width(), gui::SplashView::kPictureSide);
    const auto* version = frame->findChild<QLabel*>(QStringLiteral("verLab"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QString::fromStdString("Version " + shell::versionNumbers()));
    EXPECT_FALSE(bench.desktop.app().state().fixedFontName.empty());
    EXPECT_FALSE(bench.desktop.app().state().uiFontName.empty());

    // The panel follows the working area.
    window.showNormal();
    window.resize(700, 500);
    QApplication::processEvents();
    EXPECT_NEAR(frame->geometry().height(), window.mdiArea()->viewport()->height(), 1);
    window.showMaximized();
    QApplication::processEvents();

    const char* folder = std::getenv("CORVALET_SCREENSHOT_DIR");
    const QString dir = folder ? QString::fromLocal8Bit(folder) : QDir::currentPath() + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    const QString path = dir + QStringLiteral("/main-window.png");
    const QPixmap shot = window.grab();
    ASSERT_FALSE(shot.isNull());
    ASSERT_TRUE(shot.save(path, "PNG"));
    std::printf("main window screenshot: %s\n", qPrintable(path));
    EXPECT_TRUE(std::filesystem::file_size(path.toStdString()) > 0);
}

TEST(MainWindowView, ABlankCommandLineStartsMinimisedWithoutTheSplash)
{
    qtTestApp();
    Workbench bench;
    const shell::StartupResult blank = bench.desktop.start({"  "});
    ASSERT_EQ(blank.mode, shell::StartMode::InteractiveMinimized);
    bench.desktop.show(blank);
    QApplication::processEvents();
    EXPECT_TRUE(bench.window.isMinimized() || bench.window.windowState().testFlag(Qt::WindowMinimized));
    EXPECT_EQ(bench.window.host().frameOf(bench.desktop.flash()), nullptr);
    EXPECT_FALSE(bench.desktop.flash().loaded());
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

TEST(MainWindowView, PreferencesCommandShowsThePreferencesWindowModally)
{
    qtTestApp();
    Workbench bench;
    QString caption;
    bool sawGrid = false;
    whenModalShows<QDialog>([&](QDialog* dialog) {
        caption = dialog->windowTitle();
        auto* view = dialog->findChild<gui::PreferencesView*>();
        sawGrid = view != nullptr && view->grid()->grid().rows() == 22;
        if (view)
            QTest::mouseClick(view->button(1), Qt::LeftButton); // "&Cancel"
        else
            dialog->reject();
    });
    ModalWatchdog watchdog;
    bench.window.action("ID_Preferences")->trigger(); // returns once the window is gone
    EXPECT_EQ(caption, QStringLiteral("Preferences"));
    EXPECT_TRUE(sawGrid);
}

TEST(MainWindowView, ToolboxCommandOpensTheToolboxInTheWorkingArea)
{
    qtTestApp();
    Workbench bench;
    bench.window.show();
    bench.window.action("ID_Toolbox")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(bench.desktop.app().state().toolsOpen);
    auto* view = bench.window.mdiArea()->findChild<gui::ToolboxView*>();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
}

TEST(MainWindowView, CurveLibraryCommandOpensTheLibraryEditorAgainAfterItCloses)
{
    qtTestApp();
    Workbench bench;
    bench.window.show();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        bench.window.action("ID_CurveLibrary")->trigger();
        QApplication::processEvents();
        EXPECT_TRUE(bench.desktop.app().state().curvLibOpen);
        ASSERT_NE(bench.window.host().frameOf(bench.desktop.libraryEditor()), nullptr);
        EXPECT_TRUE(bench.window.host().unload(bench.desktop.libraryEditor()));
        QApplication::processEvents();
        EXPECT_FALSE(bench.desktop.app().state().curvLibOpen);
    }
}
