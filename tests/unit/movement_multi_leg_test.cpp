// A move through intermediate places, leg by leg, run by the clock until everything is at rest: the train
// and its engines end at the player's to-location and every place it passed is empty again.

#include "movement_fixture.h"

#include <algorithm>
#include <memory>

#include "session/game.h"
#include "session/main_loop.h"

namespace wm {
namespace {

class MultiLegMove : public MoveFixture {
  protected:
    int countOf(Completed what) const {
        return static_cast<int>(std::count_if(completed.begin(), completed.end(),
                                              [what](const Completion& done) { return done.what == what; }));
    }
    void expectEmpty(LocationId place) {
        SCOPED_TRACE(place);
        for (LocationId id : {place, incomingBerth(place)}) {
            EXPECT_EQ(at(id).occState, occEmpty);
            EXPECT_EQ(at(id).occupant, 0);
            EXPECT_EQ(at(id).locoAt, (std::array<LocoIndex, 5>{}));
        }
    }
};

TEST_F(MultiLegMove, AnArrivalSignalledInPassesTwoRunningLinesAndComesToAStandInItsSiding) {
    const ArrivalIndex a = addArrival(2, 15, 605, 5, 1);
    s().arrivals[a].condCode = 50;
    const PortionIndex vans = addPortion(a, 0);
    at(51).occState = occArrival;
    at(51).occupant = a;
    at(51).endFlag[highEnd] = 1;
    putEngine(51, 3, 1);
    order(51, 94, 3, 1, true);
    move.arrivalStartDelay = 5;
    services.draws = {70};
    routeLegs(51, 94);

    EXPECT_EQ(at(57).occState, occPassingThrough);
    EXPECT_EQ(at(82).occState, occPassingThrough);
    EXPECT_EQ(at(94).occState, occComingIn);
    EXPECT_EQ(berthOf(94).occupant, a);
    EXPECT_EQ(berthOf(94).locoAt[3], 1);
    EXPECT_EQ(s().locos[1].where, incomingBerth(94));
    EXPECT_EQ(berthOf(57).occupant, a) << "the train is shown passing";
    EXPECT_EQ(berthOf(57).locoAt, (std::array<LocoIndex, 5>{})) << "the next leg has taken the engine on";
    // Each leg starts when the train reaches its start.
    EXPECT_EQ(at(51).busyTicks, 6);
    EXPECT_EQ(at(57).busyTicks, 7);
    EXPECT_GT(at(82).busyTicks, at(57).busyTicks);
    EXPECT_GT(at(94).busyTicks, at(82).busyTicks);
    ASSERT_EQ(services.messages.size(), 1u) << "the engine's need is drawn once";
    EXPECT_EQ(services.messages[0], "Loco 44001 will need coal on arrival at Wendmoor Stn");

    ASSERT_TRUE(runUntilAtRest());
    EXPECT_EQ(at(94).occState, occArrival);
    EXPECT_EQ(at(94).occupant, a);
    EXPECT_EQ(at(94).locoAt[3], 1);
    EXPECT_EQ(at(94).endFlag[highEnd], 1);
    EXPECT_EQ(s().locos[1].where, 94);
    EXPECT_EQ(s().arrivals[a].firstPortion, vans);
    for (LocationId place : {51, 57, 82}) expectEmpty(place);
    EXPECT_EQ(countOf(Completed::arrivalLeftEntry), 1);
    EXPECT_EQ(countOf(Completed::passedThrough), 2);
    EXPECT_EQ(countOf(Completed::trainAtStand), 1);
    EXPECT_TRUE(layoutConsistent());
}

TEST_F(MultiLegMove, TwoEnginesRunLightFromTheShedThroughASidingToTheFarEndOfAThroughRoad) {
    putEngine(30, 3, 1);
    putEngine(30, 4, 2);
    at(30).enginePairFlag[highEnd] = 1;
    order(30, 101, 3, 1, false);
    move.secondEngine = 2;
    routeLegs(30, 101);
    EXPECT_EQ(at(38).occState, occPassingThrough);
    EXPECT_EQ(at(101).occState, occEngineComingIn);
    ASSERT_TRUE(runUntilAtRest());
    EXPECT_EQ(at(101).locoAt, (std::array<LocoIndex, 5>{0, 0, 0, 1, 2}));
    EXPECT_EQ(at(101).enginePairFlag[highEnd], 1);
    for (LocationId place : {30, 38}) expectEmpty(place);
    EXPECT_TRUE(layoutConsistent());
}

TEST_F(MultiLegMove, AnEngineLeavingLightFromATrainLeavesItWaitingAndItsWaitStillRuns) {
    const ArrivalIndex a = addArrival(2, 15, 590, 4, 1);
    at(98).occState = occArrival;
    at(98).occupant = a;
    at(98).busyTicks = 9; // passengers still getting off
    keepContentsInBerth(s(), 98);
    putEngine(98, 2, 1);
    order(98, 68, 2, 1, false);
    leg(98, 68, {233});
    EXPECT_EQ(at(98).occState, occLeavingLight);
    EXPECT_EQ(berthOf(98).occState, occArrival);
    EXPECT_EQ(berthOf(98).busyTicks, 9);
    EXPECT_EQ(berthOf(98).locoAt[2], 0);
    tick();
    EXPECT_EQ(at(98).occState, occArrival);
    EXPECT_EQ(at(98).busyTicks, 9) << "the wait goes on after the engine has gone";
    ASSERT_TRUE(runUntilAtRest());
    EXPECT_EQ(at(98).occupant, a);
    EXPECT_EQ(at(98).locoAt[2], 0);
    EXPECT_EQ(at(68).locoAt[2], 1);
    EXPECT_TRUE(layoutConsistent());
}

TEST_F(MultiLegMove, ALaterLegStartsWhenTheTrainReachesItsStartEvenInAPlatformOfItsGroup) {
    // Passing through a platform of its group, a passenger train does not stand there until its minute.
    const DepartureIndex d = addDeparture(20, 15, 620, 4);
    s().departures[d].state = departureFormed;
    at(131).occState = occDeparture;
    at(131).occupant = d;
    at(131).endFlag[lowEnd] = 1;
    putEngine(131, 2, 1);
    order(131, 98, 2, 1, true);
    leg(131, 108, {300});
    leg(108, 98, {301});
    EXPECT_EQ(at(108).busyTicks, 2);
    EXPECT_EQ(at(98).busyTicks, 2);
    ASSERT_TRUE(runUntilAtRest());
    EXPECT_EQ(at(98).occupant, d);
    EXPECT_EQ(at(98).locoAt[2], 1);
    EXPECT_EQ(s().departures[d].state, departureFormed);
    for (LocationId place : {131, 108}) expectEmpty(place);
    EXPECT_TRUE(layoutConsistent());
}

TEST(MultiLegMoveInTheGame, ADepartureRunsThroughTwoJunctionsAndLeavesTheLayoutWithItsEngine) {
    HeadlessHost host;
    auto game = std::make_unique<Game>(host);
    GameState& s = game->state;
    buildLocationTable(s);
    s.clock = 600;
    s.shiftStart = 1;
    s.shiftEnd = 1439;
    s.locoCount = 2;
    s.locos[1].number = "45562";
    const DepartureIndex d = s.departureCount = 1;
    s.departures[d].line = 1;
    s.departures[d].group = 15;
    s.departures[d].time = 600;
    s.departures[d].trainType = 4;
    s.departures[d].loco = 1;
    s.departures[d].state = departureReady;
    s.departures[d].destination = "Wrennick";
    s.locations[97].occState = occDeparture;
    s.locations[97].occupant = d;
    s.locations[97].endFlag[lowEnd] = 1;
    s.locations[97].locoAt[2] = 1;
    s.locos[1].where = 97;

    MoveContext& m = game->move;
    m.moveFrom = 97;
    m.moveTo = 56;
    m.placePicked = 2;
    m.moveEngine = 1;
    m.withTrain = true;
    MoveWorld w{s, game->services, game->console, m, game->clock.tickPhase};
    const std::vector<Route>& routes = RouteTable::standard().routes(97, 56);
    ASSERT_FALSE(routes.empty());
    ASSERT_EQ(routes.front().legs.size(), 3u);
    for (const Leg* l : routes.front().legs) executeMove(w, l->from, l->to, l->sections);
    EXPECT_EQ(s.departures[d].state, departureOnWayOut);

    const auto atRest = [&s] {
        for (LocationId place = 1; place <= placeCount; ++place)
            if (s.locations[place].busyTicks != 0) return false;
        return std::all_of(s.sectionTimer.begin(), s.sectionTimer.end(), [](int t) { return t == 0; });
    };
    for (int i = 0; i < 200 && !atRest(); ++i) ClockTick(*game);
    ASSERT_TRUE(atRest());
    EXPECT_EQ(s.departures[d].state, departureGone);
    EXPECT_EQ(s.locos[1].where, whereLeftWithDeparture + d);
    for (LocationId place : {97, 68, 62, 56}) {
        SCOPED_TRACE(place);
        EXPECT_EQ(s.locations[place].occState, occEmpty);
        EXPECT_EQ(s.locations[place].locoAt, (std::array<LocoIndex, 5>{}));
        EXPECT_EQ(s.locations[incomingBerth(place)].occState, occEmpty);
    }
}

} // namespace
} // namespace wm
