#pragma once
// The move the player has ordered, as the command interpreter hands it to the movement code.

#include "world/capacities.h"

namespace wm {

// What the move couples onto at the player's to-location.
enum class CoupleTo : int {
    nothing,         // the move does not couple
    rake,            // stock standing there: the two rakes become one chain
    departure,       // another departure standing there: main and second occupant
    restOfDeparture, // the rest of the same departure: it stands formed
    traffic,         // traffic being worked there
};

struct CouplePlan {
    CoupleTo onto = CoupleTo::nothing;
    int reference = 0; // the portion or traffic block coupled onto, when the kind needs one
};

struct MoveContext {
    LocationId moveFrom = 0;    // the location the player named first
    LocationId moveTo = 0;      // the location the player named second
    int placePicked = 0;        // engine place 1..4 the move starts from; 1-2 low end, 3-4 high end
    LocoIndex moveEngine = 0;   // the engine that moves
    LocoIndex secondEngine = 0; // coupled to it at the same end, 0 none
    LocoIndex rearEngine = 0;   // at the other end of the train, 0 none
    bool withTrain = false;     // the engine takes the train or rake with it; otherwise it moves light
    bool moveUp = false;        // moveTo > moveFrom
    bool isShunt = false;       // a shunting move rather than a running move
    bool propelling = false;   // the engine pushes the train: it is at the rear for the direction of the move
    bool throughRun = false;   // the train runs through: its departure leaves at the arrival's own time
    int arrivalStartDelay = 0; // ticks before a train at an entry point starts in
    CouplePlan couplePlan;     // what the move couples onto at moveTo
    DepartureIndex rakeGoesAs =
        0; // the rake at moveFrom goes as this departure; it is split off at the start
};

} // namespace wm
