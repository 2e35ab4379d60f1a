#include "rules/train_at_stand.h"

#include "rules/arrival_delay.h"
#include "rules/departure_formation.h"
#include "rules/departure_readiness.h"
#include "world/berths.h"
#include "world/game_state.h"
#include "world/group_names.h"
#include "world/rakes.h"
#include "world/reference_tables.h"
#include "world/ticks.h"

namespace wm {

namespace {
constexpr int stockFormedWithinMinutes = 6;

/// Ticks before the stock of an arrival is released.
int alightingTicks(const Arrival& a, GameServices& services) {
    if (a.group != 1) return 1;
    switch (a.trainType) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 6:
        return ticksPerMinute * (5 + services.rand(10));
    case 4:
        return ticksPerMinute * 2;
    case 5:
        return ticksPerMinute * (15 + services.rand(10));
    default:
        return 1;
    }
}
} // namespace

void settleTrainAtStand(GameState& s, Console& console, GameServices& services, LocationId place) {
    Location& l = s.locations[place];
    if (l.occState == occDeparture && l.occupant > 0) {
        s.departures[l.occupant].location = place;
        checkPlaceReady(s, place);
    }
    if (l.occState == occStock) {
        // Stock brought in that makes up a departure about to leave stands as that departure.
        const DepartureIndex d = wholeRakeDeparture(s, l.occupant);
        if (d != 0 && rakeFullyCoupled(s, l.occupant) &&
            s.clock + stockFormedWithinMinutes > s.departures[d].time &&
            s.departures[d].state < departureOnWayOut)
            formDepartureFromLowEnd(s, place, d);
        return;
    }
    if (l.occState != occArrival || l.occupant <= 0) return;
    const Arrival& a = s.arrivals[l.occupant];
    if (a.group == l.group) {
        services.notice("A train has arrived at " + groupName(a.group));
        const DepartureIndex through = throughDeparture(s, l.occupant);
        if (through != 0 &&
            (s.departures[through].time == a.time || isLightEngine(s.departures[through].trainType))) {
            l.occState = occDeparture;
            l.occupant = through;
            s.departures[through].state = departureReady;
            s.departures[through].location = place;
            return;
        }
        chargeArrivalDelay(s, console, place, l.occupant);
    }
    l.busyTicks = alightingTicks(a, services);
    // Once the wait is over the place holds what it holds now.
    keepContentsInBerth(s, place);
}

} // namespace wm
