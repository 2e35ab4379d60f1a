#pragma once
// What a train that comes in later than booked and expected costs the player.

#include "world/capacities.h"

namespace wm {

class Console;
struct GameState;

/// Minutes a train of the type may be late before anyone minds: none for passenger trains, 5 for parcels,
/// milk and empty stock, 30 for light engines and fast freight, 120 for stopping freight and work trains,
/// 60 for slow freight.
int arrivalGrace(int trainType);

/// Minutes of the arrival's delay that count against the player now: the minutes beyond its booked time
/// and its expected lateness, less the level's tolerance and the grace of its type. 0 or less costs
/// nothing; a train that runs straight on within 10 minutes is judged at its departure instead, and costs
/// nothing here.
int countedArrivalDelay(const GameState& state, ArrivalIndex arrival);

/// An arrival has come to a stand at the place: when the place is of its group and it is not a freight
/// that may be shunted about its yard there, its counted delay is charged.
void chargeArrivalDelay(const GameState& state, Console& console, LocationId place, ArrivalIndex arrival);

} // namespace wm
