#pragma once
// Where a block of traffic may be worked (loaded, unloaded or repaired).

#include "world/capacities.h"

namespace wm {

struct GameState;

// Whether the traffic may be worked at the place: the place must be of the traffic's route group and one
// of the sidings equipped for its type, with the engine places free at the end its work needs.
bool placeAccepts(const GameState& state, TrafficIndex traffic, LocationId place);

// Whether the traffic's work goes on at this time of the day: parcels, milk, loco coal and wagons for
// repair at any hour; everything else only from 08:00 to 20:30 and never on a Sunday.
bool trafficWorkedNow(const GameState& state, TrafficIndex traffic);

} // namespace wm
