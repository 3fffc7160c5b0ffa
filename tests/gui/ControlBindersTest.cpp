#include "gui/ControlBinders.h"

#include "gui/GuiTestApp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>

using namespace corvalet;

namespace {


struct Count {
    int n = 0;
    platform::Connection c;
    explicit Count(platform::Signal<>& s) : c(s.connect([this] { ++n; })) {}
};

} // namespace

TEST(ControlBindersTest, ModelChangesReachTheWidgetAndUserActionsRaiseOneEvent)
{
    guitest::guiTestApp();
    platform::CheckBox model("chk");
    auto* box = new QCheckBox;
    auto* binder = new gui::CheckBoxBinder(box, model);
    Count clicks(model.click), notices(model.changed);

    model.setValue(1); // the program sets it: one click, the widget follows
    EXPECT_EQ(box->checkState(), Qt::Checked);
    EXPECT_EQ(clicks.n, 1);
    binder->refresh();
    binder->refresh();
    EXPECT_EQ(notices.n, 1);

    box->click(); // the user: one click more, model unchecked
    EXPECT_EQ(model.value(), 0);
    EXPECT_EQ(clicks.n, 2);
    EXPECT_EQ(box->checkState(), Qt::Unchecked);
    delete box;
}

TEST(ControlBindersTest, TextComboListAndTabsStayInStep)
{
    guitest::guiTestApp();
    platform::TextBox text("trig");
    auto* edit = new QLineEdit;
    new gui::TextBoxBinder(edit, text);
    Count changes(text.change);
    text.setText("abc");
    EXPECT_EQ(edit->text(), "abc");
    emit edit->textEdited("abcd");
    EXPECT_EQ(text.text(), "abcd");
    EXPECT_EQ(changes.n, 2);
    text.setEnabled(false);
    EXPECT_FALSE(edit->isEnabled());

    platform::ComboBox combo("cmb");
    combo.setStyle(2);
    combo.setItems({"Space", "Tab", "Comma"});
    auto* qcombo = new QComboBox;
    new gui::ComboBoxBinder(qcombo, combo);
    Count clicks(combo.click);
    EXPECT_EQ(qcombo->count(), 3);
    combo.setListIndex(1);
    EXPECT_EQ(qcombo->currentIndex(), 1);
    qcombo->setCurrentIndex(2);
    emit qcombo->activated(2);
    EXPECT_EQ(combo.listIndex(), 2);
    EXPECT_EQ(clicks.n, 2);

    platform::ListBox list("lst");
    list.setMultiSelect(true);
    list.setItems({"a.las", "b.las", "c.las"});
    auto* qlist = new QListWidget;
    new gui::ListBoxBinder(qlist, list);
    Count listClicks(list.click);
    list.setSelected(2, true); // program: no click, widget follows
    EXPECT_TRUE(qlist->item(2)->isSelected());
    qlist->item(0)->setSelected(true); // as the user's selection reaches the widget
    EXPECT_TRUE(list.selected(0));
    EXPECT_TRUE(list.selected(2));
    EXPECT_EQ(listClicks.n, 1);

    platform::TabControl tabs("tabb");
    tabs.setCaptions({"&Files", "&Visualization"});
    auto* qtabs = new QTabWidget;
    qtabs->addTab(new QWidget, QString());
    qtabs->addTab(new QWidget, QString());
    new gui::TabBinder(qtabs, tabs);
    Count tabClicks(tabs.click);
    EXPECT_EQ(qtabs->tabText(1), "&Visualization");
    tabs.setCurrentTab(1);
    EXPECT_EQ(qtabs->currentIndex(), 1);
    EXPECT_EQ(tabClicks.n, 1);
    qtabs->setCurrentIndex(0); // the user's switch
    EXPECT_EQ(tabs.currentTab(), 0);
    EXPECT_EQ(tabClicks.n, 2);

    delete edit;
    delete qcombo;
    delete qlist;
    delete qtabs;
}
