#pragma once
// Whether a departure counts as ready where it stands, and the questions about its direction and engine
// that the screens and the command side share. Only the readiness check changes the game state.

#include "world/capacities.h"

namespace wm {

struct GameState;
struct Departure;
struct Arrival;

// Direction of running: a departure runs down (towards the low ids) when its line is below its group; an
// arrival runs down when its group is below its line.
bool departureRunsDown(const Departure& departure);
bool arrivalRunsDown(const Arrival& arrival);

// The end of a place (lowEnd or highEnd) that a departure leaves by.
int leavingEnd(const Departure& departure);

// The booked engine is fit to take the departure now: it exists, is available (condition 0) and stands
// at a place of the layout rather than on a train or away.
bool bookedEngineReady(const GameState& state, DepartureIndex departure);

// An engine may work the departure: a real engine whose class has power for the kind of train.
bool engineCanWork(const GameState& state, LocoIndex engine, DepartureIndex departure);

/// The departure may be sent away from the place: false where a passenger or parcels train of the place's
/// own group would leave from a road it may not start from. True for anything that is not a departure.
bool departureMayLeave(const GameState& state, LocationId place, int departure);

// Whether the departure counts as ready to go at the place (1..200).
//
// A departure that has already been found ready, is on its way out or has gone (state 4 and above) counts
// as ready. Otherwise the tests of the readiness check are put without changing anything: the departure
// must stand formed at the place (occupation state 2) in the berth its leaving end calls for; unless it is
// a light engine it must be allowed to leave from there, its portions must all be gathered, the place must be
// of its group, it must be due (within 5 minutes for trains, 60 for light engines and freight) and an engine
// must be at its leaving end: the end's coupling flag set, or an engine that can work it coupled at the inner
// place of the other end. Stock that has not yet been formed into its departure (occupation state 3) is never
// ready here.
bool departureReadyAt(const GameState& state, DepartureIndex departure, LocationId place);

// The readiness check: a departure formed at the place (state 3 or below) that passes the tests above is
// ready to go (state 4). True when it became ready now.
bool checkDepartureReady(GameState& state, DepartureIndex departure, LocationId place);

/// The readiness check for the departure formed at the place and for one formed in its second berth.
void checkPlaceReady(GameState& state, LocationId place);

} // namespace wm
