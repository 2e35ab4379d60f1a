#pragma once
// Where an engine is, in the words of the engine's line in the information window.

#include <string>

#include "world/capacities.h"

namespace wm {

struct GameState;

/// "in PL3 (Common)", "approaching on RDF", "leaving via NXT", "arriving on 10.05 at ... from ...", or
/// "not in Wendmoor area".
std::string engineWhereabouts(const GameState& state, LocoIndex engine);

/// The running number, class and home shed, then where the engine is.
std::string engineLocationLine(const GameState& state, LocoIndex engine);

} // namespace wm
