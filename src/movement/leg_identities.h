#pragma once
// The identities that change as a move starts: a departure shunted or sent away, a departure into another
// part of the area continuing as its arrival there, an arrival brought into its own group, an arrival that
// runs straight through becoming its departure, and a light-engine arrival that becomes just an engine.

#include "movement/leg_contents.h"
#include "movement/move_world.h"

namespace wm {

/// What the first leg changed that the places of the move must show.
struct IdentityChange {
    bool ranOnAsDeparture = false; // an arrival running through became its departure where it stood
};

/// The arrival whose train the departure was formed from: the one it runs on from, else the one that
/// brought its first portion; 0 when none did.
ArrivalIndex formingArrival(const GameState& state, DepartureIndex departure);

/// Applies the changes of the player's move to what its first leg carries; `moving` becomes what every
/// leg carries on.
IdentityChange changeIdentities(MoveWorld& world, MovingThing& moving);

/// A departure on its way out on a line into another part of the area has left, and the arrival that
/// continues it there comes in instead, with the moving engine.
void continueOnInternalLine(MoveWorld& world, MovingThing& moving);

} // namespace wm
