#include "gui/ToolboxView.h"

#include "QtTestApp.h"
#include "core/TestFiles.h"
#include "gui/GridView.h"
#include "gui/QtWindowHost.h"

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTest>

using namespace corvalet;

TEST(ToolboxViewTest, ChoosingCodesRedrawsTheByteGridAsCodes)
{
    qtTestApp();
    core::test::ScratchDir dir;
    QMainWindow main;
    auto* mdi = new QMdiArea;
    main.setCentralWidget(mdi);
    main.resize(900, 700);
    main.show();
    gui::QtWindowHost host{mdi};

    core::AppState state;
    platform::ScriptedDialogs dialogs;
    platform::NullPointerDisplay pointer;
    state.currentLASFile = dir.file("well.las");
    core::test::writeFile(state.currentLASFile, "A\tB\nC\r\n");
    reports::Toolbox tools(state, dialogs, pointer);
    gui::registerToolboxView(host, tools);
    host.show(tools);

    auto* view = host.frameOf(tools)->findChild<gui::ToolboxView*>();
    ASSERT_NE(view, nullptr);
    gui::GridTableModel* model = view->grid()->gridModel();
    const QModelIndex tab = model->index(model->viewRow(0), model->viewCol(1));
    const QModelIndex lineFeed = model->index(model->viewRow(0), model->viewCol(3));
    EXPECT_EQ(model->data(tab, Qt::DisplayRole).toString(), QStringLiteral("009"));
    EXPECT_EQ(model->data(lineFeed, Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(model->data(model->index(model->viewRow(0), model->viewCol(0)), Qt::DisplayRole).toString(),
              QStringLiteral("A"));

    QTest::mouseClick(view->displayOption(1), Qt::LeftButton);
    EXPECT_EQ(tools.taOpt().value(), 1);
    EXPECT_EQ(model->data(model->index(model->viewRow(0), model->viewCol(0)), Qt::DisplayRole).toString(),
              QStringLiteral("065"));

    host.unload(tools);
    EXPECT_FALSE(state.toolsOpen);
    host.unregisterView(tools);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
