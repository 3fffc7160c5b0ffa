#include "manipulate/InputSlots.h"

#include "core/AppState.h"

#include <gtest/gtest.h>

namespace corvalet::manipulate {
namespace {

core::FileInfoRec fileFrom(double strt, double stop, double step)
{
    core::FileInfoRec f;
    f.strt = strt, f.stop = stop, f.step = step;
    f.lowDepth = std::min(strt, stop), f.highDepth = std::max(strt, stop);
    f.filePath = "x.las";
    return f;
}

TEST(InputSlots, TypedDepthSnapsToTheStepAndStaysInRange)
{
    const core::FileInfoRec f = fileFrom(100.25, 200, 0.5);
    struct Case { double typed, expected; } cases[] = {
        {100.3, 100.5}, {100.9, 101.0}, {100.75, 100.75}, {99, 100.25}, {250, 200}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_DOUBLE_EQ(computeNearestDepth(c.typed, f), c.expected);
    }
    EXPECT_DOUBLE_EQ(computeNearestDepth(150.3, fileFrom(100, 200, 0)), 150.3) << "a step of 0 snaps nothing";
}

TEST(InputSlots, NearestStepMultipleTiesGoLow)
{
    struct Case { double x, step, expected; } cases[] = {{-0.3, 0.5, -0.5}, {0.25, 0.5, 0}, {0.3, 0.5, 0.5}, {7, 0, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_DOUBLE_EQ(nearestStepMultiple(c.x, c.step), c.expected);
    }
}

TEST(InputSlots, OutputSettingsDerivedFromAnInput)
{
    EXPECT_EQ(outputDepthUnit("ft"), "ft");
    EXPECT_EQ(outputDepthUnit("Metres"), "M");
    EXPECT_EQ(outputDepthUnit(""), "F");
    EXPECT_EQ(outputVersText("2"), "2.0");
    EXPECT_EQ(outputVersText("1.20"), "1.2");
    EXPECT_EQ(outputVersText("3.0"), "3.0");
    EXPECT_EQ(outputDirection(fileFrom(100, 100, 1)), "Deep to Shallow");
    EXPECT_EQ(outputDirection(fileFrom(500, 1000, 1)), "Shallow to Deep");
}

TEST(InputSlots, ColumnsCountOnlyUsedSlotsWithoutIndexCurves)
{
    core::AppState state;
    state.curveInfo[0].resize(6);
    state.curveInfo[1].resize(4);
    state.curveInfo[2].resize(3);
    state.curveInfo[3].resize(9); // stale array of a freed slot
    for (int k = 0; k < 3; ++k)
        state.fileInfo[std::size_t(k)].filePath = "f.las";
    EXPECT_EQ(slotColumnOffset(state, 2), 8) << "slot 2's first curve stands in column 9";
    EXPECT_EQ(totalCurveCount(state), 10);
}

TEST(InputSlots, CoveragePictureHasBandsPerUsedSlot)
{
    core::AppState state;
    core::initGlobals(state);
    state.fileInfo[0] = fileFrom(100, 200, 0.5);
    state.fileInfo[2] = fileFrom(150, 300, 1);
    const CoveragePicture p = coveragePicture(state);
    EXPECT_DOUBLE_EQ(p.scaleTop, 100);
    EXPECT_DOUBLE_EQ(p.scaleHeight, 200);
    ASSERT_EQ(p.lines.size(), 4u);
    ASSERT_EQ(p.boxes.size(), 2u);
    EXPECT_EQ(p.boxes[1], (CoverageBox{2, 20, 29, 150, 300, state.fileColors[2], 0}));
    EXPECT_TRUE(coveragePicture(core::AppState{}).boxes.empty());
}

} // namespace
} // namespace corvalet::manipulate
