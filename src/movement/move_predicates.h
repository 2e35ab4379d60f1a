#pragma once
// Questions the move rules put about a place and what stands in it. None of them changes anything.

#include "rules/arrival_shunting.h"
#include "rules/departure_readiness.h"
#include "world/capacities.h"

namespace wm {

struct GameState;

/// An engine coming in light can stand at the high end: the last engine place is free and, unless it comes
/// alone, the one before it too. A place something is coming into has no room.
bool roomAtHighEnd(const GameState& state, LocationId place, bool single);
/// The same at the low end; a shed road fills from its high end, so it asks that end.
bool roomAtLowEnd(const GameState& state, LocationId place, bool single);

/// An express, excursion or relief passenger train: too long for one half of platform 6.
bool longTrain(const GameState& state, int occState, int occupant);
/// What stands at the place, or is coming into it, is a long train.
bool holdsLongTrain(const GameState& state, LocationId place);

} // namespace wm
