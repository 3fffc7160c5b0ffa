#pragma once
// The function request record: one line of text per computed output channel, kept in the cell
// data of the "Function" row of the new-file channel grid. Eight fields separated by "|":
//   1 function number (" 9": a leading blank when not negative)
//   2..5 parameters p1..p4, as the function needs them (any may be empty)
//   6 input curve number (" 3"; " 0" when no input curve is chosen)
//   7 mnemonic of the new curve
//   8 history text, "was :" + input curve + " " + description
// Example: " 10|2|0|5|1| 3|GRN|was :GR A=2 B=0 C=5 n=1".
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace corvalet::core {
struct AppState;
struct UnitPair;
} // namespace corvalet::core

namespace corvalet::platform {
class Dialogs;
class Grid;
} // namespace corvalet::platform

namespace corvalet::functions {

inline constexpr int functionCount = 16;

// Function numbers (the function list index; funTable row less one).
namespace FunctionNumber {
inline constexpr int Res2Cond = 0;
inline constexpr int Cond2Res = 1;
inline constexpr int BulkDen2Poro = 2;
inline constexpr int Poro2BulkDen = 3;
inline constexpr int DenMatrix = 4;
inline constexpr int Dt2Poro = 5;
inline constexpr int Poro2Dt = 6;
inline constexpr int NporCp1e = 7;
inline constexpr int NphiCp1c = 8;
inline constexpr int NeutCr2Poro = 9;
inline constexpr int Math = 10;
inline constexpr int MinMax = 11;
inline constexpr int AvePoro = 12;
inline constexpr int Replace = 13;
inline constexpr int Average = 14;
inline constexpr int Scale = 15;
} // namespace FunctionNumber

// The text that stands in a count-rate box when the rate is taken from the log itself.
inline constexpr std::string_view fromLogText = "From_Log";

// One record split into its fields.
struct FunctionRecord {
    // Set only when field 1 is a whole number 0..15; anything else means "no function".
    std::optional<int> function;
    std::array<std::string, 4> parameters;  // p1..p4 as stored
    int inputCurve = 0;                     // field 6
    std::string mnemonic;                   // field 7
    std::string history;                    // field 8

    // p1..p4 (index 0..3) read as the leading-number value: "" and non-numbers read 0.
    [[nodiscard]] double parameterValue(int index) const;
    [[nodiscard]] bool parameterEmpty(int index) const;
};

// Splits a record. Numbers are accepted with or without blanks around them, as records composed
// elsewhere (filter files) write them; field 8 runs to the end of the text.
[[nodiscard]] FunctionRecord parseFunctionRecord(std::string_view record);

// Joins the fields: field 1 and field 6 with their leading blank, field 1 empty when there is no
// function.
[[nodiscard]] std::string formatFunctionRecord(const FunctionRecord& record);

// What the function dialog's boxes hold when OK is pressed. List indexes are -1 when nothing is
// selected.
struct FunctionRequestInput {
    int function = -1;                  // funLst
    int inputCurveIndex = -1;           // fNamT list index
    std::string inputCurveText;         // fNamT text
    std::string newMnemonic;            // conTL text
    std::array<std::string, 2> parT;    // the two parameter boxes
    std::array<int, 2> matrixIndex{-1, -1};    // matr(0) in, matr(1) out
    std::array<std::string, 2> matrixEntry;    // their selected entries, e.g. "Sand: 2.650"
    std::array<std::string, 4> ncr;     // high count rate, low count rate, high porosity, low porosity
    std::array<std::string, 4> fT;      // A, B, C, n of MATH
    bool weightedAverage = true;        // funOpt(0): 0.5, 1, 0.5 weights; else a plain average
    std::string aveT;                   // number of points
    bool logScale = false;              // llChk
    std::array<std::string, 4> linlogT; // new left/right scale, old left/right track
};

enum class RequestOutcome {
    Built,       // record holds the request
    NoFunction,  // no function chosen: nothing to store
    Refused,     // a calibration check failed; its message was shown
    Failed,      // the boxes could not make a record (no message)
};

struct RequestResult {
    RequestOutcome outcome = RequestOutcome::Failed;
    std::string record;  // "" unless Built
};

// Builds the record from the dialog's boxes (AddFunToList). Density and slowness parameters of
// functions 2, 3, 5 and 6 are stored in the internal unit: the box value divided by the factor of
// the shown unit, formatted "0.00". For NEUTCR2PORO the count rates and porosities are checked
// first; a failed check shows its critical message through `dialogs` and refuses the request.
[[nodiscard]] RequestResult buildFunctionRequest(const FunctionRequestInput& input, const core::UnitPair& densityUnit,
                                                 const core::UnitPair& sonicUnit, platform::Dialogs& dialogs);

// The description that follows "was :" + input curve + " " in field 8; empty when the boxes can
// not make one (a matrix entry of NPORCP1E or NPHICP1c without its ":").
[[nodiscard]] std::optional<std::string> functionDescription(const FunctionRequestInput& input);

// Rows of the new-file channel grid that hold a channel's name and its function.
inline constexpr int channelMnemRow = 1;
inline constexpr int channelFunctionRow = 7;
inline constexpr std::string_view noFunctionText = "<none>";

// The record of the channel in grid column `column`, or "" when the channel computes nothing (the
// cell data is empty or the cell shows "<none>").
[[nodiscard]] std::string channelFunctionRecord(const platform::Grid& channels, int column);

// Stores a record returned by the dialog into the channel's column: an empty record, or one that
// names no function, leaves the channel without a function ("<none>", no cell data); otherwise
// the cell data takes the record, the cell shows the function's caption from funTable and the
// channel's name row shows the new mnemonic.
void storeFunctionRecord(platform::Grid& channels, int column, const std::string& record, const core::AppState& state);

} // namespace corvalet::functions
