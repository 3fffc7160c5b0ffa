#include "engine/DepthMapping.h"

#include "core/AppState.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace corvalet::engine {
namespace {

// A table shaped as the start-up shapes it, with the given (MD, TVD) stations in rows 1..n.
core::Table<float> table(const std::vector<std::pair<float, float>>& stations)
{
    core::AppState state;
    core::initGlobals(state);
    core::Table<float> t = state.tvdTable;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        t(0, static_cast<int>(i) + 1) = stations[i].first;
        t(1, static_cast<int>(i) + 1) = stations[i].second;
    }
    t(0, 0) = static_cast<float>(stations.size());
    return t;
}

const std::vector<std::pair<float, float>> kWell{{1000, 1000}, {1100, 1090}, {1200, 1170}};

TEST(ConvertDepth, InterpolatesInsideAndExtrapolatesOutside)
{
    const auto MdToTvd = DepthDirection::MdToTvd;
    const auto TvdToMd = DepthDirection::TvdToMd;
    const struct {
        const char* name;
        std::vector<std::pair<float, float>> stations;
        double depth;
        DepthDirection direction;
        double expected;
    } cases[] = {
        {"no station", {}, 1150, MdToTvd, 1150},
        {"one station", {{1000, 990}}, 1150, MdToTvd, 1150},
        {"inside", kWell, 1150, MdToTvd, 1130},
        {"first key", kWell, 1000, MdToTvd, 1000},
        {"inner key", kWell, 1100, MdToTvd, 1090},
        {"last key", kWell, 1200, MdToTvd, 1170},
        {"below", kWell, 1300, MdToTvd, 1250},
        {"above, tie point on the line", kWell, 900, MdToTvd, 900},
        {"back inside", kWell, 1130, TvdToMd, 1150},
        {"back below", kWell, 1250, TvdToMd, 1300},
        // Above the first station the line runs through stations 1 and 3 (slope 0.85 here).
        {"above through rows 1 and 3", {{1000, 980}, {1100, 1080}, {1200, 1150}}, 900, MdToTvd, 895},
        {"above back through rows 1 and 2", {{1000, 980}, {1100, 1080}, {1200, 1150}}, 880, TvdToMd, 900},
        {"above, equal first keys", {{1000, 980}, {1000, 990}, {1200, 1150}}, 900, MdToTvd, 900},
        // With two stations the line above is the one through both of them.
        {"two stations above", {{1000, 980}, {1100, 1060}}, 900, MdToTvd, 900},
        {"two stations below", {{1000, 980}, {1100, 1060}}, 1200, MdToTvd, 1140},
        // A depth a hair above the first station is above it, whatever single precision says.
        {"just above", kWell, 1000 - 1e-10, MdToTvd, 1000 - 1e-10},
        {"equal keys below", {{1000, 980}, {1100, 1060}, {1100, 1070}}, 1200, MdToTvd, 1200},
        {"empty station", {{1000, 980}, {-999.25f, -999.25f}, {1200, 1150}}, 1150, MdToTvd, 1150},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(convertDepth(table(c.stations), c.depth, c.direction), c.expected, 1e-9);
    }
}

TEST(ConvertDepth, StateOverloadAndOutputDepthUnits)
{
    core::AppState state;
    state.tvdTable = table(kWell);
    EXPECT_DOUBLE_EQ(convertDepth(state, 1150), 1130);
    // The table in metres, the output depths in feet (factor 3.28084 ft per m).
    const double f = 3.28084;
    EXPECT_NEAR(mapOutputDepth(state.tvdTable, 1150 * f, f), 1130 * f, 1e-9);
    EXPECT_DOUBLE_EQ(mapOutputDepth(state.tvdTable, 1150, 1.0), 1130);
    EXPECT_DOUBLE_EQ(mapOutputDepth(state.tvdTable, 1150, 0.0), 1130);
}

TEST(TvdTableProblem, NamesTheGridRowOfAnUnusableStation)
{
    EXPECT_EQ(tvdTableProblem(table(kWell)), "");
    EXPECT_EQ(tvdTableProblem(table({})), "");
    EXPECT_EQ(tvdTableProblem(table({{1000, 1000}, {1000, 1000}})), "");
    EXPECT_EQ(tvdTableProblem(table({{1000, 1000}, {-999.25f, 1050}, {1200, 1170}})),
              "Row 3 of the TVD table has no measured or no true vertical depth. Fill it in or remove the row, "
              "then try again.");
    EXPECT_EQ(tvdTableProblem(table({{1000, 1000}, {1100, 1090}, {1050, 1170}})),
              "The measured depth of row 4 of the TVD table is less than the one above it. Measured depths must "
              "not decrease down the table.");
}

} // namespace
} // namespace corvalet::engine
