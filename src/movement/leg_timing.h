#pragma once
// How long a leg takes: when the train starts from the leg's start, how long each section stays locked
// behind it, and when it reaches the leg's end.

#include <span>

#include "movement/leg_contents.h"
#include "movement/move_world.h"
#include "world/capacities.h"

namespace wm {

struct GameState;

/// Ticks before the train starts from `from`.
int legStartDelay(const MoveWorld& world, LocationId from, LocationId to, const MovingThing& moving);

/// Locks each section until the train has passed it, starting from the start delay; the running total
/// when it has passed the last.
int lockLegSections(GameState& state, std::span<const int> sections, int startDelay, int band);

/// The countdowns of both ends of the leg: the start when the train has left, the end when it has
/// arrived (off the edge of the layout, for an exit point); the end is never at rest, so it completes once.
void setLegCountdowns(GameState& state, LocationId from, LocationId to, int startDelay, int arrivalTicks,
                      int band);

} // namespace wm
