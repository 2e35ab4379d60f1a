#pragma once
// Whether a freight train received in its own yard may be shunted there rather than dealt with as it stands.

#include "world/capacities.h"

namespace wm {

struct GameState;

/// A freight arrival (types 9..11) standing in a road of its own yard, outside the yard's reception roads,
/// may be shunted about there before its departure is due: the departure it forms, if any, leaves at least
/// 12 minutes after the arrival's booked time.
bool mayShuntArrival(const GameState& state, LocationId place, int arrival);

} // namespace wm
