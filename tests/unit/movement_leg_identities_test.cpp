// What a train is changes on the way: departures are shunted or sent away, a trip into another part of the
// area continues as its arrival there, arrivals come into their group or run straight through.

#include "movement_fixture.h"

#include <algorithm>

#include "world/group_names.h"

namespace wm {
namespace {

class LegIdentities : public MoveFixture {
  protected:
    DepartureIndex departureAt(LocationId place, int line, int group, int trainType) {
        const DepartureIndex d = addDeparture(line, group, 700, trainType);
        s().departures[d].state = departureReady;
        at(place).occState = occDeparture;
        at(place).occupant = d;
        at(place).endFlag[highEnd] = 1;
        putEngine(place, 3, 1);
        return d;
    }
    ArrivalIndex arrivalAt(LocationId place, int line, int group, int trainType) {
        const ArrivalIndex a = addArrival(line, group, 600, trainType, 1);
        at(place).occState = occArrival;
        at(place).occupant = a;
        at(place).endFlag[highEnd] = 1;
        putEngine(place, 3, 1);
        return a;
    }
};

TEST_F(LegIdentities, ADepartureTakenOutOfItsGroupIsShuntedOrSentAway) {
    struct Case {
        LocationId from, to;
        bool shunt;
        int state;
    };
    // Out of its group a shunt stands formed and a running move sends it away; a shunt to an exit still
    // sends it; within its group nothing changes, except into platform 6 and the roads beside it.
    for (const Case& c : {Case{98, 131, true, departureFormed}, Case{108, 155, false, departureOnWayOut},
                          Case{187, 190, true, departureOnWayOut}, Case{95, 96, true, departureReady},
                          Case{109, 104, true, departureFormed}}) {
        SCOPED_TRACE(c.from);
        const DepartureIndex d = departureAt(c.from, 20, 15, 4);
        order(c.from, c.to, 3, 1, true);
        move.isShunt = c.shunt;
        leg(c.from, c.to, {300});
        EXPECT_EQ(s().departures[d].state, c.state);
        EXPECT_EQ(berthOf(c.to).occState, occDeparture);
        EXPECT_EQ(berthOf(c.to).occupant, d);
    }
}

TEST_F(LegIdentities, ATripIntoAnotherPartOfTheAreaContinuesAsTheArrivalItsCodeNames) {
    const ArrivalIndex brought = addArrival(2, 16, 500, 12, 0);
    s().arrivals[brought].late = 14;
    const ArrivalIndex next = addArrival(11, 11, 437, 12, noEngine);
    s().arrivals[next].condCode = 96; // needs servicing once in
    const DepartureIndex trip = departureAt(121, 11, 16, 12);
    s().departures[trip].returnArrival = next;
    addPortion(brought, trip);
    s().arrivals[brought].firstPortion = 0; // its train was broken up in the yard
    services.draws = {50, 4};
    order(121, 65, 3, 1, true);
    leg(121, 65, {150, 151});
    EXPECT_EQ(s().departures[trip].state, departureGone);
    EXPECT_EQ(s().arrivals[next].loco, 1);
    EXPECT_EQ(s().arrivals[next].late, 14);
    EXPECT_EQ(berthOf(65).occState, occArrival);
    EXPECT_EQ(berthOf(65).occupant, next);
    // Brought into its own group, its engine's need is drawn once.
    EXPECT_EQ(s().locos[1].condition, conditionNeedsServicing);
    EXPECT_EQ(s().locos[1].workTime, 3 * 4 + 360);
    EXPECT_EQ(s().arrivals[next].condCode, condAvailable);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0], "Loco 44001 will need servicing on arrival at " + groupName(11));
}

TEST_F(LegIdentities, ATripIntoAnotherPartOfTheAreaIsScoredAsItLeaves) {
    const ArrivalIndex brought = addArrival(2, 16, 500, 12, 0);
    s().arrivals[brought].late = 14;
    const ArrivalIndex next = addArrival(11, 11, 437, 12, noEngine);
    const DepartureIndex trip = departureAt(121, 11, 16, 12);
    s().departures[trip].returnArrival = next;
    addPortion(brought, trip);
    s().arrivals[brought].firstPortion = 0;
    s().clock = 700 + 1 + 70; // 70 minutes behind its booked time and running time
    order(121, 65, 3, 1, true);
    leg(121, 65, {150, 151});
    ASSERT_EQ(s().departures[trip].state, departureGone);
    // The 14 minutes its traffic came in late, the level's one and the slow freight's 30 and 1 are not
    // charged; and only a Jinty may work line 11.
    ASSERT_GE(host.messages().size(), 2u);
    EXPECT_EQ(host.messages()[host.messages().size() - 2],
              "error You lose 24 points for delaying departure of 11.40 Stourwick");
    EXPECT_EQ(host.messages().back(), "error You lose 3 points for loco. LM 5  not allowed to DR");
    EXPECT_EQ(s().score, -27);
}

TEST_F(LegIdentities, AnArrivalBroughtIntoItsGroupIsToldOfAndItsEngineNeedDrawnOnce) {
    const ArrivalIndex a = arrivalAt(57, 2, 15, 4);
    s().arrivals[a].origin = "#Carrowfold";
    s().arrivals[a].condCode = 40;
    services.draws = {70};
    order(57, 94, 3, 1, true);
    leg(57, 94, {193, 200});
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[0], "Shunt at Wendmoor Stn for following train to pass");
    EXPECT_EQ(services.messages[1], "Loco 44001 will need coal on arrival at Wendmoor Stn");
    EXPECT_EQ(s().locos[1].condition, conditionNeedsCoal);
    EXPECT_EQ(s().arrivals[a].condCode, condAvailable);
    EXPECT_EQ(berthOf(94).occState, occArrival);

    // Within its group nothing is drawn again.
    ASSERT_TRUE(runUntilAtRest());
    services.messages.clear();
    order(94, 98, 3, 1, true);
    leg(94, 98, {215});
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(LegIdentities, AnArrivalThatRunsThroughBecomesItsDepartureAsItLeavesItsPlatform) {
    const ArrivalIndex a = arrivalAt(98, 2, 15, 0);
    const DepartureIndex d = addDeparture(20, 15, 600, 0);
    addPortion(a, d);
    order(98, 155, 3, 1, true);
    move.throughRun = true;
    leg(98, 155, {301});
    EXPECT_EQ(s().departures[d].state, departureOnWayOut);
    EXPECT_EQ(berthOf(155).occState, occDeparture);
    EXPECT_EQ(berthOf(155).occupant, d);
    EXPECT_EQ(at(98).occState, occPassingThrough);
    EXPECT_EQ(at(98).occupant, d);
    EXPECT_EQ(berthOf(98).occState, occDeparture);
    EXPECT_EQ(berthOf(98).occupant, d);
    ASSERT_TRUE(runUntilAtRest());
    EXPECT_EQ(at(98).occState, occEmpty);
    EXPECT_EQ(at(155).occupant, d);
    EXPECT_TRUE(layoutConsistent());
}

TEST_F(LegIdentities, ALightEngineArrivalInItsOwnGroupIsJustAnEngineFromThenOn) {
    const ArrivalIndex a = addArrival(2, 14, 600, 8, 1);
    s().arrivals[a].condCode = 98;
    at(51).occState = occArrival;
    at(51).occupant = a;
    putEngine(51, 3, 1);
    order(51, 40, 3, 1, true);
    leg(51, 40, {139});
    EXPECT_EQ(at(40).occState, occEngineComingIn);
    EXPECT_EQ(berthOf(40).occState, occEmpty);
    EXPECT_EQ(berthOf(40).locoAt[2], 1) << "a down move enters a shed road at its high end";
    EXPECT_EQ(s().locos[1].condition, conditionNeedsWater);
    // The entry point keeps the arrival until it completes, so its line's queue moves on.
    EXPECT_EQ(at(51).occState, occArrival);
    ASSERT_TRUE(runUntilAtRest());
    EXPECT_TRUE(std::any_of(completed.begin(), completed.end(), [a](const Completion& done) {
        return done.what == Completed::arrivalLeftEntry && done.arrival == a;
    }));
    EXPECT_EQ(at(40).locoAt[1], 1);
    EXPECT_TRUE(layoutConsistent());
}

} // namespace
} // namespace wm
