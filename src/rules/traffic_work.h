#pragma once
// Traffic loaded, unloaded or repaired in the sidings: when its work starts, how long it takes, and the
// stock it leaves when done.

#include "world/capacities.h"
#include "world/game_services.h"

namespace wm {

class Console;
struct GameState;

/// Minutes of work for the traffic about to be worked at the place, drawn from its type and its departure.
/// Traffic that could not be ready in time for a departure of several portions costs 2 points and is taken
/// off that departure; it then never gets ready today (1600).
int trafficWorkMinutes(GameState& state, Console& console, GameServices& services, LocationId place,
                       TrafficIndex traffic);

/// Traffic being worked at the place whose work has not started starts it, when nothing stands at either
/// end and the siding accepts it: the proper siding earns a point, the work time is set and the portion is
/// being worked.
void startTrafficWork(GameState& state, Console& console, GameServices& services, LocationId place);

/// Once per tick over places 1..200: a lone portion of traffic the siding accepts becomes traffic being
/// worked; work in working hours runs down one tick; finished work leaves its portion standing, or its
/// departure formed when the portion alone makes it up and it leaves within 10 minutes, and is announced.
void advanceTrafficWork(GameState& state, Console& console, GameServices& services);

} // namespace wm
