#pragma once
// The move the player has ordered, as the command interpreter hands it to the movement code.

#include "world/capacities.h"

namespace wm {

struct MoveContext {
    LocationId moveFrom = 0;    // the location the player named first
    LocationId moveTo = 0;      // the location the player named second
    int placePicked = 0;        // engine place 1..4 the move starts from; 1-2 low end, 3-4 high end
    LocoIndex moveEngine = 0;   // the engine that moves
    LocoIndex secondEngine = 0; // coupled to it at the same end, 0 none
    LocoIndex rearEngine = 0;   // at the other end of the train, 0 none
    bool withTrain = false;     // the engine takes the train or rake with it; otherwise it moves light
    bool moveUp = false;        // moveTo > moveFrom
};

} // namespace wm
