#pragma once
// The editor's output-settings grid "prd": every output setting and processing option of the new
// file in a fixed grid of 30 rows. The combine run, the command line and the filter reader read and
// write its cells by row and column, so the row numbers below are an interface: every reader uses
// these names, never bare numbers.
//
// Column 0 holds the labels, column 1 the setting (a text, or a check box: the check state of
// column 1), columns 2 and 3 the further options of a few rows.
#include "platform/Grid.h"
#include "platform/Settings.h"

#include <array>
#include <string_view>
#include <vector>

namespace corvalet::core {
struct AppState;
}

namespace corvalet::manipulate {

namespace prdRow {
inline constexpr int Heading = 0;
inline constexpr int From = 1;
inline constexpr int To = 2;
inline constexpr int SampleRate = 3;
inline constexpr int DepthUnits = 4;
inline constexpr int DepthOffset = 5;
inline constexpr int Direction = 6;
inline constexpr int Wrap = 7;
inline constexpr int Vers = 8;
inline constexpr int Null = 9;
inline constexpr int HeaderFile = 10;
inline constexpr int FormatDot = 11;
inline constexpr int FormatValue = 12;
inline constexpr int FormatColon = 13;
inline constexpr int FormatColonPlus = 14;
inline constexpr int DataWidth = 15;
inline constexpr int DataDecimals = 16;
inline constexpr int Blank = 17;
inline constexpr int ProcessingOptions = 18;
inline constexpr int ApplyTvd = 19;
inline constexpr int NullFill = 20;
inline constexpr int RenameDuplicates = 21;
inline constexpr int ParsingOptions = 22;
inline constexpr int FilterFile = 23; // hidden
inline constexpr int DivideFile = 24;
inline constexpr int FillEmptyValDesc = 25;
inline constexpr int MergeParameters = 26;
inline constexpr int PlainAscii = 27;
inline constexpr int KeepInputDetails = 28;
inline constexpr int ApplyKvzFilter = 29;
} // namespace prdRow

inline constexpr int kPrdRows = 30;
inline constexpr int kPrdCols = 4;
inline constexpr int kPrdLabelCol = 0;
inline constexpr int kPrdSettingCol = 1;
inline constexpr int kPrdOptionCol = 2;
inline constexpr int kPrdExtraCol = 3;

// Colours the editor's grids share: the fixed-cell shade of option and punctuation cells, the
// normal background, and the marks of an impossible header layout.
inline constexpr platform::Color kShadeColor = platform::rgb(212, 208, 200);
inline constexpr platform::Color kWhite = platform::rgb(255, 255, 255);
inline constexpr platform::Color kFormatErrorColor = platform::rgb(255, 0, 0);
inline constexpr platform::Color kFormatWarningColor = platform::rgb(255, 255, 128);

// The settings key of "Rename Duplicates?" (application "Corvalet", section "Startup"): the check
// state itself, "1" checked or "2" unchecked.
inline constexpr const char* kRenameDupsKey = "renamedups";

// One entry of the Sample Rate choices: the text the list shows and the rate in inches.
struct SampleRateChoice {
    std::string_view text;
    std::string_view inches;
};
inline constexpr std::array<SampleRateChoice, 5> kSampleRateChoices{{
    {" 1.0    f ( 0.3048 m)", "12"},
    {" 0.5    f ( 0.1524 m)", "6"},
    {" 0.25   f ( 0.0762 m)", "3"},
    {" 0.1667 f ( 0.0508 m)", "2"},
    {" 0.0833 f ( 0.0254 m)", "1"},
}};
// The inches code of a chosen Sample Rate text; "" for a text that is not one of the choices.
[[nodiscard]] std::string_view sampleRateInches(std::string_view text);

// The step a Sample Rate text stands for, in the depth unit of row 4. The text has one of three
// forms: a plain number ("0.5000"), a choice of the list (" 0.5    f ( 0.1524 m)"), or the inches,
// feet and metres form a filter writes (6" 0.5000 f (0.1524 m)). In feet ("F", "FT", or no unit)
// the number just before the "f" counts, in metres the number inside "( ... m)"; reading the
// leading number instead would take the inches for the step. A plain number is taken as it
// stands; 0 when there is none.
[[nodiscard]] double parseSampleRate(std::string_view text, std::string_view depthUnit);

// Builds the grid once when the editor opens: labels, defaults, check boxes ("Rename Duplicates?"
// from the stored setting), the hidden filter row, shading and column widths.
void fillPrd(platform::Grid& prd, const core::AppState& state, const platform::Settings& settings);

// Marks the first impossible header-format position (dotPos, valuePos, colonPos) in column 1 of
// rows 11 to 13: red when it cannot work, light yellow when it leaves too little room. Rows 11 to
// 16 are white otherwise. Changes no value.
void checkFormatSpec(platform::Grid& prd, const core::AppState& state);

// The choice list the cell editor offers for (row, col): "" for free text, "..." for the cell
// button of the filter row.
[[nodiscard]] std::string prdChoiceList(const platform::Grid& prd, const core::AppState& state, int row, int col);

// The user's side of the grid. Before an edit: sets the cell's choice list.
void prdBeforeEdit(platform::Grid& prd, const core::AppState& state, int row, int col);
// After an edit: a header-format row takes effect in its setting (the run and the check read the
// settings) and is checked; a data width and decimals that cannot make a column are refused and
// the cell shows the setting in force. "Rename Duplicates?" is stored.
void prdAfterEdit(platform::Grid& prd, core::AppState& state, platform::Settings& settings, int row, int col);

// Connects the handlers above to the grid's events; they stay connected while the returned
// connections live.
[[nodiscard]] std::vector<platform::Connection> connectSettingsGrid(platform::Grid& prd, core::AppState& state,
                                                                    platform::Settings& settings);

} // namespace corvalet::manipulate
