#include "gui/PreferencesView.h"

#include "WhenModalShows.h"
#include "gui/GridView.h"
#include "gui/QtWindowHost.h"
#include "shell/App.h"
#include "shell/ShellFixture.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace corvalet;
using shell::test::stored;
namespace row = shell::prefsRow;

namespace {

// A started program with its main window and window host; the settings start empty.
struct Program {
    QApplication& qt = qtTestApp();
    QMainWindow main;
    QMdiArea* mdi = new QMdiArea;
    gui::QtWindowHost host{mdi};
    shell::test::Installation install;
    platform::MemorySettings settings;
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<shell::App> app;

    Program()
    {
        main.setCentralWidget(mdi);
        main.resize(900, 700);
        main.show();
        install.shipDefaults();
        app = std::make_unique<shell::App>(install.services(settings, dialogs, &host));
        app->start({});
    }
};

} // namespace

TEST(PreferencesViewTest, ATypedValueAndACountryDoubleClickAreStoredByExit)
{
    Program program;
    auto& settings = program.settings;
    auto& host = program.host;
    shell::App& app = *program.app;

    QPointer<gui::PreferencesView> shown;
    std::string widthCell, slownessLabel;
    whenModalShows<QDialog>([&](QDialog* dialog) {
        shown = dialog->findChild<gui::PreferencesView*>();
        ASSERT_TRUE(shown);
        gui::GridView* grid = shown->grid();
        gui::GridTableModel* model = grid->gridModel();

        // A double click on the country switches it and the slowness rows follow (the
        // refill would drop unsaved edits, so it comes first).
        const QModelIndex country = model->index(model->viewRow(row::country), model->viewCol(1));
        const QPoint at = grid->visualRect(country).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        slownessLabel = grid->grid().text(row::sandSlowness, 0);

        // Type into "Data Column Width": the letter is refused by the row's key filter.
        const QModelIndex width = model->index(model->viewRow(row::dataWidth), model->viewCol(1));
        grid->setCurrentIndex(width);
        grid->edit(width);
        auto* line = grid->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(line, nullptr);
        line->selectAll();
        QTest::keyClicks(line, "1x2");
        QTest::keyClick(line, Qt::Key_Return);
        QApplication::processEvents(); // the view commits an editor from its event queue
        widthCell = grid->grid().text(row::dataWidth, 1);

        QTest::mouseClick(shown->button(0), Qt::LeftButton);
    });
    ModalWatchdog watchdog;
    gui::runPreferences(app, host);

    EXPECT_EQ(widthCell, "12");
    EXPECT_EQ(slownessLabel, "Sand Slowness us/m");
    EXPECT_EQ(stored(settings, "formatdef"), " 6| 15| 60| 50| 12| 5");
    EXPECT_EQ(stored(settings, "country"), "Canada");
    EXPECT_EQ(app.state().dataWidth, 12);
    EXPECT_FALSE(shown); // the view went with its window
}

TEST(PreferencesViewTest, EscOnTheGridClosesTheWindowWithoutStoring)
{
    Program program;
    auto& settings = program.settings;
    auto& host = program.host;
    shell::App& app = *program.app;
    shell::Preferences prefs(app);

    whenModalShows<QDialog>([&](QDialog* dialog) {
        auto* view = dialog->findChild<gui::PreferencesView*>();
        ASSERT_NE(view, nullptr);
        view->grid()->grid().setText(row::dataWidth, 1, "20");
        view->grid()->setFocus();
        QTest::keyClick(view->grid(), Qt::Key_Escape);
    });
    ModalWatchdog watchdog;
    gui::runPreferences(prefs, host);

    EXPECT_FALSE(prefs.loaded());
    EXPECT_EQ(stored(settings, "formatdef"), "<missing>");
    EXPECT_EQ(app.state().dataWidth, 13);
    host.unregisterView(prefs);
}
