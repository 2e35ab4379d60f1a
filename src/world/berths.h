#pragma once
// A place and its second berth, which holds what is coming in (or staying behind) while a move is under way.

#include "world/capacities.h"

namespace wm {

struct GameState;

/// The second berth of a place.
constexpr LocationId incomingBerth(LocationId place) {
    return place + secondBerthOffset;
}

/// Empties every field of a berth: occupants and states, engine places, end flags and timers, busyTicks.
void clearLocation(GameState& state, LocationId berth);

/// The berth will hold, once the place's countdown runs out, what the place holds now.
void keepContentsInBerth(GameState& state, LocationId place);

/// The place takes over its incoming berth's state, occupant, engines and end flags; the berth is emptied
/// and the engines' `where` follows them.
void mergeIncomingBerth(GameState& state, LocationId place);

} // namespace wm
