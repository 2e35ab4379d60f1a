#pragma once
// The points a leg earns on its own: switching a train between fast and slow lines as it should, and
// overtaking a slower train.

#include "movement/move_world.h"

namespace wm {

/// A departure going out by `exit` on the other speed of line from the one its train came in on.
void scoreLineSwitching(MoveWorld& world, DepartureIndex departure, LocationId exit);

/// A train of speed band `band` setting off from `from` past slower trains running its way.
void scorePassingSlowerTrains(MoveWorld& world, LocationId from, int band);

} // namespace wm
