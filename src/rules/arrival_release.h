#pragma once
// An arrival whose engines have been uncoupled is no longer a train: what it brought stands as a rake,
// to be formed into departures or sorted.

#include "world/capacities.h"

namespace wm {

struct GameState;

/// Stands the rake the arrival brings at the place as its stock: the portions still on the train stand
/// there, those for a departure ready to form it, traffic waiting to be sorted.
void standArrivalRake(GameState& state, ArrivalIndex arrival, LocationId place);

/// When the place holds an arrival at rest with no engine coupled at either end, its rake becomes the
/// place's stock: the portions stand there, those for a departure ready to form it, traffic waiting to be
/// sorted. True when it did.
bool releaseArrivalStock(GameState& state, LocationId place);

} // namespace wm
