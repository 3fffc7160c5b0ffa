#include "platform/BusyPointer.h"

#include <gtest/gtest.h>

using namespace corvalet::platform;

TEST(BusyPointerNesting, OnlyTheOutermostGuardSwitchesThePointer)
{
    RecordingPointerDisplay display;
    {
        BusyPointer outer(display);
        EXPECT_TRUE(display.busy());
        {
            BusyPointer inner(display);
            BusyPointer innermost(display);
            EXPECT_EQ(display.depth(), 3);
        }
        // The inner jobs ended; the outer one still runs under the busy pointer.
        EXPECT_TRUE(display.busy());
        EXPECT_EQ(display.changes(), std::vector<bool>{true});
    }
    EXPECT_FALSE(display.busy());
    EXPECT_EQ(display.changes(), (std::vector<bool>{true, false}));
    EXPECT_EQ(display.depth(), 0);
}

TEST(BusyPointerNesting, UnbalancedLeaveDoesNotUnderflow)
{
    RecordingPointerDisplay display;
    display.leaveBusy();
    EXPECT_TRUE(display.changes().empty());
    {
        BusyPointer guard(display);
    }
    EXPECT_EQ(display.changes(), (std::vector<bool>{true, false}));
}
