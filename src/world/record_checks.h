#pragma once
// Whether a reference read from a place or a record names an entry of its table, so that a damaged or
// stale reference is passed over instead of read out of the table.

#include "world/capacities.h"

namespace wm {

struct GameState;

bool isLoco(const GameState& state, int engine);
bool isArrival(const GameState& state, int arrival);
bool isDeparture(const GameState& state, int departure);
bool isPortion(const GameState& state, int portion);
bool isTraffic(const GameState& state, int traffic);
/// A place of the layout, 1..200 (not a second berth).
bool isPlace(LocationId place);

} // namespace wm
