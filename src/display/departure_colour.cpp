#include "display/departure_colour.h"

#include "console/palette.h"
#include "rules/departure_readiness.h"
#include "world/game_state.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
constexpr int farAheadMinutes = 20; // not ready and this far ahead: nothing to see yet
constexpr int passengerSoonMinutes = 10;
} // namespace

Colour departureTimeColour(const GameState& state, DepartureIndex departure, LocationId place) {
    if (departure < 1 || departure > state.departureCount) return palette::Silver;
    const Departure& d = state.departures[departure];
    const Location& p = state.locations[place];
    const bool moving = p.busyTicks != 0;
    const int ahead = d.time - state.clock;

    if (!departureReadyAt(state, departure, place)) {
        if (moving || ahead >= farAheadMinutes) return palette::Silver;
        if (isPassengerTrain(d.trainType) && ahead < passengerSoonMinutes) return palette::Magenta;
        return palette::Yellow;
    }
    if (d.state == departureGone) {
        const bool runningPlace =
            p.kind == kindPlatform || p.kind == kindThroughRoad || p.kind == kindRunningSection;
        if (runningPlace && isPassengerTrain(d.trainType)) return moving ? palette::Silver : palette::Red;
        if (moving) return palette::Silver;
        return ahead > 0 ? palette::HighlightText : palette::Yellow;
    }
    if (d.state == departureOnWayOut) return palette::Cyan;
    if (ahead < 0) return palette::Red;
    if (ahead == 0) return palette::Green;
    if (ahead == 1) return palette::Yellow;
    return palette::Silver;
}

} // namespace wm
