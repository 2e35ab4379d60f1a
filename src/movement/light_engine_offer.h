#pragma once
// An engine running light out of the area, or to an exit, is offered to a watched light-engine departure
// that it could work; one that reaches an exit without a train goes off the layout at a cost.

#include "movement/move_world.h"
#include "rules/train_words.h"

namespace wm {

/// Offers the move's engine to the first suitable departure of the light-engine watch list, when the
/// move leaves the area or runs to an exit point. Returns the departure the engine now goes as, or 0.
DepartureIndex offerLightEngine(MoveWorld& world);

/// The move's engines reached an exit point with no train to work: they leave the layout, and the
/// player pays for an unserviceable engine and for an unscheduled one.
void sendOffUnscheduled(MoveWorld& world);

} // namespace wm
