#include "manipulate/SettingsGrid.h"

#include "core/AppState.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace corvalet::manipulate {
namespace {

using platform::CheckState;
using platform::Color;
using platform::Grid;

struct SettingsGridFixture : ::testing::Test {
    core::AppState state;
    platform::MemorySettings settings;
    Grid prd{2, 2, 1, 1, "prd"};

    void storeRenameDups(const std::string& value) { settings.saveSetting("Corvalet", "Startup", "renamedups", value); }
    [[nodiscard]] std::string storedRenameDups() const
    {
        return settings.getSetting("Corvalet", "Startup", "renamedups", "<none>");
    }
    void useSlot(int slot, std::string path) { state.fileInfo[std::size_t(slot)].filePath = std::move(path); }
    void fill() { fillPrd(prd, state, settings); }
};

TEST_F(SettingsGridFixture, FreshGridHasTheThirtyLabelledRowsAndDefaults)
{
    fill();
    ASSERT_EQ(prd.rows(), kPrdRows);
    ASSERT_EQ(prd.cols(), kPrdCols);
    const std::vector<std::string> labels{"Item",
                                          "From",
                                          "To",
                                          "Sample Rate",
                                          "Depth Units",
                                          "Depth Offset",
                                          "Direction",
                                          "WRAP",
                                          "VERS",
                                          "Null",
                                          "Header File",
                                          "Format: Dot @",
                                          "Value @",
                                          "Colon @",
                                          "+ in Well  @",
                                          "Data Width",
                                          "Data # decimals",
                                          "",
                                          "Processing Options",
                                          "Apply TVD",
                                          "Null Fill",
                                          "Rename Duplicates?",
                                          "Parsing Options",
                                          "",
                                          "Divide File",
                                          "Fill Empty VALU and DESC",
                                          "Merge ~P sections",
                                          "Make into Plain Ascii",
                                          "Keep Input Details",
                                          "Apply KVZ Filter"};
    for (int r = 0; r < kPrdRows; ++r)
        EXPECT_EQ(prd.text(r, 0), labels[std::size_t(r)]) << "row " << r;
    EXPECT_EQ(prd.text(0, 1), "Setting");
    EXPECT_EQ(prd.text(0, 2), "Options");

    // The loading of an input fills rows 1 to 16; a fresh grid leaves them empty.
    for (int r = prdRow::From; r <= prdRow::DataDecimals; ++r)
        EXPECT_EQ(prd.text(r, 1), "") << "row " << r;
    EXPECT_EQ(prd.text(prdRow::FormatDot, 2), "User");
    EXPECT_EQ(prd.text(prdRow::NullFill, 1), "None");
    EXPECT_EQ(prd.text(prdRow::ParsingOptions, 1), "Auto (preferred)");
    EXPECT_EQ(prd.text(prdRow::DivideFile, 1), "None");

    const std::vector<std::pair<int, CheckState>> checks{
        {prdRow::ApplyTvd, CheckState::Unchecked},         {prdRow::RenameDuplicates, CheckState::Checked},
        {prdRow::FillEmptyValDesc, CheckState::Unchecked}, {prdRow::MergeParameters, CheckState::Unchecked},
        {prdRow::PlainAscii, CheckState::Unchecked},       {prdRow::KeepInputDetails, CheckState::Unchecked},
        {prdRow::ApplyKvzFilter, CheckState::Unchecked}};
    for (const auto& [row, check] : checks)
        EXPECT_EQ(prd.checkState(row, 1), check) << "row " << row;
    // Rows that hold a text have no check box.
    EXPECT_EQ(prd.checkState(prdRow::NullFill, 1), CheckState::None);

    for (int r = 0; r < kPrdRows; ++r)
        EXPECT_EQ(prd.rowHidden(r), r == prdRow::FilterFile) << "row " << r;
}

TEST_F(SettingsGridFixture, FreshGridShadesOptionCellsAndBoldsHeadings)
{
    fill();
    for (int r = 0; r < kPrdRows; ++r) {
        SCOPED_TRACE("row " + std::to_string(r));
        const bool bold = r == prdRow::Heading || r == prdRow::ProcessingOptions;
        EXPECT_EQ(prd.bold(r, 0), bold);
        const bool optionKept = r == 0 || r == prdRow::From || r == prdRow::To || r == prdRow::HeaderFile ||
                                r == prdRow::FormatDot || r == prdRow::FilterFile;
        EXPECT_EQ(prd.backColor(r, 2) == kShadeColor, !optionKept);
        EXPECT_EQ(prd.backColor(r, 3) == kShadeColor, r >= 1 && r <= prdRow::PlainAscii);
        EXPECT_EQ(prd.backColor(r, 1) == kShadeColor, r == prdRow::ProcessingOptions);
    }
}

TEST_F(SettingsGridFixture, CheckBoxesFollowTheSharedState)
{
    struct Case {
        const char* name;
        bool fillCVal, fillCDESC;
        const char* slot1;
        CheckState fillEmpty, merge;
    };
    const Case cases[] = {
        {"nothing set", false, false, "", CheckState::Unchecked, CheckState::Unchecked},
        {"fill values", true, false, "", CheckState::Checked, CheckState::Unchecked},
        {"fill descriptions", false, true, "", CheckState::Checked, CheckState::Unchecked},
        {"second input used", false, false, "/w/b.las", CheckState::Unchecked, CheckState::Checked},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state.fillCVal = c.fillCVal;
        state.fillCDESC = c.fillCDESC;
        useSlot(1, c.slot1);
        fill();
        EXPECT_EQ(prd.checkState(prdRow::FillEmptyValDesc, 1), c.fillEmpty);
        EXPECT_EQ(prd.checkState(prdRow::MergeParameters, 1), c.merge);
    }
}

TEST_F(SettingsGridFixture, RenameDuplicatesFollowsTheStoredCheckState)
{
    struct Case {
        std::optional<std::string> stored;
        CheckState expected;
    };
    const Case cases[] = {
        {std::nullopt, CheckState::Checked}, {"1", CheckState::Checked},   {"2", CheckState::Unchecked},
        {" 2", CheckState::Unchecked},       {"7", CheckState::Checked},   {"abc", CheckState::Checked},
        {"0", CheckState::Checked},          {"2.5", CheckState::Checked}, {"", CheckState::Checked},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.value_or("<missing>"));
        settings.deleteSetting("Corvalet", "Startup", "renamedups");
        if (c.stored)
            storeRenameDups(*c.stored);
        fill();
        EXPECT_EQ(prd.checkState(prdRow::RenameDuplicates, 1), c.expected);
    }
}

TEST_F(SettingsGridFixture, FormatCheckMarksTheFirstImpossiblePosition)
{
    const Color red = kFormatErrorColor, yellow = kFormatWarningColor;
    struct Case {
        int dot, value, colon;
        int markedRow; // 0: none
        Color color;
    };
    const Case cases[] = {
        {6, 15, 60, 0, kWhite},               // the defaults
        {6, 7, 60, prdRow::FormatValue, red}, // 7 < 6 + 2
        {6, 9, 10, prdRow::FormatColon, red}, // 10 < 9 + 2
        {6, 15, 0, prdRow::FormatColon, red},
        {0, 15, 60, prdRow::FormatDot, red},
        {6, 0, 60, prdRow::FormatValue, red},
        {4, 15, 60, prdRow::FormatDot, yellow},
        {6, 8, 60, 0, kWhite},
        {5, 7, 9, 0, kWhite},
        {6, 15, 8, prdRow::FormatColon, red}, // 8 < 15 + 2 comes before the warning
        {4, 5, 60, prdRow::FormatValue, red}, // an error is never hidden by a warning
        {6, 8, 10, 0, kWhite},
        {3, 6, 8, prdRow::FormatDot, yellow},
    };
    fill();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.dot) + " " + std::to_string(c.value) + " " + std::to_string(c.colon));
        // A colour left over from an earlier check must go.
        prd.setBackColor(prdRow::DataWidth, 1, red);
        state.dotPos = c.dot, state.valuePos = c.value, state.colonPos = c.colon;
        checkFormatSpec(prd, state);
        for (int r = prdRow::FormatDot; r <= prdRow::DataDecimals; ++r)
            EXPECT_EQ(prd.backColor(r, 1), r == c.markedRow ? c.color : kWhite) << "row " << r;
    }
}

TEST_F(SettingsGridFixture, ChoiceListsByCell)
{
    useSlot(0, "/w/a.las");
    useSlot(2, "/w/c.las");
    fill();
    struct Case {
        int row, col;
        const char* list;
    };
    const Case cases[] = {
        {prdRow::From, 1, ""},
        {prdRow::To, 1, ""},
        {prdRow::DepthUnits, 1, "F|M|FT"},
        {prdRow::DepthOffset, 1, ""},
        {prdRow::Direction, 1, "Deep to Shallow|Shallow to Deep"},
        {prdRow::Wrap, 1, "No|Yes"},
        {prdRow::Vers, 1, "1.2|2.0"},
        {prdRow::Null, 1, "|-999.25|-99999"},
        {prdRow::HeaderFile, 1, "/w/a.las|/w/c.las"},
        {prdRow::FormatValue, 1, ""},
        {prdRow::NullFill, 1, "None|Linear|Flat Top"},
        {prdRow::ParsingOptions, 1, "Auto (preferred)|Column width of:"},
        {prdRow::FilterFile, 1, "..."},
        {prdRow::DivideFile, 1, "None|By Depth|By Curve"},
        {prdRow::From, 2, "Min|Max|Fit"},
        {prdRow::To, 2, "Min|Max|Fit"},
        {prdRow::FormatDot, 2, "User|File 1|File 3|"},
        {prdRow::HeaderFile, 2, ""},
        {prdRow::ParsingOptions, 2, ""},
        {prdRow::PlainAscii, 2, ""}, // only while the row is checked
        {prdRow::PlainAscii, 3, ""},
        {prdRow::From, 3, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("row " + std::to_string(c.row) + " col " + std::to_string(c.col));
        EXPECT_EQ(prdChoiceList(prd, state, c.row, c.col), c.list);
    }
    prd.setCheckState(prdRow::PlainAscii, 1, CheckState::Checked);
    EXPECT_EQ(prdChoiceList(prd, state, prdRow::PlainAscii, 2), "No Header|MNEM|MNEM.UNIT|One line each");
    EXPECT_EQ(prdChoiceList(prd, state, prdRow::PlainAscii, 3), "Space|Tab|Comma");
}

TEST_F(SettingsGridFixture, SampleRateChoicesCarryTheirInches)
{
    fill();
    prdBeforeEdit(prd, state, prdRow::SampleRate, 1);
    const std::vector<std::string> expected{" 1.0    f ( 0.3048 m)", " 0.5    f ( 0.1524 m)", " 0.25   f ( 0.0762 m)",
                                            " 0.1667 f ( 0.0508 m)", " 0.0833 f ( 0.0254 m)"};
    EXPECT_EQ(prd.editChoices(), expected);
    EXPECT_FALSE(prd.editListIsEditable());
    const char* inches[] = {"12", "6", "3", "2", "1"};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(sampleRateInches(expected[i]), inches[i]);
    EXPECT_EQ(sampleRateInches("0.5"), "");
}

TEST(SampleRateText, EveryFormGivesTheStepInTheDepthUnit)
{
    struct Case {
        const char* text;
        const char* unit;
        double step;
    };
    const Case cases[] = {
        {"0.5000", "F", 0.5},
        {"0.1524", "M", 0.1524},
        {"-0.25", "FT", -0.25},
        {" 0.5    f ( 0.1524 m)", "F", 0.5},
        {" 0.5    f ( 0.1524 m)", "FT", 0.5},
        {" 0.5    f ( 0.1524 m)", "M", 0.1524},
        {" 0.1667 f ( 0.0508 m)", "m", 0.0508},
        {" 1.0    f ( 0.3048 m)", "", 1.0},
        {"6\" 0.5000 f (0.1524 m)", "F", 0.5}, // not the 6 inches in front
        {"6\" 0.5000 f (0.1524 m)", "M", 0.1524},
        {"12\" 1.0000 F (0.3048 m)", "FT", 1.0},
        {"0.5 f", "M", 0.5 * 0.3048}, // no metres given: the feet converted
        {"", "F", 0.0},
        {"abc", "F", 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in " + c.unit);
        EXPECT_DOUBLE_EQ(parseSampleRate(c.text, c.unit), c.step);
    }
    // Every choice of the list reads back as its own feet and metres.
    for (const SampleRateChoice& choice : kSampleRateChoices) {
        SCOPED_TRACE(std::string(choice.text));
        const double inches = platform::leadingNumber(choice.inches);
        EXPECT_NEAR(parseSampleRate(choice.text, "F"), inches / 12, 0.0001);
        EXPECT_NEAR(parseSampleRate(choice.text, "M"), inches * 0.0254, 0.0001);
    }
}

TEST_F(SettingsGridFixture, NoInputGivesOnlyTheUserFormatSourceAndNoHeaderFiles)
{
    fill();
    EXPECT_EQ(prdChoiceList(prd, state, prdRow::FormatDot, 2), "User|");
    EXPECT_EQ(prdChoiceList(prd, state, prdRow::HeaderFile, 1), "");
}

TEST_F(SettingsGridFixture, EditingAFormatRowTakesEffectAndIsChecked)
{
    state.dotPos = 6, state.valuePos = 15, state.colonPos = 60;
    fill();
    const auto links = connectSettingsGrid(prd, state, settings);
    struct Case {
        int row;
        const char* typed;
        int expected;
        int* setting;
        int markedRow;
    };
    const Case cases[] = {
        {prdRow::FormatValue, "7", 7, &state.valuePos, prdRow::FormatValue},
        {prdRow::FormatValue, "15", 15, &state.valuePos, 0},
        {prdRow::FormatDot, "4", 4, &state.dotPos, prdRow::FormatDot},
        {prdRow::FormatDot, "6", 6, &state.dotPos, 0},
        {prdRow::FormatColon, "abc", 0, &state.colonPos, prdRow::FormatColon},
        {prdRow::FormatColon, "1e40", 1000000, &state.colonPos, 0},
        {prdRow::FormatColon, "60", 60, &state.colonPos, 0},
        {prdRow::FormatColonPlus, "50", 50, &state.colonPlusPos, 0},
        {prdRow::DataWidth, "14", 14, &state.dataWidth, 0},
        {prdRow::DataDecimals, "4", 4, &state.dataDecimals, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("row ") + std::to_string(c.row) + " = " + c.typed);
        ASSERT_TRUE(prd.beginEdit(c.row, 1));
        prd.setEditText(c.typed);
        prd.commitEdit();
        EXPECT_EQ(prd.text(c.row, 1), c.typed);
        EXPECT_EQ(*c.setting, c.expected);
        for (int r = prdRow::FormatDot; r <= prdRow::FormatColon; ++r)
            EXPECT_EQ(prd.backColor(r, 1) != kWhite, r == c.markedRow) << "row " << r;
    }
}

TEST_F(SettingsGridFixture, AColumnFormatThatCannotWorkIsRefused)
{
    state.dataWidth = 13, state.dataDecimals = 5;
    fill();
    prd.setText(prdRow::DataWidth, 1, "13");
    prd.setText(prdRow::DataDecimals, 1, "5");
    const auto links = connectSettingsGrid(prd, state, settings);
    struct Case {
        int row;
        const char* typed;
        const char* shown;
        int width, decimals;
    };
    const Case cases[] = {
        {prdRow::DataWidth, "0", "13", 13, 5},
        {prdRow::DataWidth, "abc", "13", 13, 5},
        {prdRow::DataWidth, "5", "13", 13, 5}, // no room for the integer digits
        {prdRow::DataDecimals, "13", "5", 13, 5},
        {prdRow::DataDecimals, "-1", "5", 13, 5},
        {prdRow::DataWidth, "10", "10", 10, 5},
        {prdRow::DataDecimals, "0", "0", 10, 0},
        {prdRow::DataDecimals, "9", "9", 10, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("row ") + std::to_string(c.row) + " = " + c.typed);
        ASSERT_TRUE(prd.beginEdit(c.row, 1));
        prd.setEditText(c.typed);
        prd.commitEdit();
        EXPECT_EQ(prd.text(c.row, 1), c.shown);
        EXPECT_EQ(state.dataWidth, c.width);
        EXPECT_EQ(state.dataDecimals, c.decimals);
    }
}

TEST_F(SettingsGridFixture, GridEventsOfferListsAndStoreRenameDuplicates)
{
    fill();
    const auto links = connectSettingsGrid(prd, state, settings);
    ASSERT_TRUE(prd.beginEdit(prdRow::Wrap, 1));
    EXPECT_EQ(prd.editList(), "No|Yes");
    prd.cancelEdit();
    ASSERT_TRUE(prd.beginEdit(prdRow::DepthOffset, 1));
    EXPECT_EQ(prd.editList(), "") << "a cell without a list offers none, whatever the last edit offered";
    prd.cancelEdit();

    ASSERT_TRUE(prd.userToggleCheck(prdRow::RenameDuplicates, 1));
    EXPECT_EQ(prd.checkState(prdRow::RenameDuplicates, 1), CheckState::Unchecked);
    EXPECT_EQ(storedRenameDups(), "2");
    ASSERT_TRUE(prd.userToggleCheck(prdRow::RenameDuplicates, 1));
    EXPECT_EQ(storedRenameDups(), "1");

    // Other check boxes are not stored.
    settings.deleteSetting("Corvalet", "Startup", "renamedups");
    ASSERT_TRUE(prd.userToggleCheck(prdRow::KeepInputDetails, 1));
    EXPECT_EQ(storedRenameDups(), "<none>");
}

} // namespace
} // namespace corvalet::manipulate
