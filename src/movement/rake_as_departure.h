#pragma once
// A rake taken out as the departure it forms leaves its uncoupled remainder behind.

#include "movement/move_context.h"

namespace wm {

struct GameState;

/// Splits the rake at the move's from-location at its first uncoupled link counted from the end that
/// leads: the coupled part there becomes the departure the move has taken it as, the rest stays as stock.
/// Nothing happens unless the move has taken a rake as a departure and the rake still stands there.
void splitRakeAsDeparture(GameState& state, const MoveContext& move);

/// How many portions of the rake go when it is taken out as a departure moving up or down: those coupled
/// through to the end that leads.
int portionsGoingAsDeparture(const GameState& state, PortionIndex head, bool up);

} // namespace wm
