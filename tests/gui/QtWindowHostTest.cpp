#include "core/WindowHelpers.h"
#include "gui/QtWindowHost.h"

#include "gui/GuiTestApp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

using namespace corvalet;

TEST(QtWindowHostTest, ChildWindowsFollowTheirModels)
{
    guitest::guiTestApp();
    QMainWindow main;
    auto* mdi = new QMdiArea;
    main.setCentralWidget(mdi);
    main.resize(1000, 700);
    main.show();
    gui::QtWindowHost host(mdi);

    platform::Window prefs("prefs", "Preferences"), flash("flash");
    int loads = 0, unloads = 0;
    auto c1 = prefs.load.connect([&] { ++loads; });
    auto c2 = prefs.unload.connect([&] { ++unloads; });
    host.registerView(prefs, [] { return new QLabel("view"); });
    host.show(prefs);
    host.show(prefs);
    ASSERT_EQ(mdi->subWindowList().size(), 1);
    EXPECT_EQ(mdi->subWindowList().first()->windowTitle(), "Preferences");
    EXPECT_EQ(loads, 1);

    flash.move(0, 0, 3000, 0);
    core::positionForm(prefs, flash, host);
    const QWidget* frame = host.frameOf(prefs);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry().x(), 3000 * mdi->logicalDpiX() / 1440);
    EXPECT_EQ(frame->geometry().height(), mdi->viewport()->height());

    prefs.setCaption("Prefs!");
    EXPECT_EQ(frame->windowTitle(), "Prefs!");

    // Closing the child window unloads the model.
    mdi->subWindowList().first()->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(prefs.loaded());
    EXPECT_TRUE(mdi->subWindowList().isEmpty());
}

TEST(QtWindowHostTest, RunModalReturnsWhenTheWindowIsHidden)
{
    guitest::guiTestApp();
    QMainWindow main;
    auto* mdi = new QMdiArea;
    main.setCentralWidget(mdi);
    main.show();
    gui::QtWindowHost host(mdi);
    platform::Window proc("proc", "Processing");
    bool wasModal = false;
    QTimer::singleShot(20, [&] {
        wasModal = proc.isModal() && host.frameOf(proc) && host.frameOf(proc)->isVisible();
        host.hide(proc);
    });
    host.runModal(proc);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(proc.isVisible());
    EXPECT_TRUE(proc.loaded());
    EXPECT_TRUE(host.unload(proc));
}

TEST(QtWindowHostTest, AModalDialogDismissedByItselfUnloadsItsWindow)
{
    guitest::guiTestApp();
    QMainWindow main;
    auto* mdi = new QMdiArea;
    main.setCentralWidget(mdi);
    main.show();
    gui::QtWindowHost host(mdi);
    platform::Window prefs("prefs", "Preferences");
    int unloads = 0;
    auto counted = prefs.unload.connect([&] { ++unloads; });
    QTimer::singleShot(20, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(host.frameOf(prefs)))
            dialog->reject(); // what Esc does in a dialog
    });
    host.runModal(prefs);
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(prefs.loaded());
}
