#include "movement/move_predicates.h"

#include "movement/move_rules.h"

#include "world/berths.h"
#include "world/game_state.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
bool somethingComingIn(const Location& l) {
    return l.occState == occComingIn || l.occState == occEngineComingIn;
}

} // namespace

bool roomAtHighEnd(const GameState& s, LocationId place, bool single) {
    if (!isPlace(place)) return false;
    const Location& l = s.locations[place];
    if (l.locoSlots < 1 || placeTaken(l, l.locoSlots) || somethingComingIn(l)) return false;
    if (!single && (l.locoSlots < 2 || placeTaken(l, l.locoSlots - 1))) return false;
    return true;
}

bool roomAtLowEnd(const GameState& s, LocationId place, bool single) {
    if (!isPlace(place)) return false;
    const Location& l = s.locations[place];
    if (l.kind == kindShedRoad) return roomAtHighEnd(s, place, single);
    if (placeTaken(l, 1) || somethingComingIn(l)) return false;
    if (!single && (l.locoSlots < 2 || placeTaken(l, 2))) return false;
    return true;
}

bool longTrain(const GameState& s, int occState, int occupant) {
    int type = -1;
    if (occState == occArrival && isArrival(s, occupant)) type = s.arrivals[occupant].trainType;
    if ((occState == occDeparture || occState == occReversingDeparture) && isDeparture(s, occupant))
        type = s.departures[occupant].trainType;
    return type == 0 || type == 2 || type == 3;
}

bool holdsLongTrain(const GameState& s, LocationId place) {
    if (!isPlace(place)) return false;
    const Location& l = s.locations[place];
    if (l.occState == occComingIn) {
        const Location& berth = s.locations[incomingBerth(place)];
        return longTrain(s, berth.occState, berth.occupant);
    }
    return longTrain(s, l.occState, l.occupant);
}

} // namespace wm
