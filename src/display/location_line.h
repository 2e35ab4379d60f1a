#pragma once
// A place's code and its 17-cell line on a layout screen: engines, couplings and what stands there.

#include "display/place_view.h"
#include "host/host.h"
#include "world/capacities.h"

namespace wm {

class Console;
struct GameState;

inline constexpr int locationLineWidth = 17;
inline constexpr int labelWidth = 3;

// The place's code in Green, on Blue when it can be reached from the selected place.
void DrawLocationLabel(Console& console, const GameState& state, const PlaceView& view, LocationId place,
                       int column, int row);

// The 17-cell line of a platform, siding or yard road; section gives the colour of its track.
void DrawLocationLine(Console& console, const GameState& state, const PlaceView& view, LocationId place,
                      int column, int row, int section);

// The code, then the line three columns to the right.
void DrawLabelledLine(Console& console, const GameState& state, const PlaceView& view, LocationId place,
                      int column, int row, int section);

// The line, then the code at its right end.
void DrawLineWithLabelAfter(Console& console, const GameState& state, const PlaceView& view, LocationId place,
                            int column, int row, int section);

// Writes blanks over the cells and draws the track through them in the colour; the cursor ends after them.
void DrawTrackCells(Console& console, Colour colour, int cells);

} // namespace wm
