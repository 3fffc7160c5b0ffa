#include "core/SectionGrid.h"

#include "TestFiles.h"
#include "core/AppState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvalet::core {
namespace {

using platform::CheckState;
using platform::Grid;
namespace MsgResult = platform::MsgResult;
using platform::ScriptedDialogs;

constexpr const char* kVwcaFile =
    "~Version Information\r\n"
    " VERS.   2.0 : CWLS LOG ASCII STANDARD - VERSION 2.0\r\n"
    " WRAP.   NO  : One line per depth step\r\n"
    "~Well Information\r\n"
    " STRT.M  100.0 : START DEPTH\r\n"
    " STOP.M  101.0 : STOP DEPTH\r\n"
    " STEP.M    0.5 : STEP\r\n"
    "~Curve Information\r\n"
    " DEPT.M   : Depth\r\n"
    " GR  .API : Gamma ray\r\n"
    "~A  DEPT  GR\r\n"
    " 100.0  45.0\r\n"
    " 100.5  46.0\r\n"
    " 101.0  47.0\r\n";

struct SectionGridFixture : ::testing::Test {
    AppState state;
    Grid ord{2, 2, 1, 1, "ord"};
    ScriptedDialogs dialogs;
    test::ScratchDir dir;

    SectionGridFixture() { state.mmmOpen = true; }

    std::vector<std::string> row(int r) const
    {
        std::vector<std::string> texts;
        for (int c = 0; c < ord.cols(); ++c)
            texts.push_back(ord.text(r, c));
        return texts;
    }
    std::vector<CheckState> checks() const
    {
        std::vector<CheckState> states;
        for (int c = 1; c < ord.cols(); ++c)
            states.push_back(ord.checkState(2, c));
        return states;
    }
};

constexpr CheckState kOn = CheckState::Checked;
constexpr CheckState kOff = CheckState::Unchecked;

TEST_F(SectionGridFixture, SetupLaysOutTheEmptyGridOnlyWhileTheEditorIsOpen)
{
    state.mmmOpen = false;
    setupSectionGrid(state, ord);
    EXPECT_EQ(ord.rows(), 2);
    EXPECT_EQ(ord.cols(), 2);

    state.mmmOpen = true;
    setupSectionGrid(state, ord);
    ASSERT_EQ(ord.rows(), 3);
    ASSERT_EQ(ord.cols(), 7);
    EXPECT_EQ(row(0), (std::vector<std::string>{"Order", "1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(ord.text(1, 0), "Section Name");
    EXPECT_EQ(ord.text(2, 0), "Include?");
    EXPECT_EQ(checks(), (std::vector<CheckState>{kOn, kOn, kOn, kOn, CheckState::None, CheckState::None}));
}

TEST_F(SectionGridFixture, LoadPutsAbsentSectionsFirstAndAsciiLast)
{
    const std::string path = dir.file("vwca.las");
    test::writeFile(path, kVwcaFile);
    loadSectionGrid(state, ord, path);
    EXPECT_EQ(row(1), (std::vector<std::string>{"Section Name", "~Parameter", "~Other", "~Version", "~Well", "~Curve",
                                                "~A"}));
    EXPECT_EQ(checks(), (std::vector<CheckState>{kOff, kOff, kOn, kOn, kOn, kOn}));
    const std::vector<std::string> keys = {"~P", "~O", "~V", "~W", "~C", "~A"};
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(ord.cellData(1, c), keys[std::size_t(c - 1)]) << "column " << c;
}

TEST_F(SectionGridFixture, MissingFileGivesSixUncheckedEmptyTitles)
{
    loadSectionGrid(state, ord, dir.file("absent.las"));
    EXPECT_EQ(row(1), (std::vector<std::string>{"Section Name", "~", "~", "~", "~", "~", "~"}));
    EXPECT_EQ(checks(), (std::vector<CheckState>(6, kOff)));
}

TEST_F(SectionGridFixture, AsciiColumnNeverMovesAndTheOrderRowIsRenumbered)
{
    const std::string path = dir.file("vwca.las");
    test::writeFile(path, kVwcaFile);
    loadSectionGrid(state, ord, path);
    const auto links = connectSectionGrid(ord, dialogs);

    const auto titles = row(1);
    EXPECT_FALSE(ord.userMoveColumn(6, 2)) << "dragging ~A";
    EXPECT_FALSE(ord.userMoveColumn(3, 6)) << "dragging onto the ~A place";
    EXPECT_FALSE(ord.userMoveColumn(3, 0)) << "dragging onto the captions";
    EXPECT_EQ(row(1), titles);

    ASSERT_TRUE(ord.userMoveColumn(5, 1)); // ~Curve to the front
    EXPECT_EQ(row(1), (std::vector<std::string>{"Section Name", "~Curve", "~Parameter", "~Other", "~Version", "~Well",
                                                "~A"}));
    EXPECT_EQ(row(0), (std::vector<std::string>{"Order", "1", "2", "3", "4", "5", "6"}));
}

TEST_F(SectionGridFixture, ExcludingVersionWellOrCurveAsksAndNoKeepsItIncluded)
{
    const std::string path = dir.file("vwca.las");
    test::writeFile(path, kVwcaFile);
    loadSectionGrid(state, ord, path);
    const auto links = connectSectionGrid(ord, dialogs);
    ord.setText(1, 3, "~Version Information"); // a chosen title keeps the letter in the cell data

    dialogs.answerMsg(MsgResult::No);
    ASSERT_TRUE(ord.userToggleCheck(2, 3));
    EXPECT_EQ(ord.checkState(2, 3), kOn);
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].title, "Warning!");
    EXPECT_EQ(dialogs.calls()[0].style, 260);
    EXPECT_EQ(dialogs.calls()[0].text, "Choosing not to include this section, ~Version Information, will produce a "
                                       "LAS Certification error. Proceed?");

    dialogs.answerMsg(MsgResult::Yes);
    ASSERT_TRUE(ord.userToggleCheck(2, 5)); // ~Curve
    EXPECT_EQ(ord.checkState(2, 5), kOff);

    dialogs.clearCalls();
    ASSERT_TRUE(ord.userToggleCheck(2, 6)); // ~A asks nothing
    ASSERT_TRUE(ord.userToggleCheck(2, 1)); // ~Parameter: unchecked -> checked
    ASSERT_TRUE(ord.userToggleCheck(2, 1)); // and out again, silently
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(ord.checkState(2, 6), kOff);
}

TEST_F(SectionGridFixture, TitleChoicesAndTipsFollowTheRow)
{
    const std::string path = dir.file("vwca.las");
    test::writeFile(path, kVwcaFile);
    loadSectionGrid(state, ord, path);
    const auto links = connectSectionGrid(ord, dialogs);

    ASSERT_TRUE(ord.beginEdit(1, 4));
    EXPECT_EQ(ord.editList(), "~W|~Well|~Well Information");
    ord.setEditText("~Well Information");
    ord.commitEdit();
    ASSERT_TRUE(ord.beginEdit(1, 4));
    EXPECT_EQ(ord.editList(), "~W|~Well|~Well Information") << "the letter survives a new title";
    ord.cancelEdit();
    ASSERT_TRUE(ord.beginEdit(1, 6));
    EXPECT_EQ(ord.editList(), "~A|~ASCII|");
    ord.cancelEdit();

    const char* tips[] = {"Drag header cell left or right", "Section name", "Check to include section"};
    for (int r = 0; r < 3; ++r) {
        ord.userMouseMove(0, 0, r, 2);
        EXPECT_EQ(ord.toolTipText(), tips[r]);
    }
    ord.userMouseMove(0, 0, 5, 2);
    EXPECT_EQ(ord.toolTipText(), tips[2]) << "other rows leave the tip";
}

} // namespace
} // namespace corvalet::core
