// A train at an entry point is signalled in no sooner than its approach time and two minutes before it is
// due at the edge of the layout, and starts in after its wait and its run from the edge.

#include <gtest/gtest.h>

#include "move_bench.h"
#include "movement/arrival_ready.h"

namespace wm {
namespace {

class ArrivalReady : public MoveBench {
  protected:
    /// An arrival of the type waiting at the entry point of its line, due at `due` (booked + late).
    LocationId waiting(int line, int group, int trainType, int booked, int late) {
        state.arrivalCount = 1;
        Arrival& a = state.arrivals[1];
        a.line = line;
        a.group = group;
        a.trainType = trainType;
        a.time = booked;
        a.late = late;
        const LocationId entry = state.lines[line].entryPlace;
        state.locations[entry].occState = occArrival;
        state.locations[entry].occupant = 1;
        return entry;
    }
};

TEST_F(ArrivalReady, AnExpressDueAtTwentyPastIsRefusedAtThirteenAndAcceptedAtFourteenWithATwoMinuteWait) {
    const LocationId entry = waiting(2, 1, 0, 620, 0); // line 2, band 1: approach 4, edge 1
    ASSERT_EQ(state.locations[entry].kind, kindEntryPoint);
    state.clock = 613;
    move.arrivalStartDelay = -7;
    EXPECT_TRUE(checkArrivalReady(world, entry));
    EXPECT_EQ(lastMessage(), "error It isn't here yet");
    EXPECT_EQ(move.arrivalStartDelay, -7);

    state.clock = 614;
    world.tickPhase = 2;
    EXPECT_FALSE(checkArrivalReady(world, entry));
    EXPECT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(move.arrivalStartDelay, 3 * (2 + 1 - 1) + 2 + 1);
    EXPECT_EQ(state.score, 0);
}

TEST_F(ArrivalReady, LatenessAYardsApproachAndTheRunFromTheEdgeCount) {
    // A slow freight (band 3) for the up yard on line 1: approach 13 + 3, edge 8 minutes.
    const LocationId entry = waiting(1, 16, 10, 700, 5);
    state.clock = 705 - 16 - 3;
    EXPECT_TRUE(checkArrivalReady(world, entry));
    state.clock = 705 - 16 - 2; // wait 2
    world.tickPhase = 1;
    EXPECT_FALSE(checkArrivalReady(world, entry));
    EXPECT_EQ(move.arrivalStartDelay, 3 * (2 + 8 - 1) + 1 + 1);
    state.clock = 720; // overdue: no wait
    EXPECT_FALSE(checkArrivalReady(world, entry));
    EXPECT_EQ(move.arrivalStartDelay, 3 * (8 - 1) + 1 + 1);
}

TEST_F(ArrivalReady, AnEntryPointWithoutASoundArrivalHasNothingToWaitFor) {
    const LocationId entry = state.lines[2].entryPlace;
    state.locations[entry].occState = occArrival;
    state.locations[entry].occupant = arrivalCapacity + 5; // a damaged record
    EXPECT_FALSE(checkArrivalReady(world, entry));
    EXPECT_EQ(move.arrivalStartDelay, world.tickPhase + 1);
    state.locations[entry].occState = occEmpty;
    state.locations[entry].occupant = 0;
    EXPECT_FALSE(checkArrivalReady(world, entry));
    EXPECT_FALSE(checkArrivalReady(world, 0));
    EXPECT_TRUE(host.messages().empty());
}

} // namespace
} // namespace wm
