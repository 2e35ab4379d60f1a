#pragma once
// Where the engines of a leg come to rest at its end, by the kind of place it ends at.

#include "world/capacities.h"

namespace wm {

struct GameState;

/// Engine places 1..4 at the leg's end; 0 where the engine is not placed (it stays where it is).
struct RestPlaces {
    int engine = 0;
    int second = 0;
    int rear = 0;
};

struct RestQuery {
    bool up = false;      // the leg runs towards higher ids, entering its end at the low end
    bool lastLeg = false; // it ends at the player's to-location
    bool light = false;   // the engines move light, or take a train that is itself a light engine
    int startPlace = 1;   // the engine's place at the leg's start (mirrored for a reversing departure)
    bool withSecond = false;
    bool withRear = false;
};

RestPlaces engineRest(const GameState& state, LocationId to, const RestQuery& query);

/// The other engine place of the same end: 1 and 2, 3 and 4.
constexpr int otherPlaceOfEnd(int place) {
    return place <= 2 ? 3 - place : 7 - place;
}

} // namespace wm
