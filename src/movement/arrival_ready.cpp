#include "movement/arrival_ready.h"

#include <algorithm>

#include "world/game_state.h"
#include "world/line_tables.h"
#include "world/ticks.h"

namespace wm {

namespace {
/// A train may be signalled in this many minutes before it could reach the edge of the layout.
constexpr int signalledInEarlyMinutes = 2;

/// The arrival waiting at the entry point; nullptr when nothing (or nothing sound) waits there.
const Arrival* waitingArrival(const GameState& s, LocationId entry) {
    if (entry < 1 || entry > placeCount) return nullptr;
    const Location& l = s.locations[entry];
    if (l.occState != occArrival || l.occupant < 1 || l.occupant > arrivalCapacity) return nullptr;
    return &s.arrivals[l.occupant];
}
} // namespace

bool checkArrivalReady(MoveWorld& w, LocationId from) {
    const GameState& s = w.state;
    // With no train to wait for, only the edge of the layout lies between it and the first place.
    static const Arrival none{};
    const Arrival* waiting = waitingArrival(s, from);
    const Arrival& a = waiting != nullptr ? *waiting : none;
    const int due = waiting != nullptr ? a.time + a.late : s.clock;
    const int approach = approachTime(a.group, a.line, a.trainType);
    if (due > s.clock + approach + signalledInEarlyMinutes) {
        w.services.error("It isn't here yet");
        return true;
    }
    const int wait = std::max(0, due - s.clock - approach);
    const int edge = edgeMinutes(a.line, speedBand(a.trainType));
    w.move.arrivalStartDelay = ticksPerMinute * (wait + edge - 1) + w.tickPhase + 1;
    return false;
}

} // namespace wm
