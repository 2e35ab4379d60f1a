// The completers report what finished and leave the reactions to whoever listens: no queue moves, no
// booking is made and no chance is drawn while the records are made.

#include <gtest/gtest.h>

#include <vector>

#include "movement/place_completion.h"
#include "rules/engine_servicing.h"
#include "world/berths.h"
#include "world/game_state.h"
#include "world/location_table.h"
#include "world/service_places.h"

namespace wm {
namespace {

class PlaceCompletion : public ::testing::Test {
  protected:
    void SetUp() override {
        buildLocationTable(state);
        state.clock = 600;
        state.locoCount = 6;
    }
    void tick() {
        advancePlaces(state, [this](const Completion& done) { reported.push_back(done); });
    }
    GameState state;
    std::vector<Completion> reported;
};

TEST_F(PlaceCompletion, EachCountdownReportsOnceInPlaceOrder) {
    for (LocationId place : {120, 41}) {
        state.locations[incomingBerth(place)].locoAt[1] = place == 41 ? 1 : 2;
        state.locations[place].occState = occEngineComingIn;
        state.locations[place].busyTicks = 1;
    }
    state.locations[60].busyTicks = 2;
    tick();
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_EQ(reported[0].place, 41);
    EXPECT_EQ(reported[0].what, Completed::shedRoadChanged);
    EXPECT_EQ(reported[1].place, 120);
    EXPECT_EQ(reported[1].what, Completed::enginesPlaced);
    tick();
    ASSERT_EQ(reported.size(), 3u);
    EXPECT_EQ(reported[2].place, 60);
    tick();
    EXPECT_EQ(reported.size(), 3u);
}

TEST_F(PlaceCompletion, ADepartureGoneByTheExitIsReportedAndItsEnginesLeaveWithIt) {
    const LocationId exit = 190;
    ASSERT_EQ(state.locations[exit].kind, kindExitPoint);
    const DepartureIndex d = state.departureCount = 1;
    state.departures[d].returnArrival = 1;
    state.arrivalCount = 1;
    Location& berth = state.locations[incomingBerth(exit)];
    berth.occState = occDeparture;
    berth.occupant = d;
    berth.locoAt[2] = 3;
    state.locations[exit].occState = occComingIn;
    state.locations[exit].busyTicks = 1;
    tick();
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].what, Completed::departureLeft);
    EXPECT_EQ(reported[0].departure, d);
    EXPECT_EQ(state.departures[d].state, departureGone);
    EXPECT_EQ(state.locos[3].where, whereLeftWithDeparture + d);
    // Booking the engine back is a reaction, not the exit's.
    EXPECT_EQ(state.arrivals[1].loco, 0);
}

TEST_F(PlaceCompletion, AnArrivalMovingOnFromItsEntryIsReportedWithoutMovingTheQueue) {
    const LocationId entry = state.lines[2].entryPlace;
    ASSERT_EQ(state.locations[entry].kind, kindEntryPoint);
    state.arrivalCount = 2;
    state.arrivals[1].line = 2;
    state.lines[2].chosenArrival = 1;
    state.locations[entry].occState = occArrival;
    state.locations[entry].occupant = 1;
    state.locations[entry].busyTicks = 1;
    tick();
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].what, Completed::arrivalLeftEntry);
    EXPECT_EQ(reported[0].arrival, 1);
    EXPECT_EQ(state.locations[entry].occState, occEmpty);
    EXPECT_EQ(state.lines[2].chosenArrival, 1);
}

TEST_F(PlaceCompletion, ATrainComingToAStandIsReportedAndItsWaitIsLeftToTheRules) {
    const LocationId platform = 98;
    state.arrivalCount = 1;
    state.arrivals[1].group = 1;
    state.arrivals[1].trainType = 0;
    Location& berth = state.locations[incomingBerth(platform)];
    berth.occState = occArrival;
    berth.occupant = 1;
    state.locations[platform].occState = occComingIn;
    state.locations[platform].busyTicks = 1;
    tick();
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].what, Completed::trainAtStand);
    EXPECT_EQ(state.locations[platform].occState, occArrival);
    EXPECT_EQ(state.locations[platform].busyTicks, 0);
}

TEST_F(PlaceCompletion, FinishedEngineWorkIsReportedByEngineAndPlace) {
    state.locos[2].condition = conditionNeedsServicing;
    state.locos[2].workTime = 1;
    state.locos[2].where = 41;
    state.locations[41].locoAt[1] = 2;
    state.locos[4].watering = 1;
    state.locos[4].workTime = 2;
    state.locos[4].where = 41;
    state.locations[41].locoAt[2] = 4;
    std::vector<Completion> done;
    const auto report = [&done](const Completion& c) { done.push_back(c); };
    advanceEngineWork(state, report);
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].what, Completed::engineServiced);
    EXPECT_EQ(done[0].engine, 2);
    EXPECT_EQ(done[0].place, 41);
    EXPECT_EQ(state.locos[2].condition, conditionNeedsCoal);
    advanceEngineWork(state, report);
    ASSERT_EQ(done.size(), 2u);
    EXPECT_EQ(done[1].what, Completed::engineWatered);
    EXPECT_EQ(done[1].engine, 4);
}

} // namespace
} // namespace wm
