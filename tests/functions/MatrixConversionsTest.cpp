#include "functions/MatrixConversions.h"

#include "core/AppState.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvalet::functions {
namespace {

class MatrixConversionsTest : public ::testing::Test {
protected:
    void SetUp() override { core::initGlobals(state); }
    core::AppState state;
};

TEST(MatrixConversionCode, PairsOfRocks)
{
    struct Case {
        int in, out;
        std::int16_t code;
    };
    const Case cases[] = {{0, 1, 1}, {0, 2, 2}, {1, 0, 3}, {1, 2, 4}, {2, 0, 5}, {2, 1, 6},
                          {0, 0, 0}, {1, 1, 0}, {2, 2, 0}, {-1, 1, 0}, {0, 3, 0}, {-1, -1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.in << " -> " << c.out);
        EXPECT_EQ(matrixConversionCode(c.in, c.out), c.code);
    }
}

TEST_F(MatrixConversionsTest, CodeZeroLeavesEveryValueAlone)
{
    for (const double v : {-0.5, -0.02, 0.0, 0.137, 0.5, 1.7}) {
        SCOPED_TRACE(v);
        EXPECT_EQ(densityMatrixConvert(static_cast<float>(v), 0, state), static_cast<float>(v));
        EXPECT_EQ(porosityChartConvert(v, 0, state), v);
        EXPECT_EQ(neutronMatrixConvert(static_cast<float>(v), 0), static_cast<double>(static_cast<float>(v)));
    }
}

TEST_F(MatrixConversionsTest, DensityPorosityThroughBulkDensity)
{
    // Start-up densities: sand 2.65, lime 2.71, dolomite 2.87 on both sides, fluid 1.0.
    struct Case {
        float phi;
        std::int16_t code;
        double expected;
    };
    const Case cases[] = {
        {0.2f, 1, 0.39 / 1.71},              // sand -> lime: bulk 2.32
        {0.2f, 2, (2.87 - 2.32) / 1.87},     // sand -> dolomite
        {0.1f, 3, (2.65 - 2.539) / 1.65},    // lime -> sand: bulk 2.539
        {0.0f, 6, (2.71 - 2.87) / 1.71},     // zero dolomite porosity is negative on lime
        {1.0f, 5, 1.0},                      // pure fluid stays pure fluid
        {0.3f, 7, 0.3},                      // unknown code: unchanged
        {0.3f, -2, 0.3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.phi << " code " << c.code);
        const auto result = densityMatrixConvert(c.phi, c.code, state);
        ASSERT_TRUE(result.has_value());
        EXPECT_NEAR(*result, c.expected, 2e-6);
    }
    EXPECT_EQ(densityMatrixConvert(-999.25f, 1, state), -999.25f);
}

TEST_F(MatrixConversionsTest, DensityPorosityFollowsTheEditedMatrixDensities)
{
    state.matrixValues[4] = 2.68f;  // sand in
    state.matrixValues[8] = 2.72f;  // lime out
    const auto result = densityMatrixConvert(0.2f, 1, state);
    ASSERT_TRUE(result.has_value());
    EXPECT_NEAR(*result, (2.72 - (2.68 - 0.2 * 1.68)) / 1.72, 2e-6);
}

TEST_F(MatrixConversionsTest, DensityPorosityWithFluidAsDenseAsTheMatrixHasNoValue)
{
    state.matrixValues[8] = state.matrixValues[0];
    EXPECT_FALSE(densityMatrixConvert(0.2f, 1, state).has_value());
    EXPECT_TRUE(densityMatrixConvert(0.2f, 2, state).has_value());
}

TEST_F(MatrixConversionsTest, NeutronChartConversions)
{
    struct Case {
        double v;
        std::int16_t code;
        double expected;
        double tolerance;
    };
    const Case cases[] = {
        {0.05, 6, 0.11475, 1e-9},     // dolomite -> lime, three formula ranges
        {0.2, 6, 0.272, 1e-9},
        {0.4, 6, 0.43738, 1e-9},
        {0.2, 1, 0.1571, 5e-5},       // sand -> lime by iteration meets the chart value
        {0.0636, 3, 0.1, 1e-5},       // lime -> sand at a chart point
        {0.18, 3, 0.2 + 0.05 * (0.18 - 0.1571) / (0.2062 - 0.1571), 1e-6},  // between points 5 and 6
        {0.3, 4, 0.2 + 0.05 * (0.3 - 0.272) / (0.3145 - 0.272), 1e-6},
        {0.98, 3, 0.0, 0.0},          // above the chart's last lime value: no interval
        {1.2, 4, 1.0, 1e-7},          // clamped to 1.0 first
        {-0.5, 4, -0.02, 1e-7},       // clamped to -0.02 first
        {0.3, 9, 0.0, 0.0},           // unknown code after the clamp
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.v << " code " << c.code);
        const auto result = porosityChartConvert(c.v, c.code, state);
        ASSERT_TRUE(result.has_value());
        EXPECT_NEAR(*result, c.expected, c.tolerance);
    }
    EXPECT_EQ(porosityChartConvert(-999.25, 3, state), -999.25);
}

TEST_F(MatrixConversionsTest, NeutronChartTwoStepConversionsGoThroughLime)
{
    for (const double v : {-0.02, 0.07, 0.2, 0.33, 0.6}) {
        SCOPED_TRACE(v);
        const auto lime = porosityChartConvert(v, 1, state);
        ASSERT_TRUE(lime.has_value());
        EXPECT_EQ(porosityChartConvert(v, 2, state), porosityChartConvert(*lime, 4, state));
        const auto limeFromDolo = porosityChartConvert(v, 6, state);
        ASSERT_TRUE(limeFromDolo.has_value());
        EXPECT_EQ(porosityChartConvert(v, 5, state), porosityChartConvert(*limeFromDolo, 3, state));
    }
}

TEST_F(MatrixConversionsTest, SandToLimeIterationSatisfiesTheChartEquation)
{
    for (const double v : {-0.02, 0.0, 0.15, 0.45, 1.0}) {
        SCOPED_TRACE(v);
        const auto g = porosityChartConvert(v, 1, state);
        ASSERT_TRUE(g.has_value());
        EXPECT_NEAR(*g + 0.125 * std::sqrt(*g + 0.04) * std::pow(1 - *g, 1.5), v, 1e-4);
    }
}

TEST(NeutronMatrixConvert, ChartVariableOfOneRockGivesThePorosityOfAnother)
{
    // Sand 0.3 lies on the sand lower branch at t = 2.66605; lime's lower branch there gives 0.24908.
    auto result = neutronMatrixConvert(0.3f, 1);
    ASSERT_TRUE(result.has_value());
    EXPECT_NEAR(*result, 0.24908, 1e-5);

    // Converting there and back returns the porosity wherever both lie on the same side of the
    // break, for each of the three pairs of rocks.
    struct Pair {
        std::int16_t there, back;
    };
    for (const Pair p : {Pair{1, 3}, Pair{2, 5}, Pair{4, 6}}) {
        for (const float v : {0.0f, 0.1f, 0.25f, 0.4f}) {
            SCOPED_TRACE(testing::Message() << v << " codes " << p.there << "/" << p.back);
            const auto there = neutronMatrixConvert(v, p.there);
            ASSERT_TRUE(there.has_value());
            const auto back = neutronMatrixConvert(static_cast<float>(*there), p.back);
            ASSERT_TRUE(back.has_value());
            EXPECT_NEAR(*back, v, 1e-5);
        }
    }
}

TEST(NeutronMatrixConvert, UpperPieceAboveTheBreak)
{
    // A lime porosity of 0.6 is on lime's upper branch; sand's chart variable stays above the break.
    const double phi = 0.6;
    const double t = (1.261 + std::sqrt(1.261 * 1.261 - 4 * 0.18149 * (2.6261 - phi))) / (2 * 0.18149);
    ASSERT_GT(t, 4.0152);
    const auto result = neutronMatrixConvert(static_cast<float>(phi), 3);
    ASSERT_TRUE(result.has_value());
    EXPECT_NEAR(*result, 0.18785 * t * t - 1.3406 * t + 2.8694, 1e-6);
}

TEST(NeutronMatrixConvert, PorosityOffTheChartHasNoValueAndUnknownCodesGiveZero)
{
    EXPECT_FALSE(neutronMatrixConvert(-0.5f, 3).has_value());  // percent read as a fraction, negative
    EXPECT_FALSE(neutronMatrixConvert(-1.5f, 1).has_value());  // sand keeps a root down to about -1.16
    EXPECT_EQ(neutronMatrixConvert(0.3f, 7), 0.0);
    EXPECT_EQ(neutronMatrixConvert(0.3f, -1), 0.0);
}

} // namespace
} // namespace corvalet::functions
