#include "manipulate/HeaderGrids.h"

#include "core/AppState.h"
#include "core/TestFiles.h"
#include "manipulate/SettingsGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvalet::manipulate {
namespace {

using platform::Grid;

constexpr const char* kFilterLikeFile = "~Version Information\r\n"
                                        " VERS.   2.0 : CWLS LOG ASCII STANDARD - VERSION 2.0\r\n"
                                        " WRAP.   NO  : One line per depth step\r\n"
                                        "~Well Information\r\n"
                                        " STRT.M      100.0 : START DEPTH\r\n"
                                        " DO_FILTER.  1     : saved editor settings\r\n"
                                        " STOP.M      101.0 : STOP DEPTH\r\n"
                                        " fmt_filter. 12.4  : data format\r\n"
                                        " WELL.       Kestrel 7 : WELL\r\n"
                                        " DVCP_FILTER. 6 15 60 50 : layout\r\n"
                                        "~Parameter Information\r\n"
                                        " BHT .DEGC   85.0 : Bottom hole temperature\r\n"
                                        " RMF .OHMM   0.12 : Mud filtrate resistivity\r\n"
                                        "~Curve Information\r\n"
                                        " DEPT.M   : Depth\r\n"
                                        " GR  .API : Gamma ray\r\n"
                                        "~A  DEPT  GR\r\n"
                                        " 100.0  45.0\r\n"
                                        " 101.0  47.0\r\n";

constexpr const char* kNoWellNoParameters = "~Version Information\r\n"
                                            " VERS.   2.0 : CWLS LOG ASCII STANDARD - VERSION 2.0\r\n"
                                            "~Curve Information\r\n"
                                            " DEPT.M   : Depth\r\n"
                                            "~A  DEPT\r\n"
                                            " 100.0\r\n";

struct HeaderGridsFixture : ::testing::Test {
    core::AppState state;
    Grid wrd{2, 2, 1, 1, "wrd"};
    Grid parg{2, 2, 1, 1, "parg"};
    platform::ComboBox first{"parLst", 0};
    platform::ComboBox second{"parLst", 1};
    platform::RecordingPointerDisplay pointer;
    core::test::ScratchDir dir;

    std::string write(const std::string& name, const char* bytes)
    {
        const std::string path = dir.file(name);
        core::test::writeFile(path, bytes);
        return path;
    }
    [[nodiscard]] static std::vector<std::string> rowTexts(const Grid& grid, int row)
    {
        std::vector<std::string> out;
        for (int c = 0; c < grid.cols(); ++c)
            out.push_back(grid.text(row, c));
        return out;
    }
};

const std::vector<std::string> kHeading{"MNEM", ".", "UNIT", "VALUE", ":", "DESC"};

TEST_F(HeaderGridsFixture, WellGridShowsEveryItemFromRowOneAndHidesFilterSettings)
{
    fillWellGrid(state, wrd, write("a.las", kFilterLikeFile), pointer);
    ASSERT_EQ(wrd.cols(), kHeaderGridCols);
    ASSERT_EQ(wrd.rows(), 7);
    EXPECT_EQ(wrd.fixedRows(), 1);
    EXPECT_EQ(wrd.fixedCols(), 0) << "the mnemonic column stays editable";
    EXPECT_EQ(rowTexts(wrd, 0), kHeading);
    struct Expected {
        std::vector<std::string> cells;
        bool hidden;
    };
    const std::vector<Expected> rows{
        {{"STRT", ".", "M", "100.0", ":", "START DEPTH"}, false},
        {{"DO_FILTER", ".", "", "1", ":", "SAVED EDITOR SETTINGS"}, true},
        {{"STOP", ".", "M", "101.0", ":", "STOP DEPTH"}, false},
        {{"FMT_FILTER", ".", "", "12.4", ":", "DATA FORMAT"}, true},
        {{"WELL", ".", "", "KESTREL 7", ":", "WELL"}, false},
        {{"DVCP_FILTER", ".", "", "6 15 60 50", ":", "LAYOUT"}, true},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i + 1));
        EXPECT_EQ(rowTexts(wrd, int(i) + 1), rows[i].cells);
        EXPECT_EQ(wrd.rowHidden(int(i) + 1), rows[i].hidden);
    }
    EXPECT_EQ(state.wellParams.rowUpper(), 5);
    EXPECT_EQ(state.wellParams(0, 0), "STRT");
}

TEST_F(HeaderGridsFixture, FilterSettingItemsAreKnownWithoutRegardToCase)
{
    const std::pair<const char*, bool> cases[] = {
        {"DO_FILTER", true},   {"do_filter", true}, {"Fmt_Filter", true}, {"DVCP_FILTER", true},
        {"DO_FILTERS", false}, {"FILTER", false},   {"", false},          {"STRT", false},
    };
    for (const auto& [mnemonic, expected] : cases)
        EXPECT_EQ(isFilterSettingItem(mnemonic), expected) << mnemonic;
}

TEST_F(HeaderGridsFixture, GridsShadeThePunctuationAndAlignLeft)
{
    const std::string path = write("a.las", kFilterLikeFile);
    fillWellGrid(state, wrd, path, pointer);
    fillParaGrid(parg, path, state.fileParams, pointer);
    for (Grid* grid : {&wrd, &parg}) {
        SCOPED_TRACE(grid->name());
        for (int r = 0; r < grid->rows(); ++r)
            for (int c = 0; c < kHeaderGridCols; ++c) {
                const bool shaded = c == headerCol::Dot || c == headerCol::Colon;
                EXPECT_EQ(grid->backColor(r, c) == kShadeColor, shaded) << r << "," << c;
                EXPECT_EQ(grid->alignment(r, c), platform::Align::LeftCenter);
            }
        EXPECT_TRUE(grid->redraw());
    }
    // Each fill shows the hourglass once and restores the pointer.
    EXPECT_EQ(pointer.changes(), (std::vector<bool>{true, false, true, false}));
}

TEST_F(HeaderGridsFixture, ParameterGridShowsTheItemsAndTheListsOfferEachMnemonicOnce)
{
    const std::string path = write("a.las", kFilterLikeFile);
    parg.setVisible(false);
    for (int load = 0; load < 2; ++load) {
        SCOPED_TRACE("load " + std::to_string(load + 1));
        fillParaGrid(parg, path, state.fileParams, pointer);
        fillParaList(state.fileParams, first, second);
        EXPECT_TRUE(parg.visible());
        ASSERT_EQ(parg.rows(), 3);
        EXPECT_EQ(rowTexts(parg, 0), kHeading);
        EXPECT_EQ(rowTexts(parg, 1),
                  (std::vector<std::string>{"BHT", ".", "DEGC", "85.0", ":", "BOTTOM HOLE TEMPERATURE"}));
        EXPECT_EQ(rowTexts(parg, 2),
                  (std::vector<std::string>{"RMF", ".", "OHMM", "0.12", ":", "MUD FILTRATE RESISTIVITY"}));
        const std::vector<std::string> mnemonics{"BHT", "RMF"};
        EXPECT_EQ(first.items(), mnemonics);
        EXPECT_EQ(second.items(), mnemonics);
        EXPECT_EQ(first.text(), "From Parameter");
        EXPECT_EQ(second.text(), "From Parameter");
        // The user's pick lasts until the next load.
        first.userChoose(1);
        EXPECT_EQ(first.text(), "RMF");
    }
}

TEST_F(HeaderGridsFixture, MissingSectionsGiveEmptyGridsAndLists)
{
    // A previous file's rows, hidden rows and lists must not survive the reload.
    const std::string full = write("a.las", kFilterLikeFile);
    fillWellGrid(state, wrd, full, pointer);
    fillParaGrid(parg, full, state.fileParams, pointer);
    fillParaList(state.fileParams, first, second);

    const std::string bare = write("b.las", kNoWellNoParameters);
    fillWellGrid(state, wrd, bare, pointer);
    fillParaGrid(parg, bare, state.fileParams, pointer);
    fillParaList(state.fileParams, first, second);

    ASSERT_EQ(wrd.rows(), 2);
    EXPECT_EQ(rowTexts(wrd, 0), kHeading);
    EXPECT_EQ(rowTexts(wrd, 1), std::vector<std::string>(6));
    EXPECT_FALSE(wrd.rowHidden(1));
    ASSERT_EQ(parg.rows(), 1);
    EXPECT_EQ(rowTexts(parg, 0), kHeading);
    EXPECT_TRUE(first.items().empty());
    EXPECT_TRUE(second.items().empty());
}

TEST_F(HeaderGridsFixture, MissingFileGivesEmptyGrids)
{
    const std::string missing = dir.file("none.las");
    fillWellGrid(state, wrd, missing, pointer);
    fillParaGrid(parg, missing, state.fileParams, pointer);
    EXPECT_EQ(wrd.rows(), 2);
    EXPECT_EQ(parg.rows(), 1);
    EXPECT_EQ(rowTexts(parg, 0), kHeading);
}

} // namespace
} // namespace corvalet::manipulate
