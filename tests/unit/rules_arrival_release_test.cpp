// An arrival whose engine is uncoupled leaves its rake standing; one still coupled, or still unloading,
// stays a train.

#include "rules/arrival_release.h"

#include <gtest/gtest.h>

#include <memory>

#include "world/game_state.h"
#include "world/rakes.h"

namespace wm {
namespace {

class ArrivalRelease : public ::testing::Test {
  protected:
    void SetUp() override {
        s.arrivalCount = 1;
        s.trafficCount = 1;
        s.departureCount = 1;
        for (TrafficIndex t : {0, 1}) {
            const PortionIndex p = ++s.portionCount;
            s.portions[p].traffic = t;
            s.portions[p].departure = 1;
            appendToRake(s, 1, p, true);
        }
        Location& l = s.locations[platform];
        l.occState = occArrival;
        l.occupant = 1;
        l.locoAt[innerPlace(highEnd)] = 7;
        l.endFlag[highEnd] = 1;
    }
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    GameState& s = *state;
    const LocationId platform = 98;
};

TEST_F(ArrivalRelease, TheRakeStandsOnceNoEngineIsCoupled) {
    EXPECT_FALSE(releaseArrivalStock(s, platform)) << "its engine is still coupled";
    s.locations[platform].endFlag[highEnd] = 0;
    s.locations[platform].busyTicks = 4;
    EXPECT_FALSE(releaseArrivalStock(s, platform)) << "its passengers are still getting off";
    EXPECT_EQ(s.locations[platform].occState, occArrival);

    s.locations[platform].busyTicks = 0;
    ASSERT_TRUE(releaseArrivalStock(s, platform));
    const Location& l = s.locations[platform];
    EXPECT_EQ(l.occState, occStock);
    EXPECT_EQ(l.occupant, s.arrivals[1].firstPortion);
    EXPECT_EQ(l.locoAt[innerPlace(highEnd)], 7) << "the engine still stands beside it";
    EXPECT_EQ(s.portions[1].portionState, portionStanding);
    EXPECT_EQ(s.portions[2].portionState, portionDetached) << "traffic waits to be sorted";
    for (PortionIndex p : {1, 2}) EXPECT_EQ(s.portions[p].location, platform);
    EXPECT_FALSE(releaseArrivalStock(s, platform)) << "released once";
}

TEST_F(ArrivalRelease, AnEngineThatBringsNothingLeavesNoRake) {
    s.arrivals[1].firstPortion = 0;
    s.locations[platform].endFlag[highEnd] = 0;
    EXPECT_FALSE(releaseArrivalStock(s, platform));
    EXPECT_EQ(s.locations[platform].occState, occArrival);
}

} // namespace
} // namespace wm
