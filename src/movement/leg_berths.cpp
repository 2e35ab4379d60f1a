#include "movement/leg_berths.h"

#include "world/berths.h"
#include "world/game_state.h"
#include "world/loco_places.h"

namespace wm {

namespace {
/// A record's own occupation state: something that stands, as opposed to a move under way.
bool isStandingState(int occState) {
    return (occState >= occArrival && occState <= occTraffic) || occState == occReversingDeparture;
}

std::size_t endIndex(int place) {
    return static_cast<std::size_t>(endOfPlace(place));
}

int firstFreePlace(const Location& l) {
    for (int k = 1; k <= 4; ++k)
        if (l.locoAt[k] == 0) return k;
    return 0;
}

/// An engine already in the place moves out of the way to `preferred` when that is free, else to any
/// free place.
void moveAside(Location& berth, int place, int preferred) {
    const LocoIndex there = berth.locoAt[place];
    if (there == 0) return;
    const bool preferredFree = preferred >= 1 && preferred <= 4 && berth.locoAt[preferred] == 0;
    const int free = preferredFree ? preferred : firstFreePlace(berth);
    if (free == 0) return;
    berth.locoAt[free] = there;
    berth.locoAt[place] = 0;
}

/// The engine stands at `place` of the berth of `to`, as the engine that will be there.
void standEngine(GameState& s, LocationId to, int place, LocoIndex engine) {
    if (engine == 0 || place < 1 || place > 4) return;
    Location& berth = s.locations[incomingBerth(to)];
    if (berth.locoAt[place] != engine) moveAside(berth, place, 0);
    berth.locoAt[place] = engine;
    if (engine <= s.locoCount) s.locos[engine].where = incomingBerth(to);
}

void removeEngines(Location& l, const MovingEngines& gone) {
    for (int k = 1; k <= 4; ++k) {
        const LocoIndex engine = l.locoAt[k];
        if (engine != 0 && (engine == gone.engine || engine == gone.second || engine == gone.rear))
            l.locoAt[k] = 0;
    }
}

/// An end where no engine is left has nothing coupled at it.
void clearEmptyEnds(Location& l) {
    for (int end : {lowEnd, highEnd}) {
        if (hasEngineAtEnd(l, end)) continue;
        l.endFlag[static_cast<std::size_t>(end)] = 0;
        l.enginePairFlag[static_cast<std::size_t>(end)] = 0;
    }
}

bool holdsAnything(const Location& l) {
    return l.occupant != 0 || l.occupant2 != 0 || !enginesAt(l).empty();
}

} // namespace

MovingEngines placedEngines(const MovingEngines& engines, const RestPlaces& places) {
    return {places.engine != 0 ? engines.engine : 0, places.second != 0 ? engines.second : 0,
            places.rear != 0 ? engines.rear : 0};
}

void startIncomingBerth(GameState& s, LocationId to, bool takeOverAll, int formerBusyTicks) {
    const Location& dest = s.locations[to];
    const LocationId berthId = incomingBerth(to);
    clearLocation(s, berthId);
    Location& berth = s.locations[berthId];
    berth.locoAt = dest.locoAt;
    berth.endFlag = dest.endFlag;
    berth.enginePairFlag = dest.enginePairFlag;
    if (!takeOverAll) return;
    berth.occState = dest.occState;
    berth.occupant = dest.occupant;
    berth.occState2 = dest.occState2;
    berth.occupant2 = dest.occupant2;
    berth.busyTicks = formerBusyTicks;
}

void receiveTrain(GameState& s, LocationId to, const MovingThing& moving) {
    const Location& dest = s.locations[to];
    Location& berth = s.locations[incomingBerth(to)];
    berth.occState = static_cast<OccState>(moving.occState);
    berth.occupant = moving.occupant;
    if (dest.occupant != 0 && isStandingState(dest.occState)) {
        berth.occState2 = dest.occState;
        berth.occupant2 = dest.occupant;
    }
}

void standEngines(GameState& s, LocationId to, const RestPlaces& places, const MovingEngines& gone,
                  bool coupledToTrain, bool makeRoomAtLead) {
    Location& berth = s.locations[incomingBerth(to)];
    if (makeRoomAtLead) moveAside(berth, places.engine, places.engine == 3 ? 4 : 1);
    standEngine(s, to, places.engine, gone.engine);
    standEngine(s, to, places.second, gone.second);
    standEngine(s, to, places.rear, gone.rear);
    if (gone.engine != 0 && coupledToTrain) berth.endFlag[endIndex(places.engine)] = 1;
    if (gone.engine != 0 && gone.second != 0) berth.enginePairFlag[endIndex(places.engine)] = 1;
    if (gone.rear != 0) berth.endFlag[endIndex(places.rear)] = 1;
}

void leaveBehind(GameState& s, LocationId from, const MovingThing& taken, const MovingEngines& gone,
                 int formerBusyTicks) {
    const LocationId berthId = incomingBerth(from);
    clearLocation(s, berthId);
    // A place the train only passes through was clear before it came; until it has gone by, the berth
    // still names the train so that the screen shows a train passing, not a light engine.
    if (taken.source != from) {
        s.locations[berthId].occState = static_cast<OccState>(taken.occState);
        s.locations[berthId].occupant = taken.occupant;
        return;
    }
    keepContentsInBerth(s, from);
    Location& stays = s.locations[berthId];
    removeEngines(stays, gone);
    if (taken.occState != occEmpty) {
        if (!taken.fromSecond) {
            stays.occState = stays.occState2;
            stays.occupant = stays.occupant2;
        }
        stays.occState2 = occEmpty;
        stays.occupant2 = 0;
    }
    clearEmptyEnds(stays);
    Location& start = s.locations[from];
    // The queue of an entry point is moved on by what stood there, so it keeps it.
    if (start.kind == kindEntryPoint) return;
    // An engine leaving light leaves what it stood by waiting, its countdown still to run.
    if (taken.occState != occEmpty || !holdsAnything(stays)) return;
    start.occState = occLeavingLight;
    stays.busyTicks = formerBusyTicks;
}

void passThroughStart(GameState& s, LocationId from, DepartureIndex departure) {
    Location& stays = s.locations[incomingBerth(from)];
    if (holdsAnything(stays)) return;
    Location& start = s.locations[from];
    start.occState = occPassingThrough;
    start.occupant = departure;
    stays.occState = occDeparture;
    stays.occupant = departure;
}

} // namespace wm
