#include "movement/leg_score_events.h"

#include <array>
#include <initializer_list>
#include <span>
#include <string>

#include "movement/leg_identities.h"
#include "rules/departure_readiness.h"
#include "rules/score_events.h"
#include "world/game_state.h"
#include "world/line_tables.h"
#include "world/record_checks.h"

namespace wm {

namespace {
struct Switching {
    int arrivedOn1, arrivedOn2; // the line the feeding arrival came in on (either)
    LocationId exit;
    int leavesOn1, leavesOn2; // the departure's line (either)
    const char* reason;
};

constexpr std::array<Switching, 4> switchings{{
    {21, 21, 54, 7, 8, "correct switching down fast to down slow"},
    {22, 22, 52, 2, 3, "correct switching down slow to down fast"},
    {2, 3, 192, 22, 22, "correct switching up fast to up slow"},
    {7, 8, 190, 21, 21, "correct switching up slow to up fast"},
}};

/// The places a train setting off from `from` overtakes.
std::span<const LocationId> passedPlaces(LocationId from) {
    static constexpr std::array<LocationId, 1> pastPlatformOne{95};
    static constexpr std::array<LocationId, 1> pastPlatformThree{98};
    static constexpr std::array<LocationId, 7> pastUpGoodsRoads{131, 132, 133, 134, 135, 136, 137};
    static constexpr std::array<LocationId, 2> pastDownThroughRoads{142, 143};
    static constexpr std::array<LocationId, 1> pastUpGoodsLine{170};
    switch (from) {
    case 96:
        return pastPlatformOne;
    case 97:
        return pastPlatformThree;
    case 138:
    case 140:
        return pastUpGoodsRoads;
    case 139:
    case 141:
        return pastDownThroughRoads;
    case 171:
        return pastUpGoodsLine;
    default:
        return {};
    }
}

/// The speed band of a train in the place running the way `down` says, or 0 when none counts there.
int bandRunningOurWay(const GameState& s, LocationId place, bool down) {
    const Location& l = s.locations[place];
    if (l.occState == occArrival && isArrival(s, l.occupant)) {
        const Arrival& a = s.arrivals[l.occupant];
        if (a.group == l.group || arrivalRunsDown(a) != down) return 0;
        return speedBand(a.trainType);
    }
    if ((l.occState == occDeparture || l.occState == occReversingDeparture) && isDeparture(s, l.occupant)) {
        const Departure& d = s.departures[l.occupant];
        if (d.state <= departureReady || departureRunsDown(d) != down) return 0;
        return speedBand(d.trainType);
    }
    return 0;
}
} // namespace

void scoreLineSwitching(MoveWorld& w, DepartureIndex departure, LocationId exit) {
    const GameState& s = w.state;
    if (!isDeparture(s, departure)) return;
    const ArrivalIndex fed = formingArrival(s, departure);
    if (fed == 0) return;
    const int arrivedOn = s.arrivals[fed].line;
    const int leavesOn = s.departures[departure].line;
    for (const Switching& row : switchings) {
        if (exit != row.exit || (arrivedOn != row.arrivedOn1 && arrivedOn != row.arrivedOn2)) continue;
        if (leavesOn == row.leavesOn1 || leavesOn == row.leavesOn2) GainBonusPoints(w.console, 1, row.reason);
    }
}

void scorePassingSlowerTrains(MoveWorld& w, LocationId from, int band) {
    const bool down = !w.move.moveUp;
    for (LocationId place : passedPlaces(from)) {
        const int theirs = bandRunningOurWay(w.state, place, down);
        if (theirs != 0 && band < theirs)
            GainBonusPoints(w.console, 1, "passing slower train in " + w.state.locations[place].code.str());
    }
}

} // namespace wm
