#pragma once

#include "world/capacities.h"

#include <string_view>

namespace wm {

struct BuildContext;

// The starting position's stock and traffic. A traffic name or departure code that names nothing places
// nothing. Each placement of stock for a departure warns when the place's group is not compatible with the
// departure's, except for a pseudo-departure (code ending in "#").

// Traffic being worked at a siding, with the work it still needs drawn from its type and its departure.
void placeTraffic(BuildContext& context, LocationId place, std::string_view trafficName);

// Work time in minutes for traffic placed at the start (before the misplacement check). Draws from rand.
int startingWorkMinutes(BuildContext& context, TrafficIndex traffic);

// A block of traffic already made up, standing alone at the place.
void placeTrafficStock(BuildContext& context, LocationId place, std::string_view trafficName);

// A block of traffic not yet sorted, at the tail of the rake at the place and coupled to it.
void addTrafficToRake(BuildContext& context, LocationId place, std::string_view trafficName);

// Stock for a departure at the tail of the rake at the place, not coupled to it.
void addStockToRake(BuildContext& context, LocationId place, std::string_view departureCode);

// A departure's stock standing at the place, with the engine of the duty (0 none) beside its end (0 low,
// 1 high) and coupled to it.
void placeDeparture(BuildContext& context, LocationId place, std::string_view departureCode, int duty,
                    int end);

// Warns when part of the departure stands in a place whose group it may not use.
void checkPlacement(BuildContext& context, LocationId place, DepartureIndex departure);

} // namespace wm
