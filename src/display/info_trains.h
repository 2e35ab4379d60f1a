#pragma once
// Trains in the information window: a departure's details, an arrival's details and what stands at a
// place, from left to right.

#include "world/capacities.h"

namespace wm {

struct GameState;
class InfoConsole;

/// The departure described from `column` on the cursor's row and the rows below it: its first line, its
/// name, the engines it needs and where they are, and what forms it. `details` adds what only the
/// departure's own page shows (the portions it may take and where it stands); a part of a larger train is
/// called so only elsewhere. `arriving`, when given, is the arrival that becomes the departure: its engine
/// working on is then simply said to work through. Leaves the cursor on the row after the last one written.
void drawDepartureDescription(InfoConsole& console, const GameState& state, DepartureIndex departure,
                              int column, bool hideLocoData, bool details, ArrivalIndex arriving = 0);

/// The departure's page.
void drawDepartureDetails(InfoConsole& console, const GameState& state, DepartureIndex departure,
                          bool hideLocoData);

/// The arrival's page: when and where it arrives, its engines and what it becomes.
void drawArrivalDetails(InfoConsole& console, const GameState& state, ArrivalIndex arrival,
                        bool hideLocoData);

/// Showing an arrival on the approach lines 1 and 4 turns its engine to face the usual way (facing 0).
void faceArrivalEngine(GameState& state, ArrivalIndex arrival);

/// What stands at the place, and a second occupant two rows further down.
void drawContents(InfoConsole& console, const GameState& state, LocationId place, bool hideLocoData);

} // namespace wm
