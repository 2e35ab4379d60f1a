#pragma once
// One-line descriptions of traffic, stock and departures, for the rows below the screens, the boards and
// the information window.

#include <string>

#include "display/coloured_text.h"
#include "world/capacities.h"

namespace wm {

struct GameState;
struct Departure;

// "high priority traffic" or "low priority traffic": stock for a departure that does not run today.
std::string PriorityTrafficText(const Departure& departure);

// The last service of a departure's chain: while the departure leaves by a local line and its engine's
// return arrival forms a departure running the same way, that departure follows on. The departure itself
// when it runs on as no other.
DepartureIndex lastOfChain(const GameState& state, DepartureIndex departure);

// "General unloading/loading, ready in 2 minutes", "Coal en route to Up Yard"... `selected` is the
// selected place, whose group is called "siding".
std::string DescribeTraffic(const GameState& state, TrafficIndex traffic, LocationId selected = 0);

// What a portion is and the departure it goes on.
std::string DescribePortion(const GameState& state, PortionIndex portion);

// DescribePortion, followed for a rake of several portions by the next portion's description, or by the
// count of the others and the last portion's description.
std::string DescribeMultiPortion(const GameState& state, PortionIndex portion);

// The departure's time, where it is formed, where it goes, its type, pilot mark, line and name.
ColouredText DescribeDeparture(const GameState& state, DepartureIndex departure);

// As DescribeDeparture, but to the destination of the last service of its chain with its own next stop.
ColouredText DescribeTrain(const GameState& state, DepartureIndex departure);

} // namespace wm
