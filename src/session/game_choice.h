#pragma once

#include "host/host.h"

namespace wm {
struct GameState;

/// Difficulty, day code and day name from the select-game dialog's items.
void ApplyGameChoice(GameState& state, const GameChoice& choice);

} // namespace wm
