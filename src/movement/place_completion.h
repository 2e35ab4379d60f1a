#pragma once
// What happens when a place's countdown runs out: the move or work under way there is finished, by the
// kind of place and what was under way, and reported. The reactions to it (queues, scoring, bookings,
// waits) are the session's to call.

#include "world/capacities.h"
#include "world/completion.h"

namespace wm {

struct GameState;

/// Counts down every place's busyTicks and completes each that reaches zero, once, reporting each
/// completion to `report` as it happens.
void advancePlaces(GameState& state, const CompletionSink& report);

/// Completes what was under way at the place; its incoming berth becomes its contents.
Completion completePlace(GameState& state, LocationId place);

} // namespace wm
