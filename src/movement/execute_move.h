#pragma once
// One leg of a move: its timing, where the engines come to rest, what both ends hold while it is under
// way, the identities that change on the way, coupling at the player's to-location, and the score events
// a leg can raise.

#include <span>

#include "movement/move_world.h"
#include "world/capacities.h"

namespace wm {

/// Starts the leg from `from` to `to` over `sections` (in order from the leg's start, up to 24, ending
/// at the first 0). The leg that ends at the move's `moveTo` is the last.
void executeMove(MoveWorld& world, LocationId from, LocationId to, std::span<const int> sections);

} // namespace wm
