#pragma once
// Rows 30 to 32 after the player has named a place to move from: what stands there, its engines, a check
// of the engine for a departure, and a side note; and which engine moves by default.

#include <string>

#include "world/capacities.h"

namespace wm {

struct Game;

/// Writes the description of the place and sets the default engine choice in the game's move context.
void DescribeFrom(Game& game, LocationId place);

/// Row 31 column after the engine list, where the 'to' prompt goes.
int engineListEnd(const Game& game);

/// The engine warning for a departure worked by the engines standing at the place: " Check loco",
/// " Water loco" or empty.
std::string engineCheck(const Game& game, DepartureIndex departure, LocationId place);

} // namespace wm
