#pragma once
// Each approach line keeps its pending arrivals in timetable order, one queue for passenger-family trains
// (types 0..7) and one for freight (8..12); these operations decide which train stands at the line's entry
// place next.

#include "world/capacities.h"

namespace wm {

struct Game;
struct GameState;

/// Moves the line's pending passenger (freight) index on to its next running arrival, 0 when none is left.
void advancePassengerQueue(Game& g, int line);
void advanceFreightQueue(Game& g, int line);

/// Draws the engine condition and lateness floor of the line's pending arrival of the family.
void prepareNextArrival(Game& g, int line, bool freight);

/// Chooses the line's next arrival and stands it, with its engines, at the line's entry place.
void chooseNextArrival(Game& g, int line);

/// Start of a day: finds the line's first pending arrivals, spaces the later ones by the line's headway and
/// prepares the two pending ones.
void prepareLine(Game& g, int line);

/// The arrival's expected time at the edge of the layout.
int expectedEdgeTime(const GameState& state, ArrivalIndex arrival);

} // namespace wm
