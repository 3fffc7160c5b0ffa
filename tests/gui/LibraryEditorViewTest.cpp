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

using namespace corvalet;

TEST(LibraryEditorViewTest, AddButtonAddsACurveGroupRowToTheTable)
{
    qtTestApp();
    QMainWindow main;
    auto* mdi = new QMdiArea;
    main.setCentralWidget(mdi);
    main.show();
    gui::QtWindowHost host(mdi);
    core::AppState state;
    core::initGlobals(state);
    functions::parseCurveLibrary("[GR|1|GAPI|API]\r\nGR. :Gamma Ray\r\n", state.curveGroups, state.curveLibrary);
    platform::ScriptedDialogs dialogs;
    {
        functions::LibraryEditor editor(state, dialogs, &host);
        gui::LibraryEditorView::registerWith(host, editor);
        host.show(editor);
        QWidget* frame = host.frameOf(editor);
        ASSERT_NE(frame, nullptr);
        auto* add = frame->findChild<QPushButton*>(QStringLiteral("but_0"));
        ASSERT_NE(add, nullptr);
        QTest::mouseClick(add, Qt::LeftButton);
        EXPECT_EQ(state.curveGroups.rowUpper(), 2);
        EXPECT_EQ(editor.lrd.rows(), 4);
        dialogs.answerMsg(platform::MsgResult::No); // the close question: drop the edit
        EXPECT_TRUE(host.unload(editor));
        host.unregisterView(editor);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_FALSE(state.curvLibOpen);
}

TEST(LibraryEditorViewTest, ADoubleClickedGroupCellIsEditedThroughTheGrid)
{
    qtTestApp();
    QMainWindow main;
    auto* mdi = new QMdiArea;
    main.setCentralWidget(mdi);
    main.show();
    gui::QtWindowHost host(mdi);
    core::AppState state;
    core::initGlobals(state);
    functions::parseCurveLibrary("[GR|1|GAPI|API]\r\nGR. :Gamma Ray\r\n", state.curveGroups, state.curveLibrary);
    platform::ScriptedDialogs dialogs;
    functions::LibraryEditor editor(state, dialogs, &host);
    gui::LibraryEditorView::registerWith(host, editor);
    host.show(editor);
    auto* grid = host.frameOf(editor)->findChild<gui::GridView*>(QStringLiteral("lrd"));
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
    EXPECT_EQ(editor.lrd.text(2, 0), "GAMMA");
    EXPECT_EQ(state.curveGroups(0, 1), "GAMMA") << "the edit reaches the library table";
    dialogs.answerMsg(platform::MsgResult::No);
    EXPECT_TRUE(host.unload(editor));
    host.unregisterView(editor);
}
