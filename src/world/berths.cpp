#include "world/berths.h"

#include "world/game_state.h"

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

void mergeIncomingBerth(GameState& state, LocationId place) {
    Location& l = state.locations[place];
    Location& berth = state.locations[incomingBerth(place)];
    l.occState = berth.occState;
    l.occupant = berth.occupant;
    l.occState2 = berth.occState2;
    l.occupant2 = berth.occupant2;
    l.locoAt = berth.locoAt;
    l.endFlag = berth.endFlag;
    l.enginePairFlag = berth.enginePairFlag;
    for (int p = 1; p <= 4; ++p) {
        const LocoIndex engine = l.locoAt[p];
        if (engine > 0 && engine != noEngine) state.locos[engine].where = place;
    }
    clearLocation(state, incomingBerth(place));
}

} // namespace wm
