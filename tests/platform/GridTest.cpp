#include "platform/Grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace corvalet::platform;

namespace {

// Counts every view notice of a grid.
struct NoticeRecorder {
    explicit NoticeRecorder(Grid& g)
    {
        conns.push_back(g.cellsChanged.connect([this](int r1, int c1, int r2, int c2) {
            ranges.push_back({r1, c1, r2, c2});
        }));
        conns.push_back(g.structureChanged.connect([this] { ++structure; }));
        conns.push_back(g.geometryChanged.connect([this] { ++geometry; }));
        conns.push_back(g.selectionChanged.connect([this] { ++selection; }));
    }
    std::vector<std::vector<int>> ranges;
    int structure = 0, geometry = 0, selection = 0;
    std::vector<Connection> conns;
};

// Every cell holds "row,col".
void fill(Grid& g)
{
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.cols(); ++c)
            g.setText(r, c, std::to_string(r) + "," + std::to_string(c));
}

} // namespace

TEST(GridTest, ClipOfSelectionUsesTabsAndCarriageReturns)
{
    Grid g(4, 4, 1, 1);
    g.setText(1, 1, "a");
    g.setText(1, 2, "b");
    g.setText(2, 1, "c");
    g.setText(2, 2, "");
    // The other corner may be above/left of the current cell.
    g.select(2, 2, 1, 1);
    EXPECT_EQ(g.clip(), "a\tb\rc\t");
}

TEST(GridTest, PasteAcceptsEveryLineEndAndStaysInsideTheSelection)
{
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {{"CR", "x\ty\tz\rp\tq\tr\rm\tn\to"},
                          {"LF", "x\ty\tz\np\tq\tr\nm\tn\to\n"},
                          {"CR LF", "x\ty\tz\r\np\tq\tr\r\nm\tn\to\r\n"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid g(5, 5, 1, 1);
        g.setText(3, 3, "keep");
        g.select(1, 1, 2, 2); // a 2x2 selection takes the top-left 2x2 of the 3x3 block
        NoticeRecorder rec(g);
        g.setClip(c.text);
        EXPECT_EQ(g.text(1, 1), "x");
        EXPECT_EQ(g.text(1, 2), "y");
        EXPECT_EQ(g.text(2, 1), "p");
        EXPECT_EQ(g.text(2, 2), "q");
        EXPECT_EQ(g.text(1, 3), "");
        EXPECT_EQ(g.text(3, 3), "keep");
        ASSERT_EQ(rec.ranges.size(), 1u);
        EXPECT_EQ(rec.ranges[0], (std::vector<int>{1, 1, 2, 2}));
        EXPECT_EQ(rec.structure, 0);
    }
}

TEST(GridTest, ShortPasteLeavesTheRestOfTheSelectionAlone)
{
    Grid g(4, 4, 1, 1);
    fill(g);
    g.select(1, 1, 3, 3);
    g.setClip("A\r\n"); // one cell, with a line end that must not blank row 2
    EXPECT_EQ(g.text(1, 1), "A");
    EXPECT_EQ(g.text(1, 2), "1,2");
    EXPECT_EQ(g.text(2, 1), "2,1");
}

TEST(GridTest, CellAttributesAreKeptApartAndCleared)
{
    Grid g(3, 3, 1, 1);
    g.setCheckState(1, 1, CheckState::Checked);
    g.setCellData(1, 2, "~V");
    g.setBold(2, 2, true);
    g.setBackColor(2, 1, rgb(255, 0, 0));
    g.setColAlignment(2, Align::RightCenter);
    g.setAlignment(2, 2, Align::CenterCenter);
    EXPECT_EQ(g.checkState(1, 1), CheckState::Checked);
    EXPECT_EQ(g.checkState(1, 2), CheckState::None);
    EXPECT_EQ(g.cellData(1, 2), "~V");
    EXPECT_TRUE(g.bold(2, 2));
    EXPECT_EQ(g.backColor(2, 1), 0x0000FFu);
    EXPECT_EQ(g.alignment(1, 2), Align::RightCenter);
    EXPECT_EQ(g.alignment(2, 2), Align::CenterCenter);
    g.clearRange(1, 1, 2, 2, ClearWhat::Formatting);
    EXPECT_EQ(g.checkState(1, 1), CheckState::None);
    EXPECT_EQ(g.cellData(1, 2), "");
    EXPECT_FALSE(g.bold(2, 2));
    EXPECT_EQ(g.backColor(2, 1), kDefaultColor);
}

TEST(GridTest, UserCheckClickTogglesBetweenCheckedAndUnchecked)
{
    Grid g(3, 2, 1, 1);
    g.setCheckState(1, 1, CheckState::Unchecked);
    std::vector<std::string> events;
    auto before = g.beforeEdit.connect([&](int r, int c, bool&) { events.push_back("before " + std::to_string(r) + std::to_string(c)); });
    auto after = g.afterEdit.connect([&](int r, int c) {
        events.push_back("after " + std::to_string(int(g.checkState(r, c))));
    });
    EXPECT_TRUE(g.userToggleCheck(1, 1));
    EXPECT_TRUE(g.userToggleCheck(1, 1));
    EXPECT_EQ(events, (std::vector<std::string>{"before 11", "after 1", "before 11", "after 2"}));
    // A cell without a check box does not toggle.
    EXPECT_FALSE(g.userToggleCheck(2, 1));
    EXPECT_EQ(g.checkState(2, 1), CheckState::None);
}

TEST(GridTest, EditRunsTheOwnerEventsInOrder)
{
    Grid g(4, 3, 1, 1);
    g.setText(2, 1, "old");
    std::vector<std::string> events;
    auto c1 = g.beforeEdit.connect([&](int r, int c, bool&) {
        events.push_back("before");
        g.setEditList(r == 2 && c == 1 ? "F|M|FT" : "");
    });
    auto c2 = g.startEdit.connect([&](int r, int c, bool&) { events.push_back("start " + g.text(r, c)); });
    auto c3 = g.changeEdit.connect([&](int, int) { events.push_back("change " + g.editText()); });
    auto c4 = g.afterEdit.connect([&](int r, int c) { events.push_back("after " + g.text(r, c)); });
    ASSERT_TRUE(g.beginEdit(2, 1));
    EXPECT_EQ(g.editChoices(), (std::vector<std::string>{"F", "M", "FT"}));
    EXPECT_EQ(g.editText(), "old");
    g.setEditText("old"); // no change, no event
    g.setEditText("M");
    g.commitEdit();
    EXPECT_EQ(events, (std::vector<std::string>{"before", "start old", "change M", "after M"}));
    EXPECT_EQ(g.row(), 2);
    EXPECT_EQ(g.col(), 1);
}

TEST(GridTest, CancelledOrFixedCellsDoNotEdit)
{
    Grid g(3, 3, 1, 1);
    int afters = 0;
    auto a = g.afterEdit.connect([&](int, int) { ++afters; });
    EXPECT_FALSE(g.beginEdit(0, 1)); // header row
    auto b = g.beforeEdit.connect([](int, int, bool& cancel) { cancel = true; });
    EXPECT_FALSE(g.beginEdit(1, 1));
    EXPECT_FALSE(g.isEditing());
    b.disconnect();
    ASSERT_TRUE(g.beginEdit(1, 1));
    g.setEditText("typed");
    g.cancelEdit();
    EXPECT_EQ(g.text(1, 1), "");
    EXPECT_EQ(afters, 0);
}

TEST(GridTest, ChoiceListForms)
{
    Grid g;
    g.setEditList("|~V|~Version|");
    EXPECT_TRUE(g.editListIsEditable());
    EXPECT_EQ(g.editChoices(), (std::vector<std::string>{"~V", "~Version"}));
    g.setEditList("|-999.25|-99999");
    EXPECT_EQ(g.editChoices(), (std::vector<std::string>{"-999.25", "-99999"}));
    g.setEditList("...");
    EXPECT_TRUE(g.editListIsButton());
    EXPECT_TRUE(g.editChoices().empty());
}

TEST(GridTest, RefusedColumnDragLeavesTheOrder)
{
    Grid g(3, 7, 1, 1);
    fill(g);
    g.setCellData(1, 6, "~A");
    g.setColWidth(2, 555);
    // The owner keeps the last column in place and lets nothing move onto it.
    auto refuse = g.beforeMoveColumn.connect([](int col, int& position) {
        if (col == 6 || position == 6)
            position = col;
    });
    int afters = 0;
    auto after = g.afterMoveColumn.connect([&](int, int) { ++afters; });
    NoticeRecorder rec(g);
    EXPECT_FALSE(g.userMoveColumn(6, 2));
    EXPECT_FALSE(g.userMoveColumn(2, 6));
    EXPECT_EQ(g.text(1, 6), "1,6");
    EXPECT_EQ(afters, 0);
    EXPECT_EQ(rec.structure, 0);

    EXPECT_TRUE(g.userMoveColumn(2, 4));
    EXPECT_EQ(afters, 1);
    EXPECT_EQ(rec.structure, 1);
    EXPECT_EQ(g.text(1, 2), "1,3");
    EXPECT_EQ(g.text(1, 3), "1,4");
    EXPECT_EQ(g.text(1, 4), "1,2");
    EXPECT_EQ(g.colWidth(4), 555);
    EXPECT_EQ(g.cellData(1, 6), "~A");
    EXPECT_TRUE(g.userMoveColumn(5, 1));
    EXPECT_EQ(g.text(0, 1), "0,5");
    EXPECT_EQ(g.text(0, 2), "0,1");
}

TEST(GridTest, HiddenRowsAndWidthsNotifyOnlyOnChange)
{
    Grid g(30, 3, 1, 1);
    fill(g);
    NoticeRecorder rec(g);
    g.setRowHidden(23, true);
    g.setRowHidden(23, true);
    g.setColWidth(1, 1500);
    g.setColWidth(1, 1500);
    EXPECT_TRUE(g.rowHidden(23));
    EXPECT_FALSE(g.rowHidden(22));
    EXPECT_EQ(rec.geometry, 2);
    g.setText(1, 1, "1,1"); // same text
    EXPECT_TRUE(rec.ranges.empty());
    g.setRows(40);
    EXPECT_TRUE(g.rowHidden(23));
    EXPECT_EQ(g.text(29, 2), "29,2");
    EXPECT_EQ(rec.structure, 1);
    g.setCols(2);
    EXPECT_EQ(g.text(29, 1), "29,1");
    EXPECT_EQ(g.text(29, 2), "");
}

TEST(GridTest, RedrawOffCollectsOneNotice)
{
    Grid g(10, 5, 1, 1);
    NoticeRecorder rec(g);
    g.setRedraw(false);
    g.setText(2, 3, "a");
    g.setText(7, 1, "b");
    g.setBold(4, 4, true);
    EXPECT_TRUE(rec.ranges.empty());
    g.setRedraw(true);
    ASSERT_EQ(rec.ranges.size(), 1u);
    EXPECT_EQ(rec.ranges[0], (std::vector<int>{2, 1, 7, 4}));

    // A structural change among the edits: one structure notice, no cell notices.
    g.setRedraw(false);
    g.setText(1, 1, "x");
    g.setRows(20);
    g.setRowHidden(3, true);
    g.setRedraw(true);
    EXPECT_EQ(rec.ranges.size(), 1u);
    EXPECT_EQ(rec.structure, 1);
    EXPECT_EQ(rec.geometry, 0);
}

TEST(GridTest, SettingRowOrColCollapsesTheSelection)
{
    Grid g(10, 10, 1, 1);
    g.select(2, 2, 5, 5);
    g.setCol(3);
    EXPECT_EQ(g.colSel(), 3);
    EXPECT_EQ(g.rowSel(), 5);
    g.setRow(4);
    EXPECT_EQ(g.rowSel(), 4);
}

TEST(GridTest, AutoSizeFitsTheWidestTextPlusExtra)
{
    Grid g(3, 2, 1, 1);
    g.setText(1, 1, "abcd");
    g.setText(2, 1, "ab");
    g.setTextMeasure([](std::string_view t, bool) { return int(t.size()) * 100; });
    g.autoSizeCols(1, 1, 50);
    EXPECT_EQ(g.colWidth(1), 400 + 8 * Grid::kTwipsPerPixel + 50);
}

TEST(GridTest, RowRemovalShiftsAttributes)
{
    Grid g(5, 2, 1, 1);
    fill(g);
    g.setCheckState(3, 1, CheckState::Checked);
    g.setRowHidden(4, true);
    g.removeRow(2);
    EXPECT_EQ(g.rows(), 4);
    EXPECT_EQ(g.text(2, 1), "3,1");
    EXPECT_EQ(g.checkState(2, 1), CheckState::Checked);
    EXPECT_TRUE(g.rowHidden(3));
}
