#pragma once

#include "world/capacities.h"

#include <string_view>

namespace wm {

struct GameState;

// Linear searches over the used part of a table in index order: the first match wins, 0 means none.
// Codes are compared whole, so a code that differs only in trailing blanks does not match.
LocoIndex findLocoByDuty(const GameState& state, int duty);
DepartureIndex findDepartureByCode(const GameState& state, std::string_view code);
ArrivalIndex findArrivalByCode(const GameState& state, std::string_view code);
TrafficIndex findTrafficByName(const GameState& state, std::string_view name);

} // namespace wm
