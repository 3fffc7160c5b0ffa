#include "manipulate/InputSlots.h"

#include "core/AppState.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <algorithm>
#include <cmath>

namespace corvalet::manipulate {

namespace {

bool slotUsed(const core::AppState& state, int slot)
{
    return slot >= 0 && slot < kInputSlotCount && !state.fileInfo[std::size_t(slot)].filePath.empty();
}

// A quotient that floating point leaves a hair off a whole number still counts as whole.
bool isWhole(double q)
{
    return std::abs(q - std::round(q)) <= 1e-9 * std::max(1.0, std::abs(q));
}

} // namespace

int curveCount(const std::vector<core::CurveInfoRec>& curves)
{
    return curves.empty() ? 0 : int(curves.size()) - 1;
}

int slotCurveCount(const core::AppState& state, int slot)
{
    return slotUsed(state, slot) ? curveCount(state.curveInfo[std::size_t(slot)]) : 0;
}

int slotColumnOffset(const core::AppState& state, int slot)
{
    int offset = 0;
    for (int k = 0; k < slot && k < kInputSlotCount; ++k)
        offset += slotCurveCount(state, k);
    return offset;
}

int totalCurveCount(const core::AppState& state) { return slotColumnOffset(state, kInputSlotCount); }

std::string outputDepthUnit(std::string_view rangeUnit)
{
    for (std::string_view kept : {"FT", "F", "M"})
        if (platform::equalsNoCase(rangeUnit, kept))
            return std::string(rangeUnit);
    if (!rangeUnit.empty() && (rangeUnit.front() == 'M' || rangeUnit.front() == 'm'))
        return "M";
    return "F";
}

std::string outputVersText(std::string_view versText)
{
    const double version = platform::leadingNumber(versText);
    if (version == 2.0)
        return "2.0";
    if (version == 1.2)
        return "1.2";
    return std::string(versText);
}

std::string outputDirection(const core::FileInfoRec& file)
{
    return file.strt - file.stop >= 0 ? "Deep to Shallow" : "Shallow to Deep";
}

double computeNearestDepth(double depth, const core::FileInfoRec& file)
{
    double result = depth;
    if (file.step != 0 && !isWhole((depth - file.strt) / file.step))
        result = double(platform::roundHalfEven(depth / file.step)) * file.step;
    if (result < file.lowDepth)
        result = file.lowDepth;
    if (result > file.highDepth)
        result = file.highDepth;
    return result;
}

double nearestStepMultiple(double x, double step)
{
    if (step == 0)
        return x;
    const double lo = double(platform::intFloor(x / step)) * step;
    const double hi = lo + step;
    return std::abs(x - hi) < std::abs(x - lo) ? hi : lo;
}

CoveragePicture coveragePicture(const core::AppState& state)
{
    CoveragePicture picture;
    double top = 0, bottom = 0;
    bool any = false;
    for (int k = 0; k < kInputSlotCount; ++k) {
        if (!slotUsed(state, k))
            continue;
        const core::FileInfoRec& f = state.fileInfo[std::size_t(k)];
        top = any ? std::min(top, f.lowDepth) : f.lowDepth;
        bottom = any ? std::max(bottom, f.highDepth) : f.highDepth;
        any = true;
    }
    if (!any)
        return picture;
    picture.scaleTop = top;
    picture.scaleHeight = bottom > top ? bottom - top : 1.0;
    constexpr double bands[kInputSlotCount][2] = {{1, 9}, {10, 19}, {20, 29}, {30, 39}};
    for (int k = 0; k < kInputSlotCount; ++k) {
        if (!slotUsed(state, k))
            continue;
        const core::FileInfoRec& f = state.fileInfo[std::size_t(k)];
        const std::int32_t color = state.fileColors[std::size_t(k)];
        picture.lines.push_back({k, f.lowDepth, 0, 40, color});
        picture.lines.push_back({k, f.highDepth, 0, 40, color});
    }
    for (int k = 0; k < kInputSlotCount; ++k) {
        if (!slotUsed(state, k))
            continue;
        const core::FileInfoRec& f = state.fileInfo[std::size_t(k)];
        picture.boxes.push_back({k, bands[k][0], bands[k][1], f.lowDepth, f.highDepth,
                                 state.fileColors[std::size_t(k)], 0});
    }
    return picture;
}

} // namespace corvalet::manipulate
