#pragma once
// Carrying out a move the rules have accepted: the first route of the pair that is free is tested whole,
// then its legs are started in order.

#include "movement/move_world.h"
#include "movement/route_table.h"

namespace wm {

/// "That isn't possible" when the pair has no route; `RouteNotClear` when no route is free; otherwise
/// every leg of the first free route is started, with its flank locks and branch action.
void routeMove(MoveWorld& world, LocationId from, LocationId to,
               const RouteTable& table = RouteTable::standard());

/// Whether every leg's test set is free, every intermediate place is clear and the token is free where
/// a leg needs it.
bool routeUsable(const GameState& state, const Route& route);

} // namespace wm
