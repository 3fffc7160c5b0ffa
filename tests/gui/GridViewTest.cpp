#include "gui/GridView.h"

#include "gui/GuiTestApp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QToolButton>

#include <string>
#include <vector>

using namespace corvalet;
using platform::CheckState;
using platform::Grid;

namespace {

void sendClick(QWidget* target, QPoint at)
{
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

// A settings-like test grid: header row, label column, a list row, a check row.
struct TestForm {
    Grid grid{4, 3, 1, 1};
    std::vector<std::string> events;
    std::vector<platform::Connection> conns;
    TestForm()
    {
        guitest::guiTestApp();
        grid.setText(0, 1, "Value");
        grid.setText(0, 2, "Other");
        grid.setText(1, 0, "Depth Unit");
        grid.setText(1, 1, "F");
        grid.setText(2, 0, "Rename Duplicates?");
        grid.setCheckState(2, 1, CheckState::Checked);
        conns.push_back(grid.beforeEdit.connect([this](int r, int c, bool&) {
            events.push_back("before " + std::to_string(r) + "," + std::to_string(c));
            grid.setEditList(r == 1 ? "F|M|FT" : "");
        }));
        conns.push_back(grid.afterEdit.connect([this](int r, int c) {
            events.push_back("after " + grid.text(r, c) + " " + std::to_string(int(grid.checkState(r, c))));
        }));
    }
};

} // namespace

TEST(GridViewTest, ComboCellEditRaisesBeforeAndAfterEditWithTheChosenText)
{
    TestForm form;
    gui::GridView view(form.grid);
    view.resize(400, 300);
    view.show();
    // Grid row 1, col 1 is view row 0, col 0 (row 0 and col 0 are the headers).
    const QModelIndex cell = view.model()->index(0, 0);
    view.setCurrentIndex(cell);
    view.edit(cell);
    auto* combo = view.findChild<QComboBox*>();
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), "F");
    combo->setCurrentIndex(2); // what the user's pick in the drop-down does
    emit combo->activated(2);
    QApplication::processEvents();
    EXPECT_EQ(form.grid.text(1, 1), "FT");
    EXPECT_EQ(form.events, (std::vector<std::string>{"before 1,1", "after FT 0"}));
    EXPECT_EQ(view.model()->data(cell).toString(), "FT");
    EXPECT_FALSE(form.grid.isEditing());
}

TEST(GridViewTest, EscInTheEditorRestoresTheCell)
{
    TestForm form;
    form.grid.setText(3, 1, "orig");
    gui::GridView view(form.grid);
    view.show();
    const QModelIndex cell = view.model()->index(2, 0);
    view.setCurrentIndex(cell);
    view.edit(cell);
    auto* line = view.findChild<QLineEdit*>();
    ASSERT_NE(line, nullptr);
    line->setText("typed");
    emit line->textEdited("typed");
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(line, &esc);
    QApplication::processEvents();
    EXPECT_EQ(form.grid.text(3, 1), "orig");
    EXPECT_FALSE(form.grid.isEditing());
    EXPECT_EQ(form.events, (std::vector<std::string>{"before 3,1"})); // no after edit
}

TEST(GridViewTest, CheckBoxClickTogglesTheCheckState)
{
    TestForm form;
    gui::GridView view(form.grid);
    view.resize(400, 300);
    view.show();
    QApplication::processEvents();
    const QModelIndex cell = view.model()->index(1, 0); // grid (2, 1)
    ASSERT_EQ(view.model()->data(cell, Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.rect = view.visualRect(cell);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    option.state |= QStyle::State_Enabled;
    const QRect box = view.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &view);
    sendClick(view.viewport(), box.center());
    QApplication::processEvents();
    EXPECT_EQ(form.grid.checkState(2, 1), CheckState::Unchecked);
    EXPECT_EQ(form.events, (std::vector<std::string>{"before 2,1", "after  2"}));
    EXPECT_EQ(view.model()->data(cell, Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
}

TEST(GridViewTest, HeaderDragMovesTheColumnOrIsRefused)
{
    guitest::guiTestApp();
    Grid grid(3, 5, 1, 1);
    for (int c = 0; c < 5; ++c)
        grid.setText(0, c, "H" + std::to_string(c));
    auto refuse = grid.beforeMoveColumn.connect([](int col, int& position) {
        if (col == 4 || position == 4)
            position = col;
    });
    gui::GridView view(grid);
    view.show();
    QHeaderView* header = view.horizontalHeader();
    // View column v is grid column v + 1.
    header->moveSection(3, 1); // grid column 4 onto 2: refused
    QApplication::processEvents();
    EXPECT_EQ(grid.text(0, 4), "H4");
    EXPECT_EQ(header->visualIndex(3), 3);
    header->moveSection(0, 2); // grid column 1 to 3
    QApplication::processEvents();
    EXPECT_EQ(grid.text(0, 1), "H2");
    EXPECT_EQ(grid.text(0, 2), "H3");
    EXPECT_EQ(grid.text(0, 3), "H1");
    EXPECT_EQ(view.model()->headerData(2, Qt::Horizontal).toString(), "H1");
    EXPECT_EQ(header->visualIndex(2), 2); // the view shows the model's order
}

TEST(GridViewTest, CellEditsSendRangedUpdatesAndStructureOneReset)
{
    guitest::guiTestApp();
    Grid grid(2001, 4, 1, 1);
    gui::GridView view(grid);
    int resets = 0;
    std::vector<std::pair<QModelIndex, QModelIndex>> ranges;
    QObject::connect(view.model(), &QAbstractItemModel::modelReset, [&] { ++resets; });
    QObject::connect(view.model(), &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& a, const QModelIndex& b) { ranges.emplace_back(a, b); });
    grid.setText(10, 2, "x");
    grid.setRedraw(false);
    for (int r = 100; r < 2000; ++r)
        grid.setText(r, 3, "v");
    grid.setRedraw(true);
    ASSERT_EQ(ranges.size(), 2u);
    EXPECT_EQ(ranges[0].first, view.model()->index(9, 1));
    EXPECT_EQ(ranges[1].first, view.model()->index(99, 2));
    EXPECT_EQ(ranges[1].second, view.model()->index(1998, 2));
    EXPECT_EQ(resets, 0);
    grid.setRows(3000);
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(view.model()->rowCount(), 2999);
    grid.setRowHidden(5, true);
    EXPECT_TRUE(view.isRowHidden(4));
    grid.setColWidth(2, 1500);
    EXPECT_EQ(view.columnWidth(1), view.toPixels(1500));
    EXPECT_EQ(resets, 1);
}

TEST(GridViewTest, CellButtonRaisesTheOwnerEvent)
{
    guitest::guiTestApp();
    Grid grid(3, 2, 1, 1);
    auto before = grid.beforeEdit.connect([&](int, int, bool&) { grid.setEditList("..."); });
    auto button = grid.cellButtonClick.connect([&](int r, int c) { grid.setText(r, c, "/data/well.las"); });
    gui::GridView view(grid);
    view.show();
    const QModelIndex cell = view.model()->index(0, 0);
    view.setCurrentIndex(cell);
    view.edit(cell);
    auto* tool = view.findChild<QToolButton*>("cellButton");
    ASSERT_NE(tool, nullptr);
    tool->click();
    auto* line = view.findChild<QLineEdit*>();
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), "/data/well.las");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(line, &enter);
    QApplication::processEvents();
    EXPECT_EQ(grid.text(1, 1), "/data/well.las");
    EXPECT_FALSE(grid.isEditing());
}
