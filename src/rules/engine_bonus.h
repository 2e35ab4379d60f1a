#pragma once
// The points for sending a departure away behind the kind of engine it was booked: one of the booked
// class, and up to three for one from the booked engine's shed, the train's own shed or a shed near it.

#include <string>

#include "world/capacities.h"

namespace wm {

struct GameState;
struct Departure;
class ShedTable;

struct EngineBonus {
    int points = 0;
    std::string reason; // for GainBonusPoints; empty when there are no points
};

/// What `used` earns working the departure in place of `booked` (0 or noEngine when none was booked).
EngineBonus engineBonus(const GameState& state, const ShedTable& sheds, const Departure& departure,
                        LocoIndex used, LocoIndex booked);

} // namespace wm
