#include "world/berths.h"

#include "world/game_state.h"
#include "world/loco_places.h"

namespace wm {

void clearLocation(GameState& state, LocationId berth) {
    Location& l = state.locations[berth];
    l.locoAt = {};
    l.occState = occEmpty;
    l.occupant = 0;
    l.occupant2 = 0;
    l.occState2 = occEmpty;
    l.busyTicks = 0;
    l.endFlag = {};
    l.couplingTicks = {};
    l.enginePairFlag = {};
    l.enginePairTicks = {};
}

namespace {
/// What stands in a berth; the place's own description (kind, code, group) stays.
void copyContents(const Location& from, Location& to) {
    to.occState = from.occState;
    to.occupant = from.occupant;
    to.occState2 = from.occState2;
    to.occupant2 = from.occupant2;
    to.locoAt = from.locoAt;
    to.endFlag = from.endFlag;
    to.enginePairFlag = from.enginePairFlag;
}
} // namespace

void keepContentsInBerth(GameState& state, LocationId place) {
    copyContents(state.locations[place], state.locations[incomingBerth(place)]);
}

void mergeIncomingBerth(GameState& state, LocationId place) {
    Location& l = state.locations[place];
    copyContents(state.locations[incomingBerth(place)], l);
    for (const StandingEngine& here : enginesAt(l)) state.locos[here.engine].where = place;
    clearLocation(state, incomingBerth(place));
}

} // namespace wm
