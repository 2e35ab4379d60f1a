#pragma once
// The colour of a departure's time where it stands: how close it is, whether it is ready and whether it
// has been sent.

#include "host/host.h"
#include "world/capacities.h"

namespace wm {

struct GameState;

Colour departureTimeColour(const GameState& state, DepartureIndex departure, LocationId place);

} // namespace wm
