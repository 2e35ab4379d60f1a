#pragma once
// What the place texts need besides the game state: the player's selected 'from' place and the phase of
// the clock within its minute.

#include "world/capacities.h"

namespace wm {

struct PlaceView {
    LocationId selected = 0; // the selected 'from' place (1..200), 0 when none
    int tickPhase = 3;       // ticks left in this minute: 3 on its first tick, then 2 and 1
};

} // namespace wm
