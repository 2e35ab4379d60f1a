#include "world/lookups.h"

#include "world/game_state.h"

#include <gtest/gtest.h>

#include <memory>

namespace wm {
namespace {

class WorldLookups : public ::testing::Test {
  protected:
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
};

TEST_F(WorldLookups, FindsTheFirstEngineWithTheDuty) {
    state->locoCount = 3;
    state->locos[1].duty = 401;
    state->locos[2].duty = 772;
    state->locos[3].duty = 772;
    EXPECT_EQ(findLocoByDuty(*state, 401), 1);
    EXPECT_EQ(findLocoByDuty(*state, 772), 2);
    EXPECT_EQ(findLocoByDuty(*state, 930), 0);
}

TEST_F(WorldLookups, IgnoresEntriesBeyondTheCount) {
    state->locoCount = 1;
    state->locos[1].duty = 401;
    state->locos[2].duty = 402;
    state->departureCount = 1;
    state->departures[2].code = "745A";
    EXPECT_EQ(findLocoByDuty(*state, 402), 0);
    EXPECT_EQ(findLocoByDuty(*state, 0), 0);
    EXPECT_EQ(findDepartureByCode(*state, "745A"), 0);
}

TEST_F(WorldLookups, DepartureCodesMatchExactly) {
    state->departureCount = 3;
    state->departures[1].code = "745";
    state->departures[2].code = "745A";
    state->departures[3].code = "745 ";
    EXPECT_EQ(findDepartureByCode(*state, "745A"), 2);
    EXPECT_EQ(findDepartureByCode(*state, "745"), 1);
    EXPECT_EQ(findDepartureByCode(*state, "745 "), 3);
    EXPECT_EQ(findDepartureByCode(*state, "745A "), 0);
    EXPECT_EQ(findDepartureByCode(*state, "    "), 0);
}

TEST_F(WorldLookups, ArrivalCodesDoNotMatchOnTrailingBlanks) {
    state->arrivalCount = 2;
    state->arrivals[1].code = "1A2";
    state->arrivals[2].code = "1A23";
    EXPECT_EQ(findArrivalByCode(*state, "1A2 "), 0);
    EXPECT_EQ(findArrivalByCode(*state, "1A2"), 1);
    EXPECT_EQ(findArrivalByCode(*state, "1A23"), 2);
}

TEST_F(WorldLookups, TrafficNamesDoNotMatchOnTrailingBlanks) {
    state->trafficCount = 2;
    state->traffic[1].name = "K1";
    state->traffic[2].name = "K1 ";
    EXPECT_EQ(findTrafficByName(*state, "K1 "), 2);
    EXPECT_EQ(findTrafficByName(*state, "K1"), 1);
    EXPECT_EQ(findTrafficByName(*state, "K1  "), 0);
}

} // namespace
} // namespace wm
