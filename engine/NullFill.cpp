#include "engine/NullFill.h"

#include "core/AppState.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace corvalet::engine {

namespace {

bool isNull(double value) { return value == nullSample; }

// Fills the inner gaps of one channel; false when a value overflows.
bool fillLinear(core::Table<double>& m, int c)
{
    const int last = m.rowUpper();
    int p = 1;
    while (true) {
        int s = p;
        while (s <= last - 1 && !(!isNull(m(c, s)) && isNull(m(c, s + 1))))
            ++s;
        if (s > last - 1)
            return true;
        int e = s;
        while (e <= last - 1 && !(isNull(m(c, e)) && !isNull(m(c, e + 1))))
            ++e;
        if (e > last - 1)
            return true;  // the gap runs to the last row and stays NULL
        const double a = m(c, s);
        const double b = m(c, e + 1);
        for (int r = s + 1; r <= e; ++r) {
            const double v = a + static_cast<double>(r - s) / (e - s + 1) * (b - a);
            if (!std::isfinite(v))
                return false;
            m(c, r) = v;
        }
        // Go on after the filled gap: its rows are data now, even one that came out equal to the
        // NULL value, which must not be taken for a new gap.
        p = e + 1;
    }
}

void fillFlatTop(core::Table<double>& m, int c)
{
    double held = nullSample;
    for (int r = 1; r <= m.rowUpper(); ++r) {
        if (isNull(m(c, r)))
            m(c, r) = held;
        else
            held = m(c, r);
    }
}

} // namespace

NullFillTechnique nullFillTechniqueFromName(std::string_view name)
{
    if (platform::equalsNoCase(name, "Linear"))
        return NullFillTechnique::Linear;
    if (platform::equalsNoCase(name, "Flat Top"))
        return NullFillTechnique::FlatTop;
    return NullFillTechnique::None;
}

NullFillResult doNullFilling(core::AppState& state, NullFillTechnique technique, int firstChannel,
                             int lastChannel)
{
    state.progressText = "Doing Null Filling ...";
    core::Table<double>& m = state.dataMatrix;
    if (technique != NullFillTechnique::Linear && technique != NullFillTechnique::FlatTop)
        return NullFillResult::Done;
    if (firstChannel > lastChannel)
        return NullFillResult::Done;
    if (firstChannel < 0 || lastChannel > m.fieldUpper())
        return NullFillResult::Failed;
    for (int c = firstChannel; c <= lastChannel; ++c) {
        if (technique == NullFillTechnique::Linear) {
            if (!fillLinear(m, c))
                return NullFillResult::Failed;
        } else {
            fillFlatTop(m, c);
        }
    }
    return NullFillResult::Done;
}

void nullFillAsRequired(core::AppState& state, const std::vector<core::CurveInfoRec>& curves, double strt,
                        double step)
{
    state.progressText = "Null filling as required...";
    core::Table<double>& m = state.dataMatrix;
    const std::int64_t lastRow = m.rowUpper();
    if (step == 0 || !std::isfinite(step) || lastRow < 1)
        return;
    for (const core::CurveInfoRec& curve : curves) {
        if (!curve.selected || (curve.fromDepth == 0 && curve.toDepth == 0))
            continue;
        const int c = curve.outChannel;
        if (c < 0 || c > m.fieldUpper())
            continue;
        // The row of a limit, unclamped: a limit above the file's start gives a row below 1,
        // one beyond its end a row above the last.
        std::int64_t first = 1;
        if (curve.fromDepth != 0)
            first = platform::roundHalfEven((curve.fromDepth - strt) / step) + 1;
        std::int64_t last = lastRow;
        if (curve.toDepth != 0)
            last = platform::roundHalfEven((curve.toDepth - strt) / step) + 1;
        const std::int64_t clearAboveTo = std::min(first - 1, lastRow);
        for (std::int64_t r = 1; r <= clearAboveTo; ++r)
            m(c, static_cast<int>(r)) = nullSample;
        for (std::int64_t r = std::max<std::int64_t>(last + 1, 1); r <= lastRow; ++r)
            m(c, static_cast<int>(r)) = nullSample;
    }
}

GapAction gapActionFor(double inputStep, double outputStep)
{
    if (inputStep == 0)
        return GapAction::AskUser;
    if (std::fabs(inputStep) > std::fabs(outputStep))
        return GapAction::ForceLinear;
    return GapAction::UseChosen;
}

std::string fillInSamplesText(std::string_view fileName, double outputStep)
{
    std::string text(fileName);
    text += " has a non-constant sample rate. Do you want to linearly fill any possible NULL gaps between "
            "non-null data (using the specified Null Fill technique), ";
    text += platform::formatMask(outputStep, "0.0000");
    text += " (Yes), or leave discrete values, moved to closest sample depth? (No)";
    return text;
}

NullFillResult treatInputGaps(core::AppState& state, platform::Dialogs& dialogs, NullFillTechnique& technique,
                              const ReadInput& input, const OutputDepths& output)
{
    NullFillResult result = NullFillResult::Done;
    switch (gapActionFor(input.step, output.step)) {
    case GapAction::AskUser: {
        const int answer = dialogs.msgBox(fillInSamplesText(input.fileName, output.step),
                                          platform::MsgStyle::YesNo + platform::MsgStyle::Question,
                                          std::string(fillInSamplesTitle));
        if (answer == platform::MsgResult::Yes) {
            technique = NullFillTechnique::Linear;
            result = doNullFilling(state, technique, input.firstChannel, input.lastChannel);
        }
        break;
    }
    case GapAction::ForceLinear:
        technique = NullFillTechnique::Linear;
        result = doNullFilling(state, technique, input.firstChannel, input.lastChannel);
        break;
    case GapAction::UseChosen:
        if (technique != NullFillTechnique::None)
            result = doNullFilling(state, technique, input.firstChannel, input.lastChannel);
        break;
    }
    if (input.curves != nullptr)
        nullFillAsRequired(state, *input.curves, output.strt, output.step);
    return result;
}

} // namespace corvalet::engine
