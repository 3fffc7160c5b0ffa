#include "core/WindowHelpers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

using namespace corvalet::core;
using namespace corvalet::platform;
namespace fs = std::filesystem;

namespace {

constexpr int kCtrl = keys::CtrlFlag;

void fill(Grid& g)
{
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < g.cols(); ++c)
            g.setText(r, c, std::to_string(r) + "," + std::to_string(c));
}

class TempFolder {
public:
    TempFolder()
    {
        std::random_device rd;
        m_path = fs::temp_directory_path() / ("corvalet-helpers-" + std::to_string(rd()));
        fs::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    void touch(const std::string& name) const { std::ofstream(m_path / name) << "x"; }
    [[nodiscard]] const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

} // namespace

TEST(WindowHelpersTest, CopyCutAndPasteThroughTheClipboard)
{
    Grid g(5, 4, 1, 1);
    fill(g);
    MemoryClipboard clipboard;
    setGridSel(g, 1, 2, 1, 2);

    EXPECT_TRUE(gridClipboardKeys(g, clipboard, 67, kCtrl));
    EXPECT_EQ(clipboard.text(), "1,1\t1,2\r2,1\t2,2");

    // Shift and Alt beside Ctrl do not matter; without Ctrl nothing happens.
    EXPECT_FALSE(gridClipboardKeys(g, clipboard, 88, keys::ShiftFlag));
    EXPECT_EQ(g.text(1, 1), "1,1");
    EXPECT_TRUE(gridClipboardKeys(g, clipboard, 88, kCtrl | keys::ShiftFlag | keys::AltFlag));
    EXPECT_EQ(clipboard.text(), "1,1\t1,2\r2,1\t2,2");
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 2; ++c)
            EXPECT_EQ(g.text(r, c), "") << r << "," << c;
    EXPECT_EQ(g.text(3, 1), "3,1");

    // Text from another program: LF rows.
    clipboard.setText("a\tb\nc\td\n");
    setGridSel(g, 2, 3, 3, 4);
    EXPECT_TRUE(gridClipboardKeys(g, clipboard, 86, kCtrl));
    EXPECT_EQ(g.text(3, 2), "a");
    EXPECT_EQ(g.text(3, 3), "b");
    EXPECT_EQ(g.text(4, 2), "c");
    EXPECT_EQ(g.text(4, 3), "d");
}

TEST(WindowHelpersTest, ReadOnlyGridOnlyCopies)
{
    Grid g(3, 3, 1, 1);
    fill(g);
    g.setEditable(false);
    MemoryClipboard clipboard;
    clipboard.setText("zz");
    setGridSel(g, 1, 1, 1, 1);
    EXPECT_FALSE(gridClipboardKeys(g, clipboard, 86, kCtrl));
    EXPECT_EQ(g.text(1, 1), "1,1");
    EXPECT_TRUE(gridClipboardKeys(g, clipboard, 88, kCtrl));
    EXPECT_EQ(clipboard.text(), "1,1");
    EXPECT_EQ(g.text(1, 1), "1,1");
}

TEST(WindowHelpersTest, EscRestoresTheCellAndCtrlEnterIsSwallowed)
{
    Grid g(3, 3, 1, 1);
    g.setText(1, 1, "orig");
    ASSERT_TRUE(g.beginEdit(1, 1));
    g.setEditText("typed");
    EXPECT_FALSE(gridEscCancel(g, keys::Enter));
    EXPECT_EQ(g.editText(), "typed");
    EXPECT_TRUE(gridEscCancel(g, keys::Escape));
    EXPECT_EQ(g.editText(), "orig");

    int beeps = 0;
    auto beep = [&] { ++beeps; };
    EXPECT_EQ(blockCtrlEnter(keys::Enter, kCtrl, beep), 0);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(blockCtrlEnter(keys::Enter, 0, beep), keys::Enter);
    EXPECT_EQ(blockCtrlEnter(keys::Enter, keys::ShiftFlag, beep), keys::Enter);
    EXPECT_EQ(blockCtrlEnter('A', kCtrl, beep), 'A');
    EXPECT_EQ(beeps, 1);
}

TEST(WindowHelpersTest, SetGridSelSetsCurrentCellAndOtherCorner)
{
    Grid g(10, 10, 1, 1);
    setGridSel(g, 2, 5, 3, 7);
    EXPECT_EQ(g.col(), 2);
    EXPECT_EQ(g.colSel(), 5);
    EXPECT_EQ(g.row(), 3);
    EXPECT_EQ(g.rowSel(), 7);
    // The order matters: Col and Row collapse the selection, the Sel calls reopen it.
    setGridSel(g, 4, 1, 6, 2);
    EXPECT_EQ(g.selLeft(), 1);
    EXPECT_EQ(g.selRight(), 4);
    EXPECT_EQ(g.selTop(), 2);
    EXPECT_EQ(g.selBottom(), 6);
}

TEST(WindowHelpersTest, RefreshFileListKeepsTheFilesThatStillExist)
{
    TempFolder dir;
    for (const char* name : {"b.las", "A.LAS", "c.las", "d.txt", "e.dat", ".hidden.las"})
        dir.touch(name);
    fs::create_directory(dir.path() / "sub.las");
    FileList list("File1");
    list.setMultiSelect(true);
    list.setPattern("*.las;*.TXT");
    list.setPath(dir.path().string());
    ASSERT_EQ(list.items().size(), 4u);
    EXPECT_EQ(list.list(0), "A.LAS");
    EXPECT_EQ(list.list(1), "b.las");
    EXPECT_EQ(list.list(2), "c.las");
    EXPECT_EQ(list.list(3), "d.txt");

    list.setSelected(0, true);
    list.setSelected(1, true);
    list.setSelected(3, true);
    fs::remove(dir.path() / "b.las");
    dir.touch("aa.las");
    int clicks = 0;
    auto c = list.click.connect([&] { ++clicks; });
    refreshFileList(list);
    ASSERT_EQ(list.listCount(), 4);
    EXPECT_EQ(list.list(1), "aa.las");
    EXPECT_TRUE(list.selected(0));  // A.LAS
    EXPECT_FALSE(list.selected(1)); // aa.las is new
    EXPECT_FALSE(list.selected(2)); // c.las was not selected
    EXPECT_TRUE(list.selected(3));  // d.txt
    EXPECT_EQ(countSelected(list), 2);
    EXPECT_EQ(list.tag(), "File List (*.las;*.TXT)");
    EXPECT_EQ(list.filePath(3), (dir.path() / "d.txt").string());
}

TEST(WindowHelpersTest, PointerCodesSwitchTheHourglassWithoutBreakingJobGuards)
{
    RecordingPointerDisplay display;
    setMousePointer(display, kPointerHourglass);
    setMousePointer(display, kPointerHourglass);
    setMousePointer(display, 99);
    setMousePointer(display, kPointerDefault);
    EXPECT_EQ(display.changes(), (std::vector<bool>{true, false}));
    {
        BusyPointer job(display);
        setMousePointer(display, kPointerHourglass);
        setMousePointer(display, kPointerDefault);
        EXPECT_TRUE(display.busy()) << "a running job keeps its hourglass";
    }
    EXPECT_FALSE(display.busy());
    setMousePointer(display, kPointerDefault);
    EXPECT_EQ(display.changes(), (std::vector<bool>{true, false, true, false}));
}

TEST(WindowHelpersTest, SelectedBytesCountOnlySelectedFilesThatStillExist)
{
    TempFolder dir;
    std::ofstream(dir.path() / "a.las") << std::string(1000, 'a');
    std::ofstream(dir.path() / "b.las") << std::string(234, 'b');
    std::ofstream(dir.path() / "c.las") << std::string(5, 'c');
    FileList list("File1");
    list.setMultiSelect(true);
    list.setPattern("*.las");
    list.setPath(dir.path().string());
    Label size("fSizL");

    showSelectedBytes(list, size);
    EXPECT_EQ(size.caption(), "Total bytes :0");

    list.setSelected(0, true);
    list.setSelected(1, true);
    showSelectedBytes(list, size);
    EXPECT_EQ(size.caption(), "Total bytes :1234");

    fs::remove(dir.path() / "b.las"); // gone since the list was read
    showSelectedBytes(list, size);
    EXPECT_EQ(size.caption(), "Total bytes :1000");
}

TEST(WindowHelpersTest, SelectListItemLowersTheTextAndScrolls)
{
    ListBox list;
    list.setItems({"Alpha", "Beta", "Gamma"});
    std::string text = "GAMMA";
    EXPECT_EQ(selectListItem(list, text), 2);
    EXPECT_EQ(text, "gamma");
    EXPECT_EQ(list.listIndex(), 2);
    EXPECT_EQ(list.topIndex(), 2);
    std::string missing = "Delta";
    EXPECT_EQ(selectListItem(list, missing), 0);
    EXPECT_FALSE(selectListItemFound(list, missing).has_value());
    EXPECT_EQ(list.listIndex(), 2); // nothing else selected
}

TEST(WindowHelpersTest, FontReachesEveryControlWithAFontOnce)
{
    Window w("test");
    TextBox box("box");
    Timer timer("timer");
    Grid grid(2, 2, 1, 1, "grid");
    w.addControl(box);
    w.addControl(timer);
    w.addControl(grid);
    int boxNotices = 0, timerNotices = 0;
    auto c1 = box.changed.connect([&] { ++boxNotices; });
    auto c2 = timer.changed.connect([&] { ++timerNotices; });
    const FontSettings font{"Courier New", 12.0, true};
    applyFontToControls(w, font);
    applyFontToControls(w, font); // nothing changes the second time
    EXPECT_EQ(box.fontName(), "Courier New");
    EXPECT_EQ(grid.fontSize(), 12.0);
    EXPECT_TRUE(grid.fontBold());
    EXPECT_EQ(boxNotices, 1);
    EXPECT_EQ(timerNotices, 0);
}

TEST(WindowHelpersTest, AutoSizeWritesTheExtraWidthBack)
{
    Grid g(2, 2, 1, 1);
    g.setText(1, 1, "abc");
    g.setTextMeasure([](std::string_view t, bool) { return int(t.size()) * 100; });
    int extra = -1, mode = 0;
    autoSizeGridCols(g, extra, mode, 300);
    EXPECT_EQ(extra, 300);
    EXPECT_EQ(g.colWidth(1), 300 + 8 * Grid::kTwipsPerPixel + 300);
    mode = 7;
    g.setText(1, 1, "abcdefgh");
    autoSizeGridCols(g, extra, mode, 300);
    EXPECT_EQ(g.colWidth(1), 300 + 8 * Grid::kTwipsPerPixel + 300);
}

TEST(WindowHelpersTest, PositionFormFillsTheAreaRightOfTheSideWindow)
{
    HeadlessWindowHost host;
    host.setWorkArea({12000, 8000});
    Window flash("flash"), child("child");
    flash.move(0, 0, 3000, 8000);
    positionForm(child, flash, host);
    EXPECT_EQ(child.left(), 3000);
    EXPECT_EQ(child.top(), 0);
    EXPECT_EQ(child.width(), 9000);
    EXPECT_EQ(child.height(), 8000);
    host.setMainMinimized(true);
    flash.move(0, 0, 4000, 8000);
    positionForm(child, flash, host);
    EXPECT_EQ(child.left(), 3000);
}

TEST(WindowHelpersTest, SelectAllText)
{
    TextBox box;
    box.setText("hello");
    selectAllText(box);
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(box.selLength(), 5);
}
