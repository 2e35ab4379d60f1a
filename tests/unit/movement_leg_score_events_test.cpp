// The points a leg earns on its own: switching between fast and slow lines, and overtaking.

#include "movement_fixture.h"

namespace wm {
namespace {

class LegScoreEvents : public MoveFixture {
  protected:
    /// A departure on `line` formed from an arrival that came in on `arrivedOn`, standing at the place.
    DepartureIndex throughTrainAt(LocationId place, int arrivedOn, int line, int engineSlot) {
        const ArrivalIndex a = addArrival(arrivedOn, 15, 590, 0, 1);
        const DepartureIndex d = addDeparture(line, 15, 600, 0);
        addPortion(a, d);
        s().departures[d].state = departureReady;
        at(place).occState = occDeparture;
        at(place).occupant = d;
        at(place).endFlag[endOfPlace(engineSlot)] = 1;
        putEngine(place, engineSlot, 1);
        return d;
    }
    ArrivalIndex arrivalAt(LocationId place, int line, int group, int trainType) {
        const ArrivalIndex a = addArrival(line, group, 590, trainType, 0);
        at(place).occState = occArrival;
        at(place).occupant = a;
        return a;
    }
};

TEST_F(LegScoreEvents, ATrainSwitchedToTheOtherSpeedOfLineAtTheExitEarnsAPoint) {
    throughTrainAt(60, 21, 7, 2);
    order(60, 54, 2, 1, true);
    leg(60, 54, {120});
    EXPECT_EQ(s().score, 1);
    EXPECT_EQ(host.messages().back(), "bonus You gain 1 point for correct switching down fast to down slow");

    throughTrainAt(187, 7, 21, 3);
    order(187, 190, 3, 1, true);
    leg(187, 190, {500});
    EXPECT_EQ(s().score, 2);
    EXPECT_EQ(host.messages().back(), "bonus You gain 1 point for correct switching up slow to up fast");

    // Staying on its speed of line, or leaving by another exit, earns nothing.
    throughTrainAt(58, 22, 2, 2);
    order(58, 52, 2, 1, true);
    leg(58, 52, {121});
    EXPECT_EQ(s().score, 3) << "down slow to down fast";
    throughTrainAt(83, 21, 2, 2);
    order(83, 52, 2, 1, true);
    leg(83, 52, {122});
    throughTrainAt(185, 2, 21, 3);
    order(185, 190, 3, 1, true);
    leg(185, 190, {502});
    EXPECT_EQ(s().score, 3);
}

TEST_F(LegScoreEvents, AFasterTrainSettingOffPastASlowerOneRunningItsWayEarnsAPoint) {
    arrivalAt(95, 20, 16, 12); // a slow freight held out of its yard, running down
    throughTrainAt(96, 2, 2, 2);
    order(96, 68, 2, 1, true);
    leg(96, 68, {232});
    EXPECT_EQ(s().score, 1);
    EXPECT_EQ(host.messages().back(), "bonus You gain 1 point for passing slower train in PL1");
}

TEST_F(LegScoreEvents, TrainsInTheirOwnGroupRunningTheOtherWayOrNoSlowerAreNotPassed) {
    for (LocationId place : {131, 132, 133}) arrivalAt(place, 20, 16, 12); // in their own yard
    arrivalAt(134, 2, 16, 12);                                             // running up
    arrivalAt(135, 20, 15, 0);                                             // as fast
    const DepartureIndex ready = addDeparture(20, 15, 600, 12);
    s().departures[ready].state = departureReady; // not yet sent
    at(136).occState = occDeparture;
    at(136).occupant = ready;
    const DepartureIndex sent = addDeparture(2, 16, 600, 10);
    s().departures[sent].state = departureOnWayOut; // runs down: counted
    at(137).occState = occDeparture;
    at(137).occupant = sent;
    throughTrainAt(140, 2, 2, 2);
    order(140, 104, 2, 1, true);
    leg(140, 104, {329});
    EXPECT_EQ(s().score, 1);
    EXPECT_EQ(host.messages().back(), "bonus You gain 1 point for passing slower train in UGL");
}

} // namespace
} // namespace wm
