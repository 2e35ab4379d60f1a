// A place's countdown running out finishes what was under way there, exactly once.

#include <gtest/gtest.h>

#include "test_services.h"

#include <memory>

#include "host/headless/headless_host.h"
#include "rules/engine_servicing.h"
#include "session/approach_queues.h"
#include "session/completions.h"
#include "session/game.h"
#include "session/main_loop.h"
#include "world/berths.h"
#include "world/group_names.h"
#include "world/location_table.h"
#include "world/lookups.h"

namespace wm {
namespace {

class Completions : public ::testing::Test {
  protected:
    void SetUp() override {
        buildLocationTable(s());
        s().clock = 600;
        s().shiftStart = 1;
        s().locoCount = 8;
        for (int i = 1; i <= 8; ++i) {
            s().locos[i].duty = 400 + i;
            s().locos[i].number = std::to_string(60000 + i);
        }
    }
    GameState& s() { return game->state; }
    LocationId place(std::string_view code) { return findPlaceByCode(s(), code); }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) advancePlaces(*game);
    }
    ArrivalIndex addArrival(int line, int time, int group, int trainType, LocoIndex loco) {
        const ArrivalIndex i = ++s().arrivalCount;
        Arrival& a = s().arrivals[i];
        a.line = line;
        a.time = time;
        a.group = group;
        a.trainType = trainType;
        a.loco = loco;
        a.condCode = 99;
        s().lines[line].lastArrival = i;
        return i;
    }

    HeadlessHost host;
    std::unique_ptr<Game> game = std::make_unique<Game>(host);
};

TEST_F(Completions, ACountdownCompletesOnceWhenItReachesZero) {
    const LocationId road = 41;
    Location& berth = s().locations[incomingBerth(road)];
    berth.locoAt[1] = 3;
    s().locos[3].where = incomingBerth(road);
    s().locations[road].occState = occEngineComingIn;
    s().locations[road].busyTicks = 2;
    tick();
    EXPECT_EQ(s().locations[road].locoAt[1], 0);
    tick();
    EXPECT_EQ(s().locations[road].locoAt[1], 3);
    EXPECT_EQ(s().locos[3].where, road);
    EXPECT_EQ(s().locations[road].busyTicks, 0);
    // Nothing more happens on later ticks.
    s().locos[3].where = 99;
    tick(3);
    EXPECT_EQ(s().locos[3].where, 99);
}

TEST_F(Completions, AnEngineEnteringAShedRoadAtTheLowEndPushesTheOthersUp) {
    const LocationId road = 42;
    s().locations[road].locoAt[1] = 1;
    s().locations[road].locoAt[2] = 2;
    s().locos[1].where = s().locos[2].where = road;
    Location& berth = s().locations[incomingBerth(road)];
    berth.locoAt = {0, 3, 1, 2, 0};
    s().locos[3].where = incomingBerth(road);
    s().locations[road].occState = occEngineComingIn;
    s().locations[road].busyTicks = 1;
    tick();
    const Location& l = s().locations[road];
    EXPECT_EQ(l.locoAt[1], 3);
    EXPECT_EQ(l.locoAt[2], 1);
    EXPECT_EQ(l.locoAt[3], 2);
    EXPECT_EQ(l.occState, occEmpty);
}

TEST_F(Completions, AnEngineLeavingAShedRoadLetsTheOthersCloseUp) {
    const LocationId road = 43;
    s().locations[road].locoAt = {0, 1, 2, 3, 0};
    for (int e : {1, 2, 3}) s().locos[e].where = road;
    s().locos[1].where = 77; // the first engine has gone
    s().locations[road].occState = occLeavingLight;
    s().locations[road].busyTicks = 1;
    tick();
    EXPECT_EQ(s().locations[road].locoAt, (std::array<LocoIndex, 5>{0, 2, 3, 0, 0}));
}

TEST_F(Completions, ATurntableTurnsItsEngine) {
    const LocationId table = place("LTT");
    ASSERT_NE(table, 0);
    s().locations[table].locoAt[1] = 5;
    s().locos[5].facing = 0;
    s().locations[table].occState = occWorkInProgress;
    s().locations[table].busyTicks = 1;
    tick();
    EXPECT_EQ(s().locos[5].facing, 1);
    EXPECT_EQ(s().locations[table].occState, occEmpty);
    EXPECT_EQ(s().locations[table].locoAt[1], 5);
}

TEST_F(Completions, AnEngineNeedingCoalStartsCoalingAndSaysWhenThereIsNoCoal) {
    const LocationId coaling = 37;
    s().locos[4].condition = conditionNeedsCoal;
    s().locations[incomingBerth(coaling)].locoAt[1] = 4;
    s().locations[coaling].occState = occEngineComingIn;
    s().locations[coaling].busyTicks = 1;
    tick();
    EXPECT_EQ(s().locations[coaling].locoAt[1], 4);
    EXPECT_GE(s().locos[4].workTime, 33);
    EXPECT_LE(s().locos[4].workTime, 42);
    ASSERT_FALSE(host.messages().empty());
    EXPECT_EQ(host.messages().back(), "notice No loco coal available in LLC");
    // Without loco coal being worked the countdown waits.
    const int before = s().locos[4].workTime;
    advanceEngineWork(s(), [](const Completion&) {});
    EXPECT_EQ(s().locos[4].workTime, before);
}

TEST_F(Completions, AnArrivalComingIntoAPlatformWaitsBeforeItIsReadyAndStaysThere) {
    const LocationId platform = 98;
    ASSERT_EQ(s().locations[platform].kind, kindPlatform);
    const ArrivalIndex a = addArrival(2, 600, 15, 0, 1);
    Location& berth = s().locations[incomingBerth(platform)];
    berth.occState = occArrival;
    berth.occupant = a;
    berth.locoAt[2] = 1;
    s().locations[platform].occState = occComingIn;
    s().locations[platform].busyTicks = 1;
    game->clock.quietTicks = 2;
    tick();
    const Location& l = s().locations[platform];
    EXPECT_EQ(l.occState, occArrival);
    EXPECT_EQ(l.occupant, a);
    EXPECT_EQ(l.locoAt[2], 1);
    EXPECT_EQ(s().locos[1].where, platform);
    EXPECT_EQ(l.busyTicks, 1);             // the wait before it is ready
    EXPECT_EQ(game->clock.quietTicks, 15); // something came in: no speeding up
    tick(2);
    EXPECT_EQ(l.occState, occArrival);
    EXPECT_EQ(l.occupant, a);
    EXPECT_EQ(l.locoAt[2], 1);
}

TEST_F(Completions, AnArrivalIsAnnouncedOnlyWhenItStandsInItsOwnGroup) {
    const LocationId platform = 98;
    const auto comeIn = [&](int group) {
        const ArrivalIndex a = addArrival(2, 600, group, 0, 1);
        Location& berth = s().locations[incomingBerth(platform)];
        berth.occState = occArrival;
        berth.occupant = a;
        s().locations[platform].occState = occComingIn;
        s().locations[platform].busyTicks = 1;
        tick();
        clearLocation(s(), platform);
    };
    comeIn(15);
    ASSERT_FALSE(host.messages().empty());
    EXPECT_EQ(host.messages().back(), "notice A train has arrived at " + groupName(15));
    const std::size_t before = host.messages().size();
    comeIn(16);
    EXPECT_EQ(host.messages().size(), before);
}

TEST_F(Completions, ADepartureAtItsExitIsScoredAndTheEnginesThatTookItGoBackOnItsReturnArrivals) {
    const LocationId exit = 190;
    ASSERT_EQ(s().locations[exit].kind, kindExitPoint);
    for (LocoIndex e : {1, 2, 3}) {
        s().locos[e].classIndex = 11; // "LM 5 "
        s().locos[e].shed = " SH";
    }
    addArrival(2, 500, 15, 0, 1); // the line's pending arrival, so that no engine condition is drawn
    const ArrivalIndex back = addArrival(2, 900, 15, 0, noEngine);
    const ArrivalIndex back2 = addArrival(2, 910, 15, 0, noEngine);
    const DepartureIndex d = ++s().departureCount;
    Departure& dep = s().departures[d];
    dep.time = 600;
    dep.line = 21;
    dep.group = 15;
    dep.destination = "Stourwick";
    dep.shed = " SH";
    dep.loco = 1; // booked; engines 2 and 3 take it instead, at its leaving end
    dep.returnArrival = back;
    dep.returnArrival2 = back2;
    dep.state = departureOnWayOut;
    Location& berth = s().locations[incomingBerth(exit)];
    berth.occState = occDeparture;
    berth.occupant = d;
    berth.locoAt[3] = 2;
    berth.locoAt[4] = 3;
    s().locations[exit].occState = occComingIn;
    s().locations[exit].busyTicks = 1;
    s().clock = 600 + 7 + 45; // 45 minutes behind its time and the line's running time
    const std::size_t before = host.messages().size();
    tick();
    ASSERT_EQ(host.messages().size(), before + 2);
    EXPECT_EQ(host.messages()[before], "error You lose 42 points for delaying departure of 10.00 Stourwick");
    EXPECT_EQ(host.messages()[before + 1], "bonus You gain 1 point for using LM 5  loco on 10.00 Stourwick");
    EXPECT_EQ(s().score, -41);
    EXPECT_EQ(s().arrivals[back].loco, 2);
    EXPECT_EQ(s().locos[2].where, whereOnArrival + back);
    EXPECT_EQ(s().arrivals[back2].loco, 3);
    EXPECT_EQ(s().locos[3].where, whereOnArrival + back2);
    EXPECT_EQ(s().locos[1].where, 0);
    // Back no sooner than its delay beyond half an hour allows.
    EXPECT_EQ(s().arrivals[back].late, 15);
}

TEST_F(Completions, AThroughMovementLeavesNothingBehind) {
    const LocationId running = 58;
    s().locations[running].occState = occPassingThrough;
    s().locations[running].occupant = 3;
    s().locations[incomingBerth(running)].occState = occDeparture;
    s().locations[running].busyTicks = 1;
    tick();
    EXPECT_EQ(s().locations[running].occState, occEmpty);
    EXPECT_EQ(s().locations[incomingBerth(running)].occState, occEmpty);
}

TEST_F(Completions, AnArrivalThatHasMovedOnBringsTheNextTrainToTheEntry) {
    const ArrivalIndex first = addArrival(21, 610, 15, 0, 1);
    const ArrivalIndex second = addArrival(21, 640, 15, 0, 2);
    prepareLine(*game, 21);
    chooseNextArrival(*game, 21);
    ASSERT_EQ(s().locations[189].occupant, first);
    s().locations[189].busyTicks = 1;
    tick();
    EXPECT_EQ(s().lines[21].nextPassenger, second);
    EXPECT_EQ(s().locations[189].occupant, second);
    EXPECT_EQ(s().lines[21].waitCount, 0);
    EXPECT_EQ(s().locos[1].lateAllowance, s().arrivals[first].late);
}

TEST_F(Completions, ADepartureLeavingByTheExitSendsItsEngineBackOnItsReturnArrival) {
    const ArrivalIndex back = addArrival(21, 900, 15, 0, noEngine);
    const DepartureIndex d = ++s().departureCount;
    s().departures[d].time = 590;
    s().departures[d].loco = 6;
    s().departures[d].returnArrival = back;
    s().departures[d].state = departureOnWayOut;
    const LocationId exit = 190;
    ASSERT_EQ(s().locations[exit].kind, kindExitPoint);
    Location& berth = s().locations[incomingBerth(exit)];
    berth.occState = occDeparture;
    berth.occupant = d;
    berth.locoAt[2] = 6;
    s().locations[exit].occState = occComingIn;
    s().locations[exit].busyTicks = 1;
    tick();
    EXPECT_EQ(s().departures[d].state, departureGone);
    EXPECT_EQ(s().locations[exit].occState, occEmpty);
    EXPECT_EQ(berth.occState, occEmpty);
    EXPECT_EQ(s().arrivals[back].loco, 6);
    // It is the line's next train and the entry is free, so it stands there now with its new engine.
    EXPECT_EQ(s().locations[189].occupant, back);
    EXPECT_EQ(s().locos[6].where, 189);
}

} // namespace
} // namespace wm
