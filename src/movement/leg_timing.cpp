#include "movement/leg_timing.h"

#include <algorithm>

#include "movement/section_ops.h"
#include "world/game_state.h"
#include "world/line_tables.h"
#include "world/reference_tables.h"
#include "world/ticks.h"

namespace wm {

namespace {
constexpr int throughRunMinimumTicks = 4;

bool startsThroughRunLate(int trainType) {
    // Expresses, excursions, reliefs and fast freights that run through are given time to be checked.
    return trainType == 0 || trainType == 2 || trainType == 3 || trainType == 9;
}
} // namespace

int legStartDelay(const MoveWorld& w, LocationId from, LocationId to, const MovingThing& moving) {
    const GameState& s = w.state;
    const Location& start = s.locations[from];
    int delay = start.busyTicks;
    if (start.kind == kindEntryPoint) {
        delay = w.move.arrivalStartDelay;
    } else if (s.locations[to].kind == kindTurntable) {
        delay = start.busyTicks;
    } else if ((moving.occState == occDeparture || moving.occState == occReversingDeparture) &&
               start.occState != occPassingThrough) {
        const Departure& d = s.departures[moving.occupant];
        const bool standsFormed = (start.kind == kindPlatform || start.kind == kindThroughRoad) &&
                                  start.group == d.group && isPassengerTrain(d.trainType) &&
                                  d.state < departureOnWayOut && !w.move.isShunt;
        // A formed passenger train stands until its booked minute.
        if (standsFormed)
            delay = s.clock < d.time ? ticksPerMinute * (d.time - s.clock) + w.tickPhase - ticksPerMinute : 0;
    } else if (moving.occState == occEmpty &&
               (start.occState == occArrival || start.occState == occWorkInProgress)) {
        delay = 0; // an engine leaving light goes at once
    }
    if (w.move.throughRun && moving.occState != occEmpty && startsThroughRunLate(moving.trainType))
        delay = std::max(delay, throughRunMinimumTicks);
    return delay;
}

int lockLegSections(GameState& s, std::span<const int> sections, int startDelay, int band) {
    int total = startDelay;
    for (int section : sections) {
        if (section <= 0) break;
        total += sectionCost(section, band);
        if (section <= sectionCount) s.sectionTimer[section] = std::max(total, 1);
    }
    return total;
}

void setLegCountdowns(GameState& s, LocationId from, LocationId to, int startDelay, int arrivalTicks,
                      int band) {
    s.locations[from].busyTicks = std::max(startDelay + 1, 1);
    const int line = exitLine(to);
    s.locations[to].busyTicks =
        std::max(line != 0 ? arrivalTicks + ticksPerMinute * edgeMinutes(line, band) : arrivalTicks, 1);
}

} // namespace wm
