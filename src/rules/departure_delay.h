#pragma once
// How late a departure got away, how much of that it brought with it, and the points that follow.

#include "world/capacities.h"

namespace wm {

struct GameState;
struct Arrival;
class Console;

/// The engine came in on the arrival, as its train engine or its second engine.
bool cameInOn(const Arrival& arrival, LocoIndex engine);

/// Minutes behind its booked time plus the line's running time at which the departure leaves now.
int minutesBehindTime(const GameState& state, DepartureIndex departure);

/// The arrival whose lateness the departure inherits: the one it runs on from, else of the arrivals that
/// brought its portions the one latest (above 0); 0 when there is none.
ArrivalIndex feedingArrival(const GameState& state, DepartureIndex departure);

/// The departure leaves now worked by `engine`: points for time made up on a late feeding arrival, and
/// points lost for the delay the player caused, beyond the level's tolerance and the grace of its type.
void scoreDepartureDelay(GameState& state, Console& console, DepartureIndex departure, LocoIndex engine);

} // namespace wm
