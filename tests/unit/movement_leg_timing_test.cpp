// When a leg's train starts, how long each section stays locked behind it, and when it reaches the end.

#include "movement_fixture.h"

#include "movement/leg_timing.h"

namespace wm {
namespace {

class LegTiming : public MoveFixture {
  protected:
    /// A departure of the type standing formed at the place with its engine at place 3.
    void standingDeparture(LocationId place, int line, int time, int trainType) {
        const DepartureIndex d = addDeparture(line, line == 17 ? 17 : 15, time, trainType);
        s().departures[d].state = departureReady;
        at(place).occState = occDeparture;
        at(place).occupant = d;
        putEngine(place, 3, 1);
        order(place, 68, 3, 1, true);
    }
};

TEST_F(LegTiming, EachSectionStaysLockedUntilTheTrainHasPassedItSlowTrainsLongerOnSlowSections) {
    standingDeparture(144, 17, 700, 12);
    leg(144, 68, {149, 150, 151});
    EXPECT_EQ(timer(149), 3);
    EXPECT_EQ(timer(150), 6);
    EXPECT_EQ(timer(151), 9);
    EXPECT_EQ(at(144).busyTicks, 1);
    EXPECT_EQ(at(68).busyTicks, 9);

    standingDeparture(145, 17, 700, 9); // band 2, over a section that is not slow in the middle
    leg(145, 68, {152, 230, 153});
    EXPECT_EQ(timer(152), 2);
    EXPECT_EQ(timer(230), 3);
    EXPECT_EQ(timer(153), 5);

    // A total below 1 is stored as 1, and the list ends at its first 0.
    const int sections[] = {10, 11, 0, 13};
    EXPECT_EQ(lockLegSections(s(), sections, -3, 1), -1);
    EXPECT_EQ(timer(10), 1);
    EXPECT_EQ(timer(13), 0);
}

TEST_F(LegTiming, AThroughRunGivesExpressesAndFastFreightsAtLeastFourTicksToStart) {
    for (int trainType : {0, 2, 3, 9, 4}) {
        SCOPED_TRACE(trainType);
        clearLocation(s(), 95);
        const ArrivalIndex a = addArrival(2, 15, 600, trainType, 1);
        at(95).occState = occArrival;
        at(95).occupant = a;
        putEngine(95, 2, 1);
        order(95, 68, 2, 1, true);
        move.throughRun = true;
        leg(95, 68, {232, 211});
        const int start = trainType == 4 ? 0 : 4;
        EXPECT_EQ(at(95).busyTicks, start + 1);
        EXPECT_EQ(timer(211), start + 2);
    }
}

TEST_F(LegTiming, AFormedPassengerTrainStandsUntilItsBookedMinuteUnlessShuntedOrLate) {
    tickPhase = 2;
    standingDeparture(95, 2, 603, 4);
    leg(95, 68, {232});
    EXPECT_EQ(timer(232), 3 * 3 + 2 - 3 + 1);
    standingDeparture(98, 2, 603, 4);
    move.isShunt = true;
    leg(98, 68, {233});
    EXPECT_EQ(timer(233), 1);
    standingDeparture(108, 2, 590, 4);
    leg(108, 68, {234});
    EXPECT_EQ(timer(234), 1);
}

TEST_F(LegTiming, EntryPointsTurntablesAndEnginesLeavingLightEachHaveTheirOwnStart) {
    const ArrivalIndex a = addArrival(2, 15, 620, 4, 1);
    at(51).occState = occArrival;
    at(51).occupant = a;
    putEngine(51, 3, 1);
    order(51, 94, 3, 1, true);
    move.arrivalStartDelay = 7;
    leg(51, 57, {139});
    EXPECT_EQ(at(51).busyTicks, 8);
    EXPECT_EQ(timer(139), 8);

    // An engine leaves light at once from where work goes on, but not onto a turntable.
    at(33).occState = occWorkInProgress;
    at(33).busyTicks = 5;
    putEngine(33, 2, 3);
    order(33, 36, 2, 3, false);
    leg(33, 36, {66});
    EXPECT_EQ(timer(66), 1);
    at(33).occState = occWorkInProgress;
    at(33).busyTicks = 5;
    putEngine(33, 2, 3);
    order(33, 28, 2, 3, false);
    leg(33, 28, {65});
    EXPECT_EQ(timer(65), 6);
}

TEST_F(LegTiming, AnExitIsReachedWhenTheTrainHasRunOffTheLayout) {
    putEngine(187, 3, 1);
    order(187, 190, 3, 1, false);
    leg(187, 190, {500, 501});
    EXPECT_EQ(at(190).busyTicks, 2 + 3 * 2) << "a light engine takes 2 minutes to the edge on line 21";
    standingDeparture(62, 1, 600, 0);
    order(62, 56, 3, 1, true);
    leg(62, 56, {170});
    EXPECT_EQ(at(56).busyTicks, 1 + 3 * 4);
}

} // namespace
} // namespace wm
