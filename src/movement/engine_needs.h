#pragma once
// What an arriving train's engine will need once it is in: drawn as the train is brought into its group.

#include "world/capacities.h"
#include "world/game_services.h"

namespace wm {

struct GameState;

/// The need of the arrival's train engine (none, water, coal or servicing), from its condition code and
/// one draw; the engine's condition is raised to it, and the player is told what the engine will need.
void drawEngineNeed(GameState& state, GameServices& services, ArrivalIndex arrival);

} // namespace wm
