#pragma once
// How urgently what stands at one place of the layout needs the player: a level 0..4 (nothing, due
// shortly, ready, action needed soon, late), a cue request, and the screen the rating counts for.

#include "world/capacities.h"
#include "world/records.h"

namespace wm {

struct GameState;

enum class AlertCue { none, ready, soon, late }; // cues 2, 13 and 15

struct PlaceRating {
    int level = 0;
    AlertCue cue = AlertCue::none;
    int screen = 0; // the layout screen whose key-menu button the rating raises
};

/// The rating of one occupant of a place 1..200: its main occupant, or the second one.
PlaceRating ratePlace(const GameState& state, LocationId place, OccState occState, int occupant);

/// The arrival has come into the layout (or never runs today), so nothing more is waited for from it.
bool arrivalHasArrived(const GameState& state, ArrivalIndex arrival);

} // namespace wm
