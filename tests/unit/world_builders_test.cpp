#include "world/build_context.h"
#include "world/engine_builders.h"
#include "world/game_state.h"
#include "world/location_table.h"
#include "world/placements.h"
#include "world/rakes.h"
#include "world/route_compatibility.h"
#include "world/sheds.h"
#include "world/train_builders.h"

#include <gtest/gtest.h>

#include "scripted_build.h"

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace wm {
namespace {

ShedTable smallShedTable() {
    return ShedTable::parse("\" SH\" 9 local\n\" 9B\" 9 -\n\" 9C\" 9 -\n\"10A\" 10 -\n", "sheds.txt",
                            "9 10\n10 9\n", "districts.txt");
}

// Builders on a state with the location table and three engines (duties 421, 745, 900).
class WorldBuilders : public ::testing::Test, protected ScriptedBuild {
  protected:
    WorldBuilders() : ScriptedBuild(smallShedTable()) {}
    void SetUp() override {
        buildLocationTable(*state);
        state->shiftStart = 1;
        addLoco(context, 421, 2, {"47201", "47201", "47201", "47201"}, " SH");
        addLoco(context, 745, 20, {"48101", "48101", "48101", "48101"}, "10A");
        addLocoNumbered(context, 900, 1, "793", 0, 60, " SH");
        randCalls.clear();
    }

    void draws(std::initializer_list<int> values) { script.assign(values.begin(), values.end()); }
};

TEST(WorldLateness, DrawIsCappedByDifficulty) {
    EXPECT_EQ(initialLateness(0, 5), -2);
    EXPECT_EQ(initialLateness(7, 5), 5);
    EXPECT_EQ(initialLateness(16, 5), 1);
    EXPECT_EQ(initialLateness(29, 5), 3);
    EXPECT_EQ(initialLateness(30, 25), 0);
    EXPECT_EQ(initialLateness(99, 25), 0);
    for (int draw = 8; draw <= 15; ++draw) {
        EXPECT_EQ(initialLateness(draw, 5), 0) << draw;
        EXPECT_EQ(initialLateness(draw, 15), draw - 2) << draw;
    }
    EXPECT_EQ(initialLateness(12, 10), 10);
    EXPECT_EQ(initialLateness(13, 10), 0);
    // The latest a train can start at each level.
    for (int difficulty : {5, 10, 15, 20, 25}) {
        int latest = -99;
        for (int draw = 0; draw < 100; ++draw) latest = std::max(latest, initialLateness(draw, difficulty));
        EXPECT_EQ(latest, std::min(difficulty, 13)) << difficulty;
    }
}

TEST_F(WorldBuilders, ArrivalDrawsItsLatenessAtTheStateDifficulty) {
    state->difficulty = 10;
    draws({15});
    addArrival(context, 1, 0, 13, 15, "410A", "    ", "Wrennick", 999, 99, 0);
    state->difficulty = 15;
    draws({15});
    addArrival(context, 1, 0, 20, 15, "410C", "    ", "Wrennick", 999, 99, 0);
    EXPECT_EQ(randCalls, (std::vector<int>{100, 100}));
    EXPECT_EQ(state->arrivals[1].late, 0);
    EXPECT_EQ(state->arrivals[2].late, 13);
}

TEST_F(WorldBuilders, DepartureTakesItsFieldsAndEngine) {
    addDeparture(context, 1, 0, 10, 17, "745A", "745B", "Northmoor Sidings", 12, 745, "10A");
    addDeparture(context, 1, 48, 0, 16, "01S#", "    ", "Wrennick", 12, 999, "10A");
    const Departure& first = state->departures[1];
    EXPECT_EQ(first.time, 10);
    EXPECT_EQ(first.loco, 2);
    EXPECT_EQ(first.destination, "Northmoor S");
    EXPECT_EQ(first.returnCode, "745B");
    EXPECT_EQ(first.returnCode2, "    ");
    EXPECT_EQ(first.state, departureBuilt);
    EXPECT_EQ(state->departures[2].time, notRunningTime);
    EXPECT_EQ(state->departures[2].loco, 0);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(WorldBuilders, ArrivalBringsItsEngineAndPortionsInOrder) {
    addDeparture(context, 1, 0, 40, 15, "410B", "    ", "Roufield", 0, 999, " SH");
    addDeparture(context, 1, 1, 0, 15, "411A", "    ", "Roufield", 0, 999, " SH");
    addDeparture(context, 1, 6, 30, 15, "630A", "    ", "Roufield", 5, 999, " SH");
    addTraffic(context, 15, "Pcl1", "630A", 1);
    const ArrivalIndex arrival = addArrival(context, 1, 0, 13, 15, "410A", "410B", "Wrennick", 745, 99, 0);
    addArrivalPortion(context, "410A", "Pcl1");
    addArrivalPortion(context, "410A", "999Z"); // names nothing: no portion
    addArrivalPortion(context, "410A", "411A");
    addArrivalPortion(context, "999A", "411A"); // no such arrival

    EXPECT_EQ(state->locos[2].where, 2000 + arrival);
    EXPECT_EQ(state->arrivals[arrival].loco, 2);
    const PortionIndex head = state->arrivals[arrival].firstPortion;
    ASSERT_EQ(rakeLength(*state, head), 3);
    EXPECT_TRUE(rakeFullyCoupled(*state, head));
    const Portion& second = state->portions[state->portions[head].next];
    EXPECT_EQ(state->portions[head].departure, 1);
    EXPECT_EQ(second.traffic, 1);
    EXPECT_EQ(second.departure, 3);
    EXPECT_EQ(second.portionState, portionOnTrain);
    EXPECT_EQ(state->traffic[1].portion, state->portions[head].next);
    EXPECT_EQ(state->portions[rakeTail(*state, head)].departure, 2);
    EXPECT_EQ(state->portions[rakeTail(*state, head)].coupledToNext, 0);
    EXPECT_EQ(state->portionCount, 3);
}

TEST_F(WorldBuilders, SpareArrivalDoesNotRunButHoldsItsEngine) {
    addDeparture(context, 1, 0, 40, 15, "410B", "    ", "Roufield", 0, 999, " SH");
    const ArrivalIndex spare = addArrival(context, 1, 9, 0, 15, "745C", "410B", "spare", 745, 99, 12);
    addArrivalPortion(context, "745C", "410B");
    EXPECT_EQ(state->arrivals[spare].time, 0);
    EXPECT_EQ(state->arrivals[spare].firstPortion, 0);
    EXPECT_EQ(state->portionCount, 0);
    EXPECT_EQ(state->locos[2].where, 2000 + spare);
    const ArrivalIndex none = addArrival(context, 1, 9, 5, 15, "745D", "    ", "Wrennick", 999, 99, 12);
    EXPECT_EQ(state->arrivals[none].loco, 999);
}

TEST_F(WorldBuilders, PortionsOfAPseudoDepartureAreNotCounted) {
    const DepartureIndex pseudo =
        addDeparture(context, 1, 48, 0, 16, "01S#", "    ", "Wrennick", 12, 999, "10A");
    const DepartureIndex real =
        addDeparture(context, 1, 6, 0, 16, "745A", "    ", "Wrennick", 12, 745, "10A");
    newPortion(*state, 0, 0, pseudo);
    newPortion(*state, 0, 0, pseudo);
    EXPECT_EQ(state->departures[pseudo].portionCount, 0);
    EXPECT_EQ(departureListLength(*state, pseudo), 2);
    newPortion(*state, 0, 0, real);
    EXPECT_EQ(state->departures[real].state, departureBuilt);
    newPortion(*state, 0, 0, real);
    EXPECT_EQ(state->departures[real].portionCount, 2);
    EXPECT_EQ(state->departures[real].state, departureGathering);
}

TEST_F(WorldBuilders, TrafficLinksItsDepartureUnlessBlank) {
    addDeparture(context, 1, 6, 30, 15, "630A", "    ", "Roufield", 5, 999, " SH");
    addTraffic(context, 15, "Pcl1", "630A", 1);
    addTraffic(context, 16, "UYd1", "    ", 3);
    addTraffic(context, 16, "UYd2", "01S#", 3);
    EXPECT_EQ(state->traffic[1].departure, 1);
    EXPECT_EQ(state->traffic[1].readyAt, -1);
    EXPECT_EQ(state->traffic[2].departure, 0);
    EXPECT_EQ(state->traffic[3].departure, 0);
}

TEST_F(WorldBuilders, LightEngineMovesSpreadFromTenEarlyToNineLate) {
    draws({0, 19});
    addLightEngineMove(context, 425, 17, 421, conditionNeedsWater);
    addLightEngineMove(context, 700, 16, 422, conditionNeedsCoal);
    EXPECT_EQ(state->lightEngineCount, 2);
    EXPECT_EQ(state->lightEngineMoves[1].time, 415);
    EXPECT_EQ(state->lightEngineMoves[1].loco, 1);
    EXPECT_EQ(state->lightEngineMoves[2].time, 709);
    EXPECT_EQ(state->lightEngineMoves[2].loco, 0);
    EXPECT_EQ(randCalls, (std::vector<int>{20, 20}));
}

TEST_F(WorldBuilders, DepartureRunsUnlessMissingOrCancelled) {
    addDeparture(context, 1, 6, 30, 15, "630A", "    ", "Roufield", 5, 999, " SH");
    EXPECT_TRUE(departureRuns(*state, "630A"));
    EXPECT_FALSE(departureRuns(*state, "630B"));
    state->departures[1].state = departureGone;
    EXPECT_FALSE(departureRuns(*state, "630A"));
}

TEST_F(WorldBuilders, ReturnArrivalsResolveByCode) {
    addDeparture(context, 1, 0, 10, 17, "745A", "745B", "Wrennick", 12, 745, "10A");
    addDeparture(context, 1, 0, 20, 17, "746A", "    ", "Wrennick", 12, 745, "10A");
    addDeparture(context, 1, 0, 30, 17, "747A", "747X", "Wrennick", 12, 745, "10A");
    addArrival(context, 1, 20, 8, 17, "745B", "    ", "Wrennick", 999, 99, 12);
    addArrival(context, 1, 21, 0, 17, "746B", "    ", "Wrennick", 999, 99, 12);
    state->departures[2].returnArrival = 5;
    state->departures[2].returnArrival2 = 7;
    state->departures[3].returnCode2 = "746B";
    resolveReturnArrivals(*state);
    EXPECT_EQ(state->departures[1].returnArrival, 1);
    EXPECT_EQ(state->departures[2].returnArrival, 0);
    EXPECT_EQ(state->departures[2].returnArrival2, 7);
    EXPECT_EQ(state->departures[3].returnArrival, 0);
    EXPECT_EQ(state->departures[3].returnArrival2, 2);

    setReturnArrival(*state, "746A", "746B");
    setReturnArrival(*state, "999A", "745B");
    EXPECT_EQ(state->departures[2].returnArrival, 2);
    EXPECT_EQ(state->departures[2].returnCode, "746B");
}

class WorldPlaceTraffic : public WorldBuilders {
  protected:
    // Departure 1 at 15:00 formed in the up yard; departure 2 a pseudo-departure; traffic 1.. added by tests.
    void SetUp() override {
        WorldBuilders::SetUp();
        addDeparture(context, 2, 15, 0, 16, "745A", "    ", "Carrowfold", 12, 745, "10A");
        addDeparture(context, 1, 48, 0, 16, "01S#", "    ", "Wrennick", 12, 999, "10A");
        addDeparture(context, 1, 8, 20, 16, "745B", "    ", "Wrennick", 12, 745, "10A");
    }

    int readyAfterPlacing(int route, std::string_view departure, int type) {
        const std::string name = "Tr" + std::to_string(state->trafficCount + 1);
        addTraffic(context, route, name, departure, type);
        placeTraffic(context, 121, name);
        return state->traffic[state->trafficCount].readyAt;
    }
};

TEST_F(WorldPlaceTraffic, StandsBeingWorkedAtThePlace) {
    addTraffic(context, 16, "UYd1", "745A", 3);
    placeTraffic(context, 121, "UYd1");
    const Location& place = state->locations[121];
    EXPECT_EQ(place.occState, occTraffic);
    EXPECT_EQ(place.occupant, 1);
    const Portion& portion = state->portions[state->traffic[1].portion];
    EXPECT_EQ(portion.portionState, portionBeingWorked);
    EXPECT_EQ(portion.location, 121);
    EXPECT_EQ(portion.departure, 1);
    EXPECT_EQ(portion.arrival, 0);
    placeTraffic(context, 122, "None");
    EXPECT_EQ(state->locations[122].occState, occEmpty);
}

TEST_F(WorldPlaceTraffic, WorkTimeForNoDepartureOrAPseudoDeparture) {
    EXPECT_EQ(readyAfterPlacing(16, "    ", 3), 3 * 1600);
    EXPECT_TRUE(randCalls.empty());
    const std::vector<std::pair<int, int>> bases{{1, 90},  {13, 90}, {2, 120}, {8, 120},
                                                 {6, 300}, {7, 180}, {3, 360}, {10, 360}};
    for (const auto& [type, base] : bases) {
        draws({base - 1});
        randCalls.clear();
        EXPECT_EQ(readyAfterPlacing(16, "01S#", type), 3 * (2 * base - 1)) << type;
        EXPECT_EQ(randCalls, std::vector<int>{base}) << type;
    }
}

TEST_F(WorldPlaceTraffic, WorkTimeForARealDeparture) {
    draws({10});
    EXPECT_EQ(readyAfterPlacing(16, "745A", 3), 3 * (900 - 10 - 571));
    state->departures[1].state = departureGathering;
    draws({10});
    EXPECT_EQ(readyAfterPlacing(15, "745A", 3), 3 * (900 - 10 - 571 - 90)); // formed elsewhere
    EXPECT_EQ(state->departures[1].state, departureBuilt);
    // Parcels come early, but no work is longer than 710 minutes less a draw.
    draws({10, 4});
    EXPECT_EQ(readyAfterPlacing(16, "745A", 1), 3 * (710 - 4));
    draws({10});
    EXPECT_EQ(readyAfterPlacing(16, "745B", 10), 3 * (500 - 10 - 571 + 479));
}

TEST_F(WorldPlaceTraffic, WorkTimeNeverFallsToNothing) {
    draws({0});
    EXPECT_EQ(readyAfterPlacing(16, "745B", 3), 3 * 1);
    draws({0, 3});
    EXPECT_EQ(readyAfterPlacing(15, "745B", 3), 3 * (5 + 3));
}

TEST_F(WorldPlaceTraffic, StockAndRakesAtThePlace) {
    addTraffic(context, 16, "UYd1", "745A", 3);
    addTraffic(context, 14, "Loc1", "01S#", 6);
    addTraffic(context, 14, "Loc2", "01S#", 6);
    state->departures[1].state = departureGathering;
    placeTrafficStock(context, 122, "UYd1");
    EXPECT_EQ(state->locations[122].occState, occStock);
    EXPECT_EQ(state->locations[122].occupant, state->traffic[1].portion);
    EXPECT_EQ(state->portions[state->traffic[1].portion].portionState, portionStanding);
    EXPECT_EQ(state->departures[1].state, departureBuilt);

    addTrafficToRake(context, 31, "Loc1");
    addTrafficToRake(context, 31, "Loc2");
    const PortionIndex head = state->locations[31].occupant;
    EXPECT_EQ(state->locations[31].occState, occStock);
    EXPECT_EQ(head, state->traffic[2].portion);
    ASSERT_EQ(rakeLength(*state, head), 2);
    EXPECT_TRUE(rakeFullyCoupled(*state, head));
    EXPECT_EQ(state->portions[head].portionState, portionDetached);

    addStockToRake(context, 31, "745B");
    ASSERT_EQ(rakeLength(*state, head), 3);
    EXPECT_FALSE(rakeFullyCoupled(*state, head));
    EXPECT_EQ(state->portions[rakeTail(*state, head)].portionState, portionStanding);
    EXPECT_EQ(state->departures[3].state, departureGathering);
    EXPECT_EQ(state->portions[rakeTail(*state, head)].location, 31);
}

TEST_F(WorldPlaceTraffic, DepartureStandsReadyWithOrWithoutItsEngine) {
    placeDeparture(context, 145, "745B", 0, 0);
    EXPECT_EQ(state->locations[145].occState, occDeparture);
    EXPECT_EQ(state->locations[145].occupant, 3);
    EXPECT_EQ(state->departures[3].location, 145);
    EXPECT_EQ(state->departures[3].state, departureFormed);

    placeDeparture(context, 146, "745A", 745, highEnd);
    const Location& place = state->locations[146];
    EXPECT_EQ(state->departures[1].state, departureReady);
    EXPECT_EQ(place.endFlag[highEnd], 1);
    EXPECT_EQ(place.endFlag[lowEnd], 0);
    EXPECT_EQ(place.locoAt[3], 2);
    EXPECT_EQ(state->locos[2].where, 146);
    EXPECT_EQ(state->locos[2].facing, 0);
    EXPECT_EQ(state->portions[state->departures[1].firstPortion].portionState, portionInFormed);

    placeDeparture(context, 47, "745A", 900, lowEnd); // it already stands in 146
    const Location& second = state->locations[47];
    EXPECT_EQ(second.occState, occStock);
    EXPECT_EQ(second.occupant, state->portionCount);
    EXPECT_EQ(state->departures[1].state, departureGathering);
    EXPECT_EQ(state->departures[1].location, 146);
    EXPECT_EQ(second.locoAt[2], 3);
    EXPECT_EQ(state->locos[3].facing, 1);
    EXPECT_TRUE(warnings.empty()); // a departure placed whole is not checked for its place
}

TEST_F(WorldPlaceTraffic, DepartureWithAMissingEngineStandsWithoutOne) {
    placeDeparture(context, 145, "745B", 123, highEnd);
    EXPECT_EQ(warnings, std::vector<std::string>{"Loco 123 is missing"});
    EXPECT_EQ(state->departures[3].state, departureFormed);
    EXPECT_EQ(state->locations[145].endFlag[highEnd], 0);
}

TEST_F(WorldPlaceTraffic, MisplacementWarnsExceptForPseudoDepartures) {
    addTraffic(context, 16, "UYd1", "745A", 3);
    addTraffic(context, 16, "UYd2", "01S#", 3);
    addTraffic(context, 16, "UYd3", "745A", 3);
    addTraffic(context, 16, "UYd4", "745A", 3);
    placeTrafficStock(context, 2, "UYd1"); // a siding of group 5
    placeTrafficStock(context, 3, "UYd2");
    placeTrafficStock(context, 144, "UYd3"); // the yards, shed and station take one another's stock
    addTrafficToRake(context, 41, "UYd4");
    addStockToRake(context, 110, "745B");
    addStockToRake(context, 75, "745B"); // no group
    EXPECT_EQ(warnings, (std::vector<std::string>{"WARNING: part of 745A wrongly placed in MUL",
                                                  "WARNING: part of 745B wrongly placed in GWN"}));
}

TEST(WorldRoutes, CompatibilityIsNotSymmetric) {
    EXPECT_TRUE(routesCompatible(16, 4));
    EXPECT_FALSE(routesCompatible(4, 16));
    EXPECT_TRUE(routesCompatible(15, 19));
    EXPECT_FALSE(routesCompatible(19, 15));
    EXPECT_FALSE(routesCompatible(15, 20));
    EXPECT_TRUE(routesCompatible(11, 13));
    EXPECT_FALSE(routesCompatible(13, 11));
    EXPECT_TRUE(routesCompatible(9, 25));
    EXPECT_FALSE(routesCompatible(25, 9));
    EXPECT_FALSE(routesCompatible(9, 10));
    EXPECT_TRUE(routesCompatible(3, 7));
    EXPECT_TRUE(routesCompatible(7, 3));
    EXPECT_FALSE(routesCompatible(3, 1));
    EXPECT_TRUE(routesCompatible(22, 21));
    EXPECT_FALSE(routesCompatible(21, 23));
    EXPECT_TRUE(routesCompatible(1, 1));
    EXPECT_FALSE(routesCompatible(1, 0));
}

} // namespace
} // namespace wm
