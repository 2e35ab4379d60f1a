// Whether the train at a place runs through: it goes on at its own booked time.

#include <gtest/gtest.h>

#include "move_bench.h"
#include "movement/validate_move.h"

namespace wm {
namespace {

class RunsThrough : public MoveBench {
  protected:
    /// An arrival whose one portion goes forward as a departure of one portion.
    void pair(int arrivalTime, int departureTime) {
        state.arrivalCount = state.departureCount = state.portionCount = 1;
        state.arrivals[1].time = arrivalTime;
        state.arrivals[1].firstPortion = 1;
        state.departures[1].time = departureTime;
        state.departures[1].firstPortion = 1;
        state.departures[1].portionCount = 1;
        state.portions[1].arrival = 1;
        state.portions[1].departure = 1;
    }
    void standing(LocationId place, OccState what, int occupant) {
        state.locations[place].occState = what;
        state.locations[place].occupant = occupant;
    }
};

TEST_F(RunsThrough, ATrainRunsThroughOnlyWhenItsDepartureLeavesAtTheArrivalsOwnTime) {
    const LocationId platform = 98;
    pair(630, 630);
    standing(platform, occArrival, 1);
    EXPECT_TRUE(runsThrough(state, platform));

    standing(platform, occDeparture, 1); // the departure it forms
    EXPECT_TRUE(runsThrough(state, platform));

    pair(630, 645); // it waits at the platform: a train that terminates and starts again
    EXPECT_FALSE(runsThrough(state, platform));
    standing(platform, occArrival, 1);
    EXPECT_FALSE(runsThrough(state, platform));
}

TEST_F(RunsThrough, StockALightEngineOrADamagedOccupantDoNotRunThrough) {
    const LocationId platform = 98;
    pair(630, 630);
    standing(platform, occStock, 1);
    EXPECT_FALSE(runsThrough(state, platform));
    standing(platform, occEmpty, 0);
    EXPECT_FALSE(runsThrough(state, platform));
    standing(platform, occArrival, arrivalCapacity + 1);
    EXPECT_FALSE(runsThrough(state, platform));
    // A second portion on the arrival makes it a train that divides, not one that runs through.
    state.portionCount = 2;
    state.portions[1].next = 2;
    state.portions[2].prev = 1;
    standing(platform, occArrival, 1);
    EXPECT_FALSE(runsThrough(state, platform));
}

} // namespace
} // namespace wm
