#pragma once
// The rules of operation a move must pass before its route is tried: what a signalman and a yard foreman
// would refuse, ask about or charge for.

#include "movement/move_world.h"
#include "world/capacities.h"

namespace wm {

/// Judges the move the context describes, from `from` to `to`. Fills in the move's direction, whether it
/// runs through, is a shunt or propels, and what it couples onto; true when it may go on to its route.
/// When false, the reason has been shown, a question answered No or a penalty charged, and nothing else
/// has changed.
bool validateMove(MoveWorld& world, LocationId from, LocationId to);

/// The train standing at the place runs through: an arrival, or a departure formed by one, whose
/// departure leaves at the arrival's own booked time.
bool runsThrough(const GameState& state, LocationId place);

} // namespace wm
