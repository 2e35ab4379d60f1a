#include "world/ticks.h"

#include <gtest/gtest.h>

namespace wm {
namespace {

TEST(WorldTicks, APartMinuteStillToRunIsToldAsAWholeOne) {
    EXPECT_EQ(wholeMinutes(0), 0);
    EXPECT_EQ(wholeMinutes(1), 1);
    EXPECT_EQ(wholeMinutes(2), 1);
    EXPECT_EQ(wholeMinutes(3), 1);
    EXPECT_EQ(wholeMinutes(4), 2);
    EXPECT_EQ(wholeMinutes(9), 3);
}

TEST(WorldTicks, AMinuteIsThreeTicks) {
    EXPECT_EQ(wholeMinutes(60 * ticksPerMinute), 60);
    EXPECT_EQ(ticksPerMinute, 3);
}

} // namespace
} // namespace wm
