#include "world/loco_places.h"

#include "world/game_state.h"

#include <algorithm>

namespace wm {

namespace {

constexpr int mostLocoSlots = 4;

// The number of engine places, kept within the four the record holds.
int slotsOf(const Location& location) {
    return std::clamp(location.locoSlots, 0, mostLocoSlots);
}

} // namespace

EnginesHere enginesAt(const Location& location) {
    EnginesHere here;
    for (int k = 1; k <= mostLocoSlots; ++k)
        if (isRealEngine(location.locoAt[k]))
            here.standing[static_cast<std::size_t>(here.count++)] = {k, location.locoAt[k]};
    return here;
}

bool standsAt(const Location& location, LocoIndex engine) {
    for (const StandingEngine& here : enginesAt(location))
        if (here.engine == engine) return true;
    return false;
}

void pushLocoFront(GameState& state, LocationId place, LocoIndex engine) {
    Location& location = state.locations[place];
    const int slots = slotsOf(location);
    if (slots == 0) return;
    for (int k = slots - 1; k >= 1; --k) location.locoAt[k + 1] = location.locoAt[k];
    location.locoAt[1] = engine;
    state.locos[engine].where = place;
}

void popLocoFront(GameState& state, LocationId place) {
    Location& location = state.locations[place];
    const int slots = slotsOf(location);
    if (slots == 0) return;
    for (int k = 2; k <= slots; ++k) location.locoAt[k - 1] = location.locoAt[k];
    location.locoAt[slots] = 0;
}

void putLocoFirstFree(GameState& state, LocationId place, LocoIndex engine) {
    Location& location = state.locations[place];
    const int slots = slotsOf(location);
    for (int k = 1; k <= slots; ++k) {
        if (location.locoAt[k] != 0) continue;
        location.locoAt[k] = engine;
        state.locos[engine].where = place;
        return;
    }
}

void removeLastLoco(GameState& state, LocationId place) {
    Location& location = state.locations[place];
    for (int k = mostLocoSlots; k >= 1; --k) {
        if (location.locoAt[k] == 0) continue;
        location.locoAt[k] = 0;
        return;
    }
}

void closeUpLocos(GameState& state, LocationId place) {
    Location& location = state.locations[place];
    // A single-place road has no middle: its engine must not move into a place the road does not have.
    const int slots = slotsOf(location);
    if (slots >= 2 && location.locoAt[1] != 0 && location.locoAt[2] == 0) {
        location.locoAt[2] = location.locoAt[1];
        location.locoAt[1] = 0;
    }
    if (slots >= 4 && location.locoAt[4] != 0 && location.locoAt[3] == 0) {
        location.locoAt[3] = location.locoAt[4];
        location.locoAt[4] = 0;
    }
}

void syncLocoWhere(GameState& state, LocationId place) {
    const Location& location = state.locations[place];
    for (int k = 1; k <= mostLocoSlots; ++k)
        if (location.locoAt[k] != 0) state.locos[location.locoAt[k]].where = place;
}

void syncAllLocoWhere(GameState& state) {
    for (LocationId place = 1; place <= placeCount; ++place)
        if (state.locations[place].busyTicks == 0) syncLocoWhere(state, place);
}

bool locoWhereMismatch(const GameState& state, LocationId place, bool callerDefault) {
    if (place > placeCount) return callerDefault;
    const Location& location = state.locations[place];
    // The engines of a place a move passes through are in transit, so their where may differ.
    if (location.occState == occPassingThrough) return callerDefault;
    for (int k = 1; k <= mostLocoSlots; ++k) {
        const LocoIndex engine = location.locoAt[k];
        if (engine != 0 && state.locos[engine].where != place) return true;
    }
    return false;
}

} // namespace wm
