#pragma once
// Where a block of traffic may be worked (loaded, unloaded or repaired).

#include "world/capacities.h"

namespace wm {

struct GameState;

// Whether the traffic may be worked at the place: the place must be of the traffic's route group and one
// of the sidings equipped for its type, with the engine places free at the end its work needs.
bool placeAccepts(const GameState& state, TrafficIndex traffic, LocationId place);

// The traffic of a rake that is one portion of traffic for the place's group, standing alone there with
// no engine at either end and not yet worked; 0 otherwise.
TrafficIndex singleTrafficAtPlace(const GameState& state, PortionIndex rake, LocationId place);

// Whether the traffic's work goes on at this time of the day: parcels, milk, loco coal and wagons for
// repair at any hour; everything else never on a Sunday, only after 08:00, and from 20:00 only when less
// than 90 ticks of it remain.
bool trafficWorkedNow(const GameState& state, TrafficIndex traffic);

} // namespace wm
