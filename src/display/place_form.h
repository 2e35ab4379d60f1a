#pragma once
// One place drawn at its spot of a layout screen, in the form the screen's plan gives it.

#include "display/place_spot.h"
#include "display/place_view.h"

namespace wm {

class Console;
struct GameState;

// Draws the place of the spot from the spot's cell, within the spot's width (the turntable also uses the
// row below its code for its engine box when the spot is only the code). Leaves the default colours.
void DrawPlaceForm(Console& console, const GameState& state, const PlaceView& view, const PlaceSpot& spot);

} // namespace wm
