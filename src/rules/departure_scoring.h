#pragma once
// What a departure earns and loses as it leaves: its delay and any time made up first, then the choice of
// its engines.

#include "world/capacities.h"

namespace wm {

struct GameState;
class Console;

/// The departure has just left behind `engine` and `second` (0 when none).
void scoreDepartureLeaving(GameState& state, Console& console, DepartureIndex departure, LocoIndex engine,
                           LocoIndex second);

} // namespace wm
