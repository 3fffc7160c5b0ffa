#pragma once
// Treatment of the missing samples of the combine run's sample array after an input was read
// into it: gap filling by the run's technique, and clearing the rows outside a curve's depth
// limits so that a curve contributes only inside its interval.
#include "core/AppState.h"
#include "core/Records.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvalet::core {
struct AppState;
}
namespace corvalet::platform {
class Dialogs;
}

namespace corvalet::engine {

// The internal NULL as the sample array holds it.
inline constexpr double nullSample = core::internalNull;

// The "Null Fill" techniques of the output settings, with their codes.
enum class NullFillTechnique : int { Linear = 0, FlatTop = 1, None = 2 };
enum class NullFillResult : int { Done = -1, Failed = 0 };

// "Linear", "Flat Top" (case ignored); any other name is None.
[[nodiscard]] NullFillTechnique nullFillTechniqueFromName(std::string_view name);

// Fills the missing rows 1..last of dataMatrix channels firstChannel..lastChannel. Linear joins
// the two samples around each gap by a straight line, leaving the rows above the first and below
// the last sample missing; Flat Top repeats the last sample above each missing row, so rows below
// the last sample take it. None changes nothing. Failed (nothing changed) when a channel lies
// outside the array; Failed when an interpolated value overflows, the rows filled so far staying.
NullFillResult doNullFilling(core::AppState& state, NullFillTechnique technique, int firstChannel,
                             int lastChannel);

// For every selected curve with a from or to depth (0 leaves that end open) sets the rows of its
// output channel above `from` and below `to` to NULL. Row r stands for strt + (r - 1) * step. A
// limit beyond the file's end clears nothing on that side; a whole interval outside the file
// clears the channel.
void nullFillAsRequired(core::AppState& state, const std::vector<core::CurveInfoRec>& curves, double strt,
                        double step);

// What the run does about the gaps of an input it has just read.
enum class GapAction {
    AskUser,      // the input has no constant step (STEP 0)
    ForceLinear,  // the input's step is coarser than the new file's
    UseChosen,    // the technique chosen in the output settings
};
[[nodiscard]] GapAction gapActionFor(double inputStep, double outputStep);

inline constexpr std::string_view fillInSamplesTitle = "Fill in Samples?";
// The question asked for an input without a constant step; the new step is shown as "0.0000".
[[nodiscard]] std::string fillInSamplesText(std::string_view fileName, double outputStep);

// One input just read into dataMatrix, as the gap treatment needs it.
struct ReadInput {
    std::string fileName;  // shown in the question
    double step = 0;       // the input's own STEP; 0 when it is not constant
    int firstChannel = 0;
    int lastChannel = -1;
    const std::vector<core::CurveInfoRec>* curves = nullptr;  // the input's curve records
};

// The new file's depth grid, STRT <= STOP and STEP > 0.
struct OutputDepths {
    double strt = 0;
    double step = 0;
};

// The whole gap treatment after one input was read: an input without a constant step asks the
// user whether to fill it linearly, a coarser input is filled Linear without asking, any other is
// filled by `technique` unless that is None; then the rows outside each selected curve's limits
// are cleared. `technique` belongs to the run: once an input called for Linear it stays Linear for
// the later inputs.
NullFillResult treatInputGaps(core::AppState& state, platform::Dialogs& dialogs, NullFillTechnique& technique,
                              const ReadInput& input, const OutputDepths& output);

} // namespace corvalet::engine
