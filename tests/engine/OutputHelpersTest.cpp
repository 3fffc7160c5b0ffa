#include "engine/OutputHelpers.h"

#include "core/AppState.h"

#include <gtest/gtest.h>

namespace corvalet::engine {
namespace {

TEST(DelimiterFromName, NamesGiveTheirSeparatorAndAnythingElseOneBlank)
{
    const struct {
        const char* name;
        const char* expected;
    } cases[] = {
        {"Tab", "\t"},   {"TAB", "\t"},     {"Comma", ","}, {"comma", ","},
        {"Space", " "},  {"", " "},         {"Semicolon", " "}, {" Comma", " "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(delimiterFromName(c.name), c.expected);
    }
}

TEST(BuildNumberMask, PointLeavesTheDecimalsAfterItAndTightSettingsGiveNoMask)
{
    const struct {
        int width;
        int decimals;
        const char* expected;
    } cases[] = {
        {10, 4, " 9999.9999"},
        {8, 0, " 999999."},
        {13, 5, " 999999.99999"},
        {4, 3, ".999"},  // the point takes the blank's place
        {0, 0, ""},
        {-3, 0, ""},
        {4, 4, ""},      // the point would fall before the mask
        {6, -1, ""},     // or after it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "/" << c.decimals);
        EXPECT_EQ(buildNumberMask(c.width, c.decimals), c.expected);
    }
    core::AppState state;
    state.dataWidth = 10;
    state.dataDecimals = 4;
    EXPECT_EQ(buildNumberMask(state), " 9999.9999");
}

TEST(FillArray2D, SetsEveryElementIncludingRowAndFieldZero)
{
    for (auto [fields, rows] : {std::pair{2, 1}, std::pair{0, 0}, std::pair{3, 40}}) {
        SCOPED_TRACE(testing::Message() << fields << "x" << rows);
        core::Table<double> t(fields, rows);
        fillArray2D(t, -999.99);
        for (int i = 0; i <= fields; ++i)
            for (int j = 0; j <= rows; ++j)
                EXPECT_EQ(t(i, j), -999.99);  // exact: no round trip through single precision
    }
    core::Table<double> empty;
    fillArray2D(empty, 1.0);
    EXPECT_EQ(empty.rowCount(), 0);
}

} // namespace
} // namespace corvalet::engine
