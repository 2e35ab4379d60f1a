#pragma once
// What happens when a place's countdown runs out: the move or work under way there is finished, by the
// kind of place and what was under way.

#include "world/capacities.h"

namespace wm {

struct Game;

/// Counts down every place's busyTicks and completes each that reaches zero, once.
void advancePlaces(Game& g);

/// Completes what was under way at the place; its incoming berth becomes its contents.
void completePlace(Game& g, LocationId place);

} // namespace wm
