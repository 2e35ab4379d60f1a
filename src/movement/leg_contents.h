#pragma once
// What a leg carries from its start: the train, rake or traffic the engine takes with it (nothing when it
// moves light), where that stands, and the engines that go.

#include "movement/move_context.h"
#include "world/capacities.h"
#include "world/records.h"

namespace wm {

struct GameState;

inline constexpr int lightEngineType = 8;

/// What a leg moves, as its start holds it when the leg begins.
struct MovingThing {
    int occState = occEmpty;         // OccState of what moves; occEmpty when the engines move light
    int occupant = 0;                // the arrival, departure, first portion or traffic block
    int trainType = lightEngineType; // of the arrival or departure; a light engine otherwise
    LocationId source = 0;           // the place it stands in, or the berth of a place it is passing through
    bool fromSecond = false;         // it is the source's second occupant
    int enginePlace = 0;             // the moving engine's place in the source, 1..4
};

/// A later leg of the move starts from a place the train is passing through, whose berth holds the train.
bool startsFromPassingPlace(const GameState& state, const MoveContext& move, LocationId from);

/// The thing the player's move takes from the leg's start: with the train, the occupant at the engine's end
/// (the second occupant stands at the high end); light, nothing.
MovingThing movingThing(const GameState& state, const MoveContext& move, LocationId from);

/// The engines that go with the leg; the rear engine only with a train.
struct MovingEngines {
    LocoIndex engine = 0;
    LocoIndex second = 0;
    LocoIndex rear = 0;
};

MovingEngines movingEngines(const MoveContext& move, const MovingThing& moving);

} // namespace wm
