#include "gui/LibraryEditorView.h"

#include "gui/GridView.h"

#include "QtTestApp.h"
#include "functions/Library.h"
#include "gui/QtWindowHost.h"
#include "platform/Dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace corvalet;

namespace {

// A library editor with one curve group (GR), shown in an MDI area.
struct ShownLibraryEditor {
    QMainWindow main;
    QMdiArea* mdi = new QMdiArea;
    gui::QtWindowHost host{mdi};
    core::AppState state;
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<functions::LibraryEditor> editor;

    ShownLibraryEditor()
    {
        main.setCentralWidget(mdi);
        main.show();
        core::initGlobals(state);
        functions::parseCurveLibrary("[GR|1|GAPI|API]\r\nGR. :Gamma Ray\r\n", state.curveGroups, state.curveLibrary);
        editor = std::make_unique<functions::LibraryEditor>(state, dialogs, &host);
        gui::LibraryEditorView::registerWith(host, *editor);
        host.show(*editor);
    }
    // Closes without saving (No to the close question) and releases the window.
    void closeWithoutSaving()
    {
        dialogs.answerMsg(platform::MsgResult::No);
        EXPECT_TRUE(host.unload(*editor));
        host.unregisterView(*editor);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        editor.reset();
    }
};

} // namespace

TEST(LibraryEditorViewTest, AddButtonAddsACurveGroupRowToTheTable)
{
    qtTestApp();
    ShownLibraryEditor shown;
    QWidget* frame = shown.host.frameOf(*shown.editor);
    ASSERT_NE(frame, nullptr);
    auto* add = frame->findChild<QPushButton*>(QStringLiteral("but_0"));
    ASSERT_NE(add, nullptr);
    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(shown.state.curveGroups.rowUpper(), 2);
    EXPECT_EQ(shown.editor->lrd.rows(), 4);
    shown.closeWithoutSaving();
    EXPECT_FALSE(shown.state.curvLibOpen);
}

TEST(LibraryEditorViewTest, ADoubleClickedGroupCellIsEditedThroughTheGrid)
{
    qtTestApp();
    ShownLibraryEditor shown;
    auto* grid = shown.host.frameOf(*shown.editor)->findChild<gui::GridView*>(QStringLiteral("lrd"));
    ASSERT_NE(grid, nullptr);
    gui::GridTableModel* model = grid->gridModel();
    const QModelIndex cell = model->index(model->viewRow(2), model->viewCol(0));
    ASSERT_TRUE(cell.isValid());
    const QPoint at = grid->visualRect(cell).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QApplication::processEvents();
    auto* line = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(line, nullptr) << "a double click opens the cell editor";
    line->selectAll();
    QTest::keyClicks(line, "GAMMA");
    QTest::keyClick(line, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(shown.editor->lrd.text(2, 0), "GAMMA");
    EXPECT_EQ(shown.state.curveGroups(0, 1), "GAMMA") << "the edit reaches the library table";
    shown.closeWithoutSaving();
}
