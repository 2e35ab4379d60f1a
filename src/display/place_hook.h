#pragma once
// The one place where a layout screen hands over the drawing of a place (its code and the description of
// what stands there). The screen drawing calls it once for every spot of the screen, after the track.

#include "display/place_spot.h"

namespace wm {
struct Game;

/// Draws the place of `spot` in the form the spot names, starting at the spot's cell and covering at most
/// `spot.width` cells of that row. Leaves the console in its default colours; the cursor may be anywhere.
void DrawPlace(Game& game, const PlaceSpot& spot);

} // namespace wm
