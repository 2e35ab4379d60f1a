#include "movement/validate_move.h"

#include "world/game_state.h"
#include "world/rakes.h"

namespace wm {

namespace {
bool bookedTogether(const GameState& s, ArrivalIndex arrival, DepartureIndex departure) {
    return arrival > 0 && departure > 0 && s.departures[departure].time == s.arrivals[arrival].time;
}
} // namespace

bool runsThrough(const GameState& s, LocationId place) {
    if (place < 1 || place > placeCount) return false;
    const Location& l = s.locations[place];
    switch (l.occState) {
    case occArrival:
        if (l.occupant < 1 || l.occupant > arrivalCapacity) return false;
        return bookedTogether(s, l.occupant, throughDeparture(s, l.occupant));
    case occDeparture:
    case occReversingDeparture:
        if (l.occupant < 1 || l.occupant > departureCapacity) return false;
        return bookedTogether(s, throughArrival(s, l.occupant), l.occupant);
    default:
        return false;
    }
}

bool validateMove(MoveWorld& w, LocationId from, LocationId to) {
    w.move.moveUp = to > from;
    w.move.throughRun = runsThrough(w.state, from);
    return true;
}

} // namespace wm
