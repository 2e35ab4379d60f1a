#include "world/line_tables.h"

#include <gtest/gtest.h>

namespace wm {
namespace {

TEST(WorldLineTables, SpeedClassByTrainType) {
    for (int t = 0; t <= 7; ++t) EXPECT_EQ(speedClass(t), 1) << t;
    EXPECT_EQ(speedClass(8), 2);
    EXPECT_EQ(speedClass(9), 2);
    for (int t = 10; t <= 12; ++t) EXPECT_EQ(speedClass(t), 3) << t;
}

TEST(WorldLineTables, RunningTimesPerLineAndClass) {
    EXPECT_EQ(lineRunningTime(1, 1), 7);
    EXPECT_EQ(lineRunningTime(1, 3), 13);
    EXPECT_EQ(lineRunningTime(3, 2), 7);
    EXPECT_EQ(lineRunningTime(8, 3), 10);
    EXPECT_EQ(lineRunningTime(20, 1), 5);
    EXPECT_EQ(lineRunningTime(23, 3), 14);
    EXPECT_EQ(lineRunningTime(9, 3), 1);
}

TEST(WorldLineTables, HeadwayIsOneMoreThanTheTableValue) {
    EXPECT_EQ(lineHeadway(1, 1), 5);
    EXPECT_EQ(lineHeadway(1, 3), 9);
    EXPECT_EQ(lineHeadway(2, 1), 2);
    EXPECT_EQ(lineHeadway(21, 2), 3);
    EXPECT_EQ(lineHeadway(22, 3), 4);
    EXPECT_EQ(lineHeadway(16, 2), 2);
}

TEST(WorldLineTables, YardTrainsTakeLongerOnTheNorthLines) {
    // Express passenger into the platforms, then a slow freight into each yard.
    EXPECT_EQ(arrivalRunningTime(1, 15, 0), 7);
    EXPECT_EQ(arrivalRunningTime(1, 16, 12), 13 + 3);
    EXPECT_EQ(arrivalRunningTime(7, 17, 9), 7 + 2);
    EXPECT_EQ(arrivalRunningTime(2, 17, 4), 4 + 1);
}

TEST(WorldLineTables, YardTrainsTakeLessOnTheSouthLinesExceptTwentyThree) {
    EXPECT_EQ(arrivalRunningTime(20, 16, 10), 10 - 3);
    EXPECT_EQ(arrivalRunningTime(22, 17, 8), 10 - 2);
    EXPECT_EQ(arrivalRunningTime(21, 15, 10), 14);
    EXPECT_EQ(arrivalRunningTime(23, 16, 10), 14);
}

TEST(WorldLineTables, ApproachAndEdgeTimesOfTheMovementCode) {
    EXPECT_EQ(approachTime(16, 1, 12), 13 + 3); // slow freight into the up yard from the north
    EXPECT_EQ(approachTime(17, 21, 9), 10 - 2);
    EXPECT_EQ(approachTime(17, 23, 9), 10); // line 23 is never adjusted
    EXPECT_EQ(approachTime(15, 2, 0), 4);
    EXPECT_EQ(approachTime(15, 12, 0), 1);
    EXPECT_EQ(edgeMinutes(1, 3), 8);
    EXPECT_EQ(edgeTime(1, 0), 5);
    EXPECT_EQ(edgeTime(23, 10), 4);
    EXPECT_EQ(edgeTime(9, 8), 2);
}

TEST(WorldLineTables, OtherLinesAreNotAdjusted) {
    EXPECT_EQ(arrivalRunningTime(11, 16, 12), 1);
    EXPECT_EQ(arrivalRunningTime(16, 17, 9), 1);
}

} // namespace
} // namespace wm
