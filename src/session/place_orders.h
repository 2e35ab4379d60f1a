#pragma once
// The orders the player gives at a place once it has been named: coupling, uncoupling, water, turning,
// changing ends, and the checks a move must pass before the movement code takes it.

#include "world/capacities.h"

namespace wm {

struct Game;

/// Pop-up menu codes of the orders given at the 'from' place.
enum PlaceOrder : int {
    orderCouple = 621,    // couple at the place
    orderUncouple = 622,  // uncouple at the place
    orderWater = 623,     // water the engine there
    orderLocoInfo = 624,  // information window, engine page
    orderTrainInfo = 625, // information window, train page
    orderAssign = 626,    // assign the stock there to a departure
};

void CoupleOrder(Game& game, LocationId place);
void UncoupleOrder(Game& game, LocationId place);
void WaterOrder(Game& game, LocationId place);

/// The checks of a move from `from` to `to` (a place 1..200), in order, each refusal told to the player.
/// A 'to' at the same place turns the engine on a turntable or changes ends and needs nothing further.
/// True when the move may go on to the movement code; `to` may have been moved off an entry point.
bool CheckMove(Game& game, LocationId from, LocationId& to);

/// Only the engines fitting the Up Yard turntable may be turned there.
bool fitsUpYardTurntable(int classIndex);

} // namespace wm
