// The orders given at a place and the checks a move must pass, each refusal with its message.

#include <gtest/gtest.h>

#include <memory>

#include "host/headless/headless_host.h"
#include "session/completions.h"
#include "session/game.h"
#include "session/place_orders.h"
#include "world/location_table.h"
#include "world/lookups.h"
#include "world/rakes.h"
#include "world/train_builders.h"

namespace wm {
namespace {

class PlaceOrders : public ::testing::Test {
  protected:
    void SetUp() override {
        buildLocationTable(s());
        s().clock = 600;
        s().locoCount = 6;
        for (int i = 1; i <= 6; ++i) {
            s().locos[i].number = std::to_string(44000 + i);
            s().locos[i].classIndex = 12; // a tender engine too long for the Up Yard turntable
        }
    }
    GameState& s() { return game->state; }
    LocationId at(std::string_view code) { return findPlaceByCode(s(), code); }
    void stand(LocationId place, int p, LocoIndex engine) {
        s().locations[place].locoAt[p] = engine;
        s().locos[engine].where = place;
    }
    std::string lastMessage() const { return host.messages().empty() ? "" : host.messages().back(); }

    HeadlessHost host;
    std::unique_ptr<Game> game = std::make_unique<Game>(host);
};

TEST_F(PlaceOrders, CouplingIsOnlyForPlatformsLoopsAndSidings) {
    stand(at("LL4"), 1, 1);
    CoupleOrder(*game, at("LL4"));
    EXPECT_EQ(lastMessage(), "notice Coupling/uncoupling not allowed there");
    UncoupleOrder(*game, at("LL4"));
    EXPECT_EQ(lastMessage(), "notice Coupling/uncoupling not allowed there");
}

TEST_F(PlaceOrders, AnEngineBesideStockCouplesAtItsEndWithAThreeTickCountdown) {
    const LocationId siding = at("BAY");
    Location& l = s().locations[siding];
    l.occState = occStock;
    l.occupant = 1;
    s().portionCount = 1;
    stand(siding, 4, 2); // alone at the outer place: it draws up first
    CoupleOrder(*game, siding);
    EXPECT_EQ(l.locoAt[3], 2);
    EXPECT_EQ(l.locoAt[4], 0);
    EXPECT_EQ(l.endFlag[highEnd], 1);
    EXPECT_EQ(l.couplingTicks[highEnd], 3);
    CoupleOrder(*game, siding);
    EXPECT_EQ(lastMessage(), "notice Nothing to couple");
    advancePlaces(*game);
    advancePlaces(*game);
    advancePlaces(*game);
    EXPECT_EQ(l.couplingTicks[highEnd], 0);
    UncoupleOrder(*game, siding);
    EXPECT_EQ(l.endFlag[highEnd], 0);
    EXPECT_EQ(l.couplingTicks[highEnd], 3);
    UncoupleOrder(*game, siding);
    EXPECT_EQ(lastMessage(), "notice Nothing to uncouple");
}

TEST_F(PlaceOrders, StockCoupledToItsEngineBecomesTheTrainItMakesUpAndIsReady) {
    // The 10.05 passenger to line 20 leaves PL1 by its high end; its two portions stand there coupled.
    const LocationId pl1 = at("PL1");
    const DepartureIndex d = ++s().departureCount;
    s().departures[d].time = 605;
    s().departures[d].line = 20;
    s().departures[d].group = 15;
    s().departures[d].trainType = 4;
    s().portionCount = 2;
    for (PortionIndex p : {1, 2}) {
        s().portions[p].departure = d;
        s().portions[p].portionState = portionStanding;
        s().portions[p].location = pl1;
    }
    s().departures[d].firstPortion = 1;
    s().departures[d].portionCount = 2;
    s().portions[1].depNext = 2;
    s().portions[2].depPrev = 1;
    s().portions[1].next = 2;
    s().portions[2].prev = 1;
    s().portions[1].coupledToNext = 1;
    Location& l = s().locations[pl1];
    l.occState = occStock;
    l.occupant = 1;
    stand(pl1, 3, 2);
    CoupleOrder(*game, pl1);
    EXPECT_EQ(l.occState, occDeparture);
    EXPECT_EQ(l.occupant, d);
    EXPECT_EQ(s().departures[d].location, pl1);
    EXPECT_EQ(s().departures[d].state, departureReady);
    EXPECT_EQ(s().portions[1].portionState, portionInFormed);
}

TEST_F(PlaceOrders, ARakeThatIsAllOfTwoTrainsBecomesBothTheSecondInTheSecondBerth) {
    // The 10.03 (two portions) and the 10.05 (one) to line 20 stand at PL1 as one rake coupled throughout.
    const LocationId pl1 = at("PL1");
    std::vector<PortionIndex> rake;
    std::vector<DepartureIndex> trains;
    for (const auto& [time, portions] : {std::pair{603, 2}, std::pair{605, 1}}) {
        const DepartureIndex d = ++s().departureCount;
        Departure& departure = s().departures[d];
        departure.time = time;
        departure.line = 20;
        departure.group = 15;
        departure.trainType = 4;
        trains.push_back(d);
        for (int i = 0; i < portions; ++i) {
            rake.push_back(newPortion(s(), 0, 0, d));
            s().portions[rake.back()].portionState = portionStanding;
        }
    }
    PortionIndex head = 0;
    for (PortionIndex p : rake) head = appendPortion(s(), head, p, true);
    setRakeLocation(s(), head, pl1);
    Location& l = s().locations[pl1];
    l.occState = occStock;
    l.occupant = head;
    stand(pl1, 3, 2);
    CoupleOrder(*game, pl1);
    EXPECT_EQ(l.occState, occDeparture);
    EXPECT_EQ(l.occupant, trains[0]);
    EXPECT_EQ(l.occState2, occDeparture);
    EXPECT_EQ(l.occupant2, trains[1]);
    EXPECT_EQ(s().departures[trains[1]].state, departureReady) << "its engine is at its leaving end";
    EXPECT_EQ(s().departures[trains[0]].state, departureFormed)
        << "the other train stands between it and its leaving end";
}

TEST_F(PlaceOrders, WaterOnlyAtAColumnAndOnlyForAnEngineThatNeedsIt) {
    const LocationId noColumn = at("PL4");
    stand(noColumn, 2, 1);
    s().locos[1].condition = conditionNeedsWater;
    WaterOrder(*game, noColumn);
    EXPECT_EQ(lastMessage(), "notice That isn't possible");
    EXPECT_EQ(s().locos[1].watering, 0);

    const LocationId column = at("DFM"); // waters the engine in place 2, else place 1
    stand(column, 1, 3);
    s().locos[3].condition = conditionNeedsWater;
    WaterOrder(*game, column);
    EXPECT_EQ(s().locos[3].watering, 1);
    EXPECT_EQ(s().locos[3].workTime, 9);
    WaterOrder(*game, column); // already watering
    EXPECT_EQ(lastMessage(), "notice That isn't possible");
}

TEST_F(PlaceOrders, ATurnTakesTwoOrThreeMinutesAndTheNextOrderIsToldHowLongIsLeft) {
    const LocationId table = at("LTT");
    stand(table, 1, 4);
    LocationId to = table;
    EXPECT_FALSE(CheckMove(*game, table, to));
    const Location& l = s().locations[table];
    EXPECT_TRUE(l.busyTicks == 6 || l.busyTicks == 9) << l.busyTicks;
    EXPECT_EQ(l.occState, 9);
    const int minutes = (l.busyTicks + 2) / 3;
    to = table;
    EXPECT_FALSE(CheckMove(*game, table, to));
    EXPECT_EQ(lastMessage(), "error Turning will be completed in " + std::to_string(minutes) + " minutes");
    for (int i = 0; i < 9; ++i) advancePlaces(*game);
    EXPECT_EQ(s().locos[4].facing, 1);
}

TEST_F(PlaceOrders, TheUpYardTurntableIsTooShortForALongEngine) {
    const LocationId table = at("UTT");
    stand(table, 1, 5);
    LocationId to = table;
    EXPECT_FALSE(CheckMove(*game, table, to));
    EXPECT_EQ(lastMessage().rfind("notice The Up Yard turntable is too short to turn a ", 0), 0u)
        << lastMessage();
    EXPECT_EQ(s().locations[table].busyTicks, 0);
    EXPECT_TRUE(fitsUpYardTurntable(2));
    EXPECT_TRUE(fitsUpYardTurntable(21));
    EXPECT_FALSE(fitsUpYardTurntable(11));
}

TEST_F(PlaceOrders, AMoveNeedsAnEngineAReachablePlaceAndAFreeEngine) {
    const LocationId platform = 98; // PL3
    LocationId to = 131;
    EXPECT_FALSE(CheckMove(*game, platform, to));
    EXPECT_EQ(lastMessage(), "notice Nothing to move");

    stand(platform, 3, 1);
    to = 99; // no route from PL3 to PL4
    EXPECT_FALSE(CheckMove(*game, platform, to));
    EXPECT_EQ(lastMessage(), "notice That isn't possible");

    s().locos[1].watering = 1;
    s().locos[1].workTime = 7;
    to = 131;
    EXPECT_FALSE(CheckMove(*game, platform, to));
    EXPECT_EQ(lastMessage(), "error Watering will be completed in 3 minutes");

    s().locos[1].watering = 0;
    s().locos[1].workTime = 0;
    EXPECT_TRUE(CheckMove(*game, platform, to));
    EXPECT_EQ(game->move.moveEngine, 1);
    EXPECT_EQ(game->move.placePicked, 3);
    EXPECT_TRUE(game->move.moveUp);
}

TEST_F(PlaceOrders, AMoveWaitsWhileSomethingIsComingIn) {
    const LocationId platform = 98;
    stand(platform, 3, 1);
    s().locations[platform].occState = occComingIn;
    s().locations[platform].busyTicks = 4;
    LocationId to = 131;
    EXPECT_FALSE(CheckMove(*game, platform, to));
    EXPECT_EQ(lastMessage(), "notice Please let it come to a stand first");
}

TEST_F(PlaceOrders, OnlyASingleEngineGoesOntoAShedRoad) {
    const LocationId from = 101; // P6S, which has routes into the shed
    stand(from, 2, 1);
    stand(from, 1, 2);
    s().locations[from].enginePairFlag[lowEnd] = 1;
    LocationId to = 43; // LL4
    EXPECT_FALSE(CheckMove(*game, from, to));
    EXPECT_EQ(lastMessage(), "notice Only a single engine may be moved to LL4");
    to = 68; // not a shed road: the pair may go
    EXPECT_TRUE(CheckMove(*game, from, to));
    EXPECT_EQ(game->move.moveEngine, 1);
    EXPECT_EQ(game->move.secondEngine, 2);
}

} // namespace
} // namespace wm
