#pragma once
// The berths of a leg's two ends while it is under way: the start's holds what stays behind, the end's
// what will stand there once the train or engine has arrived.

#include "movement/engine_rest.h"
#include "movement/leg_contents.h"
#include "world/capacities.h"

namespace wm {

struct GameState;

/// The end's berth starts as what stands at the end now: its engines and their couplings, and, for an
/// engine coming in light, everything else there too, with the countdown it had.
void startIncomingBerth(GameState& state, LocationId to, bool takeOverAll, int formerBusyTicks);

/// The train comes in as the berth's main occupant; anything that stood there stays beside it.
void receiveTrain(GameState& state, LocationId to, const MovingThing& moving);

/// The engines that move take their places in the end's berth, and their couplings come with them.
/// `makeRoomAtLead` moves an engine standing where the leading engine stops to the outer place of that end.
void standEngines(GameState& state, LocationId to, const RestPlaces& places, const MovingEngines& gone,
                  bool coupledToTrain, bool makeRoomAtLead);

/// The engines of those that move which the end has a place for; the others stay where they are.
MovingEngines placedEngines(const MovingEngines& engines, const RestPlaces& places);

/// The start's berth receives what stays behind once the leg's train and engines have gone. An engine
/// leaving light from beside something leaves it waiting there, with the start's countdown still to run.
void leaveBehind(GameState& state, LocationId from, const MovingThing& taken, const MovingEngines& gone,
                 int formerBusyTicks);

/// A train that runs straight through its platform as its departure: when nothing else stood there the
/// place only sees it pass.
void passThroughStart(GameState& state, LocationId from, DepartureIndex departure);

} // namespace wm
