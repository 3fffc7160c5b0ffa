#include "engine/DepthMapping.h"

#include "core/AppState.h"
#include "core/TextUtils.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace corvalet::engine {

namespace {

// The number of stations, limited to the rows the table has.
int stationCount(const core::Table<float>& t)
{
    if (t.fieldUpper() < 1 || t.rowUpper() < 0)
        return 0;
    const double n = t(0, 0);
    if (!std::isfinite(n) || n < 0)
        return 0;
    return static_cast<int>(std::min<double>(std::floor(n), t.rowUpper()));
}

bool isEmpty(float cell) { return cell == core::tvdEmpty; }

} // namespace

double convertDepth(const core::Table<float>& t, double depth, DepthDirection direction)
{
    const int n = stationCount(t);
    if (n < 2)
        return depth;
    const int keyField = direction == DepthDirection::TvdToMd ? 1 : 0;
    const int valueField = 1 - keyField;
    auto key = [&](int r) { return static_cast<double>(t(keyField, r)); };
    auto value = [&](int r) { return static_cast<double>(t(valueField, r)); };
    auto usable = [&](int r) { return !isEmpty(t(keyField, r)) && !isEmpty(t(valueField, r)); };

    if (core::isBetween(depth, key(1), key(n))) {
        for (int i = 1; i <= n - 1; ++i) {
            if (!usable(i))
                return depth;  // an empty station: no mapping is better than a made-up one
            if (core::isBetween(depth, key(i + 1), key(i))) {
                if (!usable(i + 1) || key(i + 1) == key(i))
                    return depth;
                const double mapped = value(i) + (depth - key(i)) / (key(i + 1) - key(i)) * (value(i + 1) - value(i));
                return std::isfinite(mapped) ? mapped : depth;
            }
        }
        return depth;
    }

    int a = 0;
    int b = 0;
    // Above or below is decided on the depth itself: a depth a hair above the first station must
    // not be extrapolated from the bottom of the table.
    if (depth < key(1)) {
        if (key(1) == value(1))
            return depth;
        if (direction == DepthDirection::TvdToMd) {
            a = 2;
        } else {
            if (key(1) == key(2))
                return depth;
            a = n <= 2 ? 2 : 3;
        }
        b = 1;
    } else {
        if (key(n) == value(n))
            return depth;
        a = n;
        b = n - 1;
    }
    if (!usable(a) || !usable(b) || key(a) == key(b))
        return depth;
    const double m = (value(a) - value(b)) / (key(a) - key(b));
    const double mapped = m * depth + (value(a) - m * key(a));
    return std::isfinite(mapped) ? mapped : depth;
}

double convertDepth(const core::AppState& state, double depth, DepthDirection direction)
{
    return convertDepth(state.tvdTable, depth, direction);
}

double mapOutputDepth(const core::Table<float>& tvdTable, double depth, double unitFactor)
{
    if (unitFactor == 1.0 || unitFactor == 0 || !std::isfinite(unitFactor))
        return convertDepth(tvdTable, depth, DepthDirection::MdToTvd);
    return convertDepth(tvdTable, depth / unitFactor, DepthDirection::MdToTvd) * unitFactor;
}

std::string tvdTableProblem(const core::Table<float>& t)
{
    const int n = stationCount(t);
    for (int r = 1; r <= n; ++r) {
        const std::string gridRow = platform::plainText(r + 1);
        if (isEmpty(t(0, r)) || isEmpty(t(1, r)))
            return "Row " + gridRow + " of the TVD table has no measured or no true vertical depth. "
                   "Fill it in or remove the row, then try again.";
        if (r > 1 && t(0, r) < t(0, r - 1))
            return "The measured depth of row " + gridRow + " of the TVD table is less than the one above it. "
                   "Measured depths must not decrease down the table.";
    }
    return {};
}

} // namespace corvalet::engine
