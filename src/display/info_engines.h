#pragma once
// Engines in the information window: an engine's line (who it is, where it is, its next duty and what is
// being done to it), for the engines at a place and for one engine's whereabouts.

#include <string>

#include "world/capacities.h"

namespace wm {

struct GameState;
class InfoConsole;

/// " Next duty: ..." for the first departure still to leave that the engine is booked to (as train or
/// pilot engine) before 25:00, or " No further scheduled duty today". `thenDuty` gets " and then: ..."
/// when that duty is a trip whose engine comes back to a further trip, else it is emptied.
std::string engineDutyText(const GameState& state, LocoIndex engine, std::string& thenDuty);

/// " needs coal", " being serviced", " being watered, ready in 3 minutes", ...; empty for an engine with
/// nothing to be done.
std::string engineConditionText(const GameState& state, LocoIndex engine);

/// The engine's line from the cursor's row: token, class and shed in White on Navy, where it is and,
/// unless `hideDuty`, its duty; below it, from `conditionColumn`, what is being done to it, and the
/// duty after a trip. Leaves the cursor on the row after the last one written.
void drawEngineLine(InfoConsole& console, const GameState& state, LocoIndex engine, bool hideDuty,
                    int conditionColumn);

/// Every engine at the place from left to right, or "No locos present".
void drawLocosAt(InfoConsole& console, const GameState& state, LocationId place, bool hideDuty);

/// One engine's line.
void drawLocoLocation(InfoConsole& console, const GameState& state, LocoIndex engine, bool hideDuty);

} // namespace wm
