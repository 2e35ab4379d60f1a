#pragma once
// The rules a move must pass before its route is tried. For now this holds only what the move context
// needs from them: the direction of the move and whether the train runs through; every move passes.

#include "movement/move_world.h"
#include "world/capacities.h"

namespace wm {

/// Fills the move's `moveUp` and `throughRun`; true when the move may go on to its route.
bool validateMove(MoveWorld& world, LocationId from, LocationId to);

/// The train standing at the place runs through: an arrival, or a departure formed by one, whose
/// departure leaves at the arrival's own booked time.
bool runsThrough(const GameState& state, LocationId place);

} // namespace wm
