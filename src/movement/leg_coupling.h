#pragma once
// Coupling at the player's to-location: what comes in is merged with what stands there, as the move's
// couple plan says.

#include "movement/engine_rest.h"
#include "movement/leg_contents.h"
#include "movement/move_world.h"

namespace wm {

/// Writes the occupants of the to-location's incoming berth (already holding the engines that stand
/// there) for the coupling the plan names; `moving` becomes what the berth holds and the moving engine's
/// place may change. False when there is nothing to couple, and the berth is left untouched.
bool coupleAtDestination(MoveWorld& world, LocationId to, bool up, MovingThing& moving, RestPlaces& places);

} // namespace wm
