#pragma once
// The Assign order: blocks of yard traffic gathered into a rake are given to the freight train the rake
// names, scored, and the rake formed into that train when it is complete.

#include "world/capacities.h"

namespace wm {

class Console;
struct Departure;
struct GameState;

/// What rakeDeparture answers when the rake cannot name one departure; each has told the player why.
enum RakeRefusal : int {
    rakeNotCoupled = -1,      // "Portions not all coupled"
    rakeMixesDepartures = -2, // "Trying to combine different departures"
    rakeNotAllReady = -3,     // "Portions not all ready to be part of departure"
};

/// The running traffic train named by the rake that starts at the portion, 0 when it names none, or a
/// refusal (below 0). A rake with any uncoupled link is refused as such whatever else is wrong with it.
int rakeDeparture(GameState& state, Console& console, PortionIndex first);

/// The line of the departure that finally carries the departure's traffic: the departure itself, or
/// while it runs on a local line, the train its engine comes back on, followed as long as it keeps the
/// first departure's direction.
int finalTrafficLine(const GameState& state, DepartureIndex departure);

/// Whether a train leaving by the line takes any load: the trips between the yards and the shed.
bool takesAnyLoad(int line);

/// The most portions the departure's booked engine may take: its class's freight power and five.
int maximumLoad(const GameState& state, const Departure& departure);

/// The Assign order at a place where stock stands. Refusals are told, or cost a point, and change no
/// portion.
void assignTraffic(GameState& state, Console& console, LocationId place);

} // namespace wm
