#include "ConversionGridTestTab.h"

#include "core/AppState.h"
#include "manipulate/ConversionGrid.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace corvalet::manipulate {
namespace {

using platform::CheckState;
using test::TestTab;
using ::testing::ElementsAre;

TEST(ConversionGrid, HeaderRowsFollowTheCountryAndKeepOtherNames)
{
    struct Case {
        const char* country;
        const char* unit;
    };
    for (const Case& c : {Case{"Canada", "M"}, Case{"CANADA", "M"}, Case{"Other", "FT"}, Case{"", "FT"}}) {
        SCOPED_TRACE(c.country);
        TestTab t;
        t.state.country = c.country;
        t.grd.setCols(4);
        t.grd.setText(1, 1, "DEPTH");
        t.grd.setText(1, 2, "GR");
        t.grd.setText(2, 3, "OHMM");
        setupChannelGrid(t.tab);

        EXPECT_EQ(t.grd.text(0, 0), "Channels-->");
        EXPECT_EQ(t.grd.text(1, 0), "Name");
        EXPECT_EQ(t.grd.text(2, 0), "Unit");
        EXPECT_EQ(t.grd.text(3, 0), "Use?");
        EXPECT_THAT(t.row(0), ElementsAre("Chan #1", "Chan #2", "Chan #3"));
        EXPECT_THAT(t.row(1), ElementsAre("DEPT", "GR", ""));
        EXPECT_THAT(t.row(2), ElementsAre(c.unit, "", "OHMM"));
        for (int col = 1; col < 4; ++col) {
            EXPECT_EQ(t.grd.checkState(3, col), CheckState::Checked);
            for (int row = 1; row <= 3; ++row)
                EXPECT_EQ(t.grd.backColor(row, col), kGrdHeaderColor);
            EXPECT_EQ(t.grd.backColor(0, col), platform::kDefaultColor);
        }
        EXPECT_EQ(t.grd.backColor(1, 0), platform::kDefaultColor);
        EXPECT_EQ(t.nChanT.text(), "3");
        EXPECT_EQ(t.grd.row(), 3);
        EXPECT_EQ(t.grd.col(), 1);
    }
}

TEST(ConversionGrid, TooSmallAGridGrowsToTheHeaderRowsAndOneChannel)
{
    TestTab t;
    t.grd.setRows(1);
    t.grd.setCols(1);
    setupChannelGrid(t.tab);
    EXPECT_EQ(t.grd.rows(), 4);
    EXPECT_EQ(t.grd.cols(), 2);
    EXPECT_EQ(t.grd.text(0, 1), "Chan #1");
    EXPECT_EQ(t.nChanT.text(), "1");
}

TEST(ConversionGrid, ChannelCountBoxReshapesOnlyAfterConfirmation)
{
    struct Case {
        const char* typed;
        int answer;          // 0: no question expected
        int cols;
        const char* boxAfter;
    };
    const Case cases[] = {
        {"3", platform::MsgResult::Yes, 4, "3"},
        {" 1 ", platform::MsgResult::Yes, 2, "1"},
        {"3", platform::MsgResult::No, 6, "3"},
        {"0", 0, 6, "5"},
        {"-2", 0, 6, "5"},
        {"two", 0, 6, "5"},
        {"2.5", 0, 6, "5"},
        {"10000", platform::MsgResult::Yes, 10001, "10000"},
        {"10001", 0, 6, "5"},
        {"99999999999", 0, 6, "5"},
        {"", 0, 6, "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TestTab t;
        t.grd.setCols(6);
        t.grd.setRows(8);
        t.grd.setText(5, 5, "kept unless cut");
        setupChannelGrid(t.tab);
        t.nChanT.setText(c.typed);
        if (c.answer != 0)
            t.dialogs.answerMsg(c.answer);
        int key = platform::keys::Enter;
        const bool reshaped = nChanTKeyPress(t.tab, key);
        EXPECT_EQ(key, 0);
        EXPECT_EQ(reshaped, c.answer == platform::MsgResult::Yes);
        EXPECT_EQ(t.grd.cols(), c.cols);
        EXPECT_EQ(t.grd.rows(), 8);
        EXPECT_EQ(t.grd.text(5, 5), c.cols > 5 ? "kept unless cut" : "");
        EXPECT_EQ(t.nChanT.text(), c.boxAfter);
        ASSERT_EQ(t.dialogs.calls().size(), c.answer != 0 ? 1u : 0u);
        if (c.answer != 0) {
            EXPECT_EQ(t.dialogs.calls()[0].text,
                      "Changing the number of columns may destroy current data if fewer columns are selected than "
                      "now exist. Proceed?");
        }
        EXPECT_EQ(t.grd.text(0, c.cols - 1), "Chan #" + std::to_string(c.cols - 1));
    }
}

TEST(ConversionGrid, ChannelCountBoxIgnoresOtherKeys)
{
    TestTab t;
    t.nChanT.setText("7");
    int key = '7';
    EXPECT_FALSE(nChanTKeyPress(t.tab, key));
    EXPECT_EQ(key, '7');
    EXPECT_EQ(t.grd.cols(), 2);
    EXPECT_TRUE(t.dialogs.calls().empty());
}

TEST(ConversionGrid, ClipboardFillsTheSampleRows)
{
    struct Case {
        const char* name;
        std::string clip;
    };
    const Case cases[] = {
        {"CR LF", "1\t2\r\n3\t4\r\n5\t6\r\n"},
        {"LF", "1\t2\n3\t4\n5\t6\n"},
        {"CR", "1\t2\r3\t4\r5\t6"},
        {"surrounding blanks and line ends", "\r\n  1\t2\n3\t4\n5\t6  \n\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestTab t;
        t.grd.setRows(20);
        t.grd.setCols(9);
        t.clipboard.setText(c.clip);
        EXPECT_TRUE(pasteClipboardToGrid(t.tab));
        EXPECT_EQ(t.grd.rows(), 7);
        EXPECT_EQ(t.grd.cols(), 3);
        EXPECT_THAT(t.row(4), ElementsAre("1", "2"));
        EXPECT_THAT(t.row(5), ElementsAre("3", "4"));
        EXPECT_THAT(t.row(6), ElementsAre("5", "6"));
        EXPECT_THAT(t.row(0), ElementsAre("Chan #1", "Chan #2"));
        EXPECT_THAT(t.row(1), ElementsAre("DEPT", ""));
        EXPECT_TRUE(t.grd.redraw());
        EXPECT_EQ(t.pointer.changes(), (std::vector<bool>{true, false}));
    }
}

TEST(ConversionGrid, ClipboardKeepsEmptyCellsAndCutsLongerRows)
{
    TestTab t;
    t.clipboard.setText("1000\t\t3\n1001\t5\t6\t7\n1002");
    EXPECT_TRUE(pasteClipboardToGrid(t.tab));
    ASSERT_EQ(t.grd.cols(), 4);
    EXPECT_THAT(t.row(4), ElementsAre("1000", "", "3"));
    EXPECT_THAT(t.row(5), ElementsAre("1001", "5", "6"));
    EXPECT_THAT(t.row(6), ElementsAre("1002", "", ""));
}

TEST(ConversionGrid, EmptyClipboardCutsTheGridToItsHeader)
{
    for (const char* clip : {"", "   ", " \r\n \n"}) {
        SCOPED_TRACE(clip);
        TestTab t;
        t.grd.setRows(12);
        t.grd.setCols(5);
        t.grd.setText(1, 1, "renamed");
        t.clipboard.setText(clip);
        EXPECT_TRUE(pasteClipboardToGrid(t.tab));
        EXPECT_EQ(t.grd.rows(), 4);
        EXPECT_EQ(t.grd.cols(), 2);
        EXPECT_EQ(t.grd.text(0, 1), "Chan #1");
        EXPECT_EQ(t.grd.text(1, 1), "DEPT");
        EXPECT_EQ(t.grd.text(2, 1), "FT");
        EXPECT_EQ(t.nChanT.text(), "1");
    }
}

TEST(ConversionGrid, FileButtonLoadsTheChosenFileWithTheOptionsDelimiter)
{
    TestTab t;
    t.dialogs.answerFile(test::fixture("table.csv"));
    EXPECT_TRUE(loadAsciiFileButton(t.tab, 2));
    EXPECT_EQ(t.state.asciiInputFile, test::fixture("table.csv"));
    ASSERT_EQ(t.dialogs.calls().size(), 1u);
    EXPECT_EQ(t.dialogs.calls()[0].title, "Find ASCII file To Load");
    EXPECT_EQ(t.grd.cols(), 6);
    EXPECT_EQ(t.grd.text(4, 1), "DEPTH");
}

TEST(ConversionGrid, FileButtonCancelledLeavesTheGridAlone)
{
    TestTab t;
    t.state.asciiInputFile = "/data/previous.txt";
    t.grd.setText(1, 1, "KEEP");
    t.dialogs.cancelFile();
    EXPECT_FALSE(loadAsciiFileButton(t.tab, 3));
    EXPECT_EQ(t.state.asciiInputFile, "/data/previous.txt");
    EXPECT_EQ(t.grd.text(1, 1), "KEEP");
}

} // namespace
} // namespace corvalet::manipulate
