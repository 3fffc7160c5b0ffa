#include "functions/LibraryEditor.h"

#include "functions/Library.h"
#include "platform/Dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace corvalet;
namespace fs = std::filesystem;

namespace {

struct LibraryEditorTest : ::testing::Test {
    core::AppState state;
    platform::ScriptedDialogs dialogs;
    platform::HeadlessWindowHost host;
    fs::path dir = fs::temp_directory_path() / ("libedit-" + std::to_string(::getpid()));

    void SetUp() override
    {
        core::initGlobals(state);
        fs::create_directories(dir);
        functions::parseCurveLibrary("[GR|1|GAPI|API]\r\nGR. :Gamma Ray\r\n\r\n[RES|2|OHMM|OHMM]\r\n",
                                     state.curveGroups, state.curveLibrary);
        functions::parseUnitLibrary("[DEPTH|M]\r\nFT|3.28084|0\r\n", state.unitGroups, state.unitLibrary);
        state.curvesIniPath = (dir / "curves.ini").string();
        state.unitsIniPath = (dir / "units.ini").string();
    }
    void TearDown() override { fs::remove_all(dir); }
};

} // namespace

TEST_F(LibraryEditorTest, GroupAndMemberButtonsEditTheTablesAndExitSavesThem)
{
    functions::LibraryEditor editor(state, dialogs, &host);
    host.show(editor);
    EXPECT_TRUE(state.curvLibOpen);
    // No group row current: the new group goes last.
    editor.lrd.setRow(1);
    editor.pressButton(0);
    EXPECT_EQ(state.curveGroups.rowUpper(), 3);
    // A unit added under a chosen group with no unit row current becomes entry 1.
    editor.ugd.select(2, 0, 2, 0);
    editor.urd.setRow(0);
    editor.pressButton(7);
    EXPECT_EQ(state.unitLibrary(0, 1), "DEPTH");
    EXPECT_EQ(state.unitLibrary(2, 1), "1");
    EXPECT_EQ(state.unitLibrary(1, 2), "FT");
    // Renaming a group keeps its members with it.
    editor.lrd.beginEdit(2, 0);
    editor.lrd.setEditText("GAMMA");
    editor.lrd.commitEdit();
    EXPECT_EQ(state.curveLibrary(0, 1), "GAMMA");
    EXPECT_TRUE(editor.libraryChanged());
    editor.fileExit.press();
    EXPECT_FALSE(state.curvLibOpen);
    core::TextTable groups, library;
    ASSERT_TRUE(functions::loadCurveLibrary(state.curvesIniPath, groups, library));
    EXPECT_EQ(groups(0, 1), "GAMMA");
    EXPECT_EQ(library(0, 1), "GAMMA");
}

TEST_F(LibraryEditorTest, LasChannelsAreMarkedAndAddedToTheirChosenGroup)
{
    const fs::path las = dir / "well.las";
    std::ofstream(las) << "~V\r\nVERS. 2.0 :v\r\n~W\r\nNULL. -999.25 :n\r\n~C\r\nDEPT.M :Depth\r\nGR.GAPI :Gamma\r\n"
                          "ILD.OHMM :Deep\r\n~A\r\n1 2 3\r\n";
    functions::LibraryEditor editor(state, dialogs, &host);
    host.show(editor);
    ASSERT_TRUE(editor.openLASLibAdd(las.string()));
    ASSERT_EQ(editor.ard.rows(), 4);
    EXPECT_EQ(editor.ard.text(2, 5), "GR");
    EXPECT_EQ(editor.ard.backColor(2, 5), functions::kGroupFound);
    EXPECT_EQ(editor.ard.text(1, 5), "<none>");
    EXPECT_EQ(editor.ard.backColor(1, 5), functions::kGroupMissing);
    // RES has no members yet: its first member is appended.
    editor.ard.setText(3, 5, "RES");
    editor.addToLibrary();
    ASSERT_EQ(state.curveLibrary.rowUpper(), 2);
    EXPECT_EQ(state.curveLibrary(1, 2), "ILD");
    EXPECT_EQ(functions::findLibRow("ILD", state.curveGroups, state.curveLibrary), 2);
}

TEST_F(LibraryEditorTest, CloseBoxAsksAndNoDropsTheEdits)
{
    functions::LibraryEditor editor(state, dialogs, &host);
    host.show(editor);
    functions::saveCurveLibrary(state);
    functions::saveUnitLibrary(state);
    editor.lrd.setRow(2);
    editor.pressButton(1);
    EXPECT_EQ(state.curveGroups.rowUpper(), 1);
    dialogs.answerMsg(platform::MsgResult::No);
    host.unload(editor);
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].title, "Save Changes?");
    EXPECT_EQ(state.curveGroups.rowUpper(), 2);
}
