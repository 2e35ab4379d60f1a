#pragma once
// The points for the engines a departure was sent away with: their condition, class and shed, power,
// the way the train engine faces and the engines allowed on the branch lines; and the later duties of an
// engine that stood in for the booked one.

#include "world/capacities.h"

namespace wm {

struct GameState;
class Console;

/// The departure has left behind `engine` and `second` (0 when none).
void scoreEngineChoice(GameState& state, Console& console, DepartureIndex departure, LocoIndex engine,
                       LocoIndex second);

} // namespace wm
