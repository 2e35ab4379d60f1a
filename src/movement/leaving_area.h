#pragma once
// Which moves take a train out of the area the player works, and which route codes serve one another:
// the rules that decide when an engine running light may be offered to a departure.

#include "world/capacities.h"

namespace wm {

struct GameState;

/// The move from `from` to `to` leaves the area: onto the branch, out to the private sidings and works,
/// off the layout's edge, or to an exit point.
bool leavesArea(const GameState& state, LocationId from, LocationId to);

/// Route codes a and b serve the same traffic (not symmetric).
bool routeCodesMatch(int a, int b);

} // namespace wm
