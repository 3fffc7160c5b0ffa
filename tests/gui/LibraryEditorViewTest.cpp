#include "gui/LibraryEditorView.h"

#include "QtTestApp.h"
#include "functions/Library.h"
#include "gui/QtWindowHost.h"
#include "platform/Dialogs.h"

#include <gtest/gtest.h>

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
