#pragma once
// Whether a train waiting at an entry point may be signalled in yet, and how long it takes to come in.

#include "movement/move_world.h"
#include "world/capacities.h"

namespace wm {

/// True (with "It isn't here yet") when the train is more than its approach time and two minutes from
/// the edge of the layout; otherwise sets the move's `arrivalStartDelay`.
bool checkArrivalReady(MoveWorld& world, LocationId from);

} // namespace wm
