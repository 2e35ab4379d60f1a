#pragma once
// A train or rake that has just come to a stand: what it becomes there.

#include "world/capacities.h"
#include "world/game_services.h"

namespace wm {

class Console;
struct GameState;

/// A departure standing there is linked to the place. An arrival at a place of its own group is announced,
/// and becomes its through departure at once when that leaves at the arrival's own time or is a light
/// engine; otherwise its delay is charged and its passengers get off first, and the place stays busy until
/// they have.
void settleTrainAtStand(GameState& state, Console& console, GameServices& services, LocationId place);

} // namespace wm
