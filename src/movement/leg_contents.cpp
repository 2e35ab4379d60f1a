#include "movement/leg_contents.h"

#include "world/berths.h"
#include "world/game_state.h"
#include "world/record_checks.h"

namespace wm {

namespace {
int placeOf(const Location& l, LocoIndex engine, int otherwise) {
    for (int k = 1; k <= 4; ++k)
        if (isRealEngine(engine) && l.locoAt[k] == engine) return k;
    return otherwise;
}

/// The occupant's train type, or 0 with the occupant dropped when the reference is damaged.
bool readOccupant(const GameState& s, int occState, int occupant, MovingThing& out) {
    switch (occState) {
    case occArrival:
        if (!isArrival(s, occupant)) return false;
        out.trainType = s.arrivals[occupant].trainType;
        break;
    case occDeparture:
    case occReversingDeparture:
        if (!isDeparture(s, occupant)) return false;
        out.trainType = s.departures[occupant].trainType;
        break;
    case occStock:
        if (!isPortion(s, occupant)) return false;
        break;
    case occTraffic:
        if (!isTraffic(s, occupant)) return false;
        break;
    default:
        return false;
    }
    out.occState = occState;
    out.occupant = occupant;
    return true;
}
} // namespace

bool startsFromPassingPlace(const GameState& s, const MoveContext& move, LocationId from) {
    return from != move.moveFrom && s.locations[from].occState == occPassingThrough;
}

MovingThing movingThing(const GameState& s, const MoveContext& move, LocationId from) {
    MovingThing moving;
    const bool passing = startsFromPassingPlace(s, move, from);
    moving.source = passing ? incomingBerth(from) : from;
    const Location& l = s.locations[moving.source];
    moving.enginePlace = passing ? placeOf(l, move.moveEngine, move.placePicked) : move.placePicked;
    if (!move.withTrain) return moving;
    const bool mainThere = l.occState != occEmpty && l.occupant > 0;
    const bool secondThere = l.occState2 != occEmpty && l.occupant2 > 0;
    const bool engineAtHighEnd = moving.enginePlace >= 3;
    if (secondThere && (engineAtHighEnd || !mainThere)) {
        moving.fromSecond = readOccupant(s, l.occState2, l.occupant2, moving);
        if (moving.fromSecond) return moving;
    }
    if (mainThere) readOccupant(s, l.occState, l.occupant, moving);
    return moving;
}

MovingEngines movingEngines(const MoveContext& move, const MovingThing& moving) {
    MovingEngines engines;
    engines.engine = isRealEngine(move.moveEngine) ? move.moveEngine : 0;
    engines.second = isRealEngine(move.secondEngine) ? move.secondEngine : 0;
    if (moving.occState != occEmpty && isRealEngine(move.rearEngine)) engines.rear = move.rearEngine;
    return engines;
}

} // namespace wm
