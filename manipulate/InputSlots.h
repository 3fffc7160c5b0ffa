#pragma once
// The editor's four input slots: the rules that derive output settings from a loaded input, the
// column layout the input grids share, the depth snapping of typed depths, and the coverage
// picture (which depths each loaded input covers). The loading itself is the editor's
// (Editor::Open4Files); what can be said without a window is here.
#include "core/Records.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvalet::core {
struct AppState;
}

namespace corvalet::manipulate {

inline constexpr int kInputSlotCount = 4;

// Rows of an input grid srd(0..3); column 0 holds the labels.
namespace slotRow {
inline constexpr int Heading = 0;
inline constexpr int Mnem = 1;
inline constexpr int Unit = 2;
inline constexpr int Value = 3;
inline constexpr int Desc = 4;
inline constexpr int Index = 5; // hidden: the curve's number within its file
} // namespace slotRow
inline constexpr int kSlotGridRows = 6;

// The curves of a curve array that the grids show: element 0 is the index curve and is left
// out, so an array of n + 1 records has n curves (an empty array has none).
[[nodiscard]] int curveCount(const std::vector<core::CurveInfoRec>& curves);
// The curves of a slot as the shared column layout counts them: a free slot counts 0, whatever
// its curve array still holds.
[[nodiscard]] int slotCurveCount(const core::AppState& state, int slot);
// The column before the first curve of `slot` in every input grid: the curves of the used
// slots before it. Slot k's curve j stands in column slotColumnOffset(k) + j.
[[nodiscard]] int slotColumnOffset(const core::AppState& state, int slot);
// The curves of all four slots; every input grid has this many columns plus the label column.
[[nodiscard]] int totalCurveCount(const core::AppState& state);

// The depth unit of the new file from an input's STOP unit: "FT", "F" and "M" (any case) stay as
// written; any other unit is "M" when it begins with an M, else "F" (an empty unit too).
[[nodiscard]] std::string outputDepthUnit(std::string_view rangeUnit);
// The VERS text of the new file: a version that reads as 2 or 1.2 is written "2.0" or "1.2";
// any other text stays as it is.
[[nodiscard]] std::string outputVersText(std::string_view versText);
// "Deep to Shallow" when STRT is at or below STOP's depth value (strt - stop >= 0), else
// "Shallow to Deep".
[[nodiscard]] std::string outputDirection(const core::FileInfoRec& file);

// A typed depth snapped for a slot: a depth on one of the file's samples (a whole number of
// steps from STRT) stays; any other becomes the nearest multiple of the step counted from depth
// 0 (halves to the even multiple). The result is held inside the file's depth range. A step of 0
// (a variable sample rate) snaps nothing; the depth is only held inside the range.
[[nodiscard]] double computeNearestDepth(double depth, const core::FileInfoRec& file);
// The multiple of `step` nearest to x; a tie goes to the lower multiple. A step of 0 gives x.
[[nodiscard]] double nearestStepMultiple(double x, double step);

// The coverage picture: a depth-against-file chart in its own scale, depth growing downward
// from scaleTop over scaleHeight, x from 0 over a width of 40. Each used slot has two lines
// across the whole width at its low and high depth, then a box in its band (slot 0 x 1 to 9,
// slot 1 10 to 19, slot 2 20 to 29, slot 3 30 to 39) from its low to its high depth, filled
// with its colour and outlined in black. Colours are 0x00BBGGRR (fileColors).
struct CoverageLine {
    int slot = 0;
    double depth = 0;
    double x1 = 0, x2 = 0;
    std::int32_t color = 0;
    bool operator==(const CoverageLine&) const = default;
};
struct CoverageBox {
    int slot = 0;
    double x1 = 0, x2 = 0;
    double top = 0, bottom = 0;
    std::int32_t fill = 0;
    std::int32_t outline = 0;
    bool operator==(const CoverageBox&) const = default;
};
struct CoveragePicture {
    double scaleTop = 0;
    double scaleHeight = 1;
    double scaleLeft = 0;
    double scaleWidth = 40;
    std::int32_t background = 0;
    std::vector<CoverageLine> lines; // in drawing order, before the boxes
    std::vector<CoverageBox> boxes;
    bool operator==(const CoveragePicture&) const = default;
};
// The picture of the loaded inputs. With no input loaded it is empty. When every input covers
// one depth only, the scale still spans one depth unit, so that a painter never divides by 0.
[[nodiscard]] CoveragePicture coveragePicture(const core::AppState& state);

} // namespace corvalet::manipulate
