#pragma once
// Engines as the screens show them: the 7-character token, the turntable indicator and the boxes of the
// shed's single-engine places and roads.

#include "display/coloured_text.h"
#include "world/capacities.h"

namespace wm {

class Console;
struct GameState;

inline constexpr int engineTokenWidth = 7;

// White on Navy: facing marker, running number and condition letter; 7 blanks for no engine.
ColouredText engineToken(const GameState& state, int engine);
// Writes the token at the cursor and leaves the colours White on Navy.
void DrawEngineToken(Console& console, const GameState& state, int engine);

// Three characters for the engine on the turntable's first place: "   ", "---" for an engine that does
// not need turning, "<->" while it turns, else "<--" or "-->" by its facing.
void DrawTurntable(Console& console, const GameState& state, LocationId place, int column, int row);

// White on Navy, 9 cells: "Coming " or "Through" while a train comes in or passes, else the token of the
// first engine there, between blanks.
void DrawBoxedEngines(Console& console, const GameState& state, LocationId place, int column, int row);

// White on Navy, 8 cells per engine place: "Through " while a train passes, else each engine's token and a
// blank, and 8 blanks for every empty place.
void DrawEngineList(Console& console, const GameState& state, LocationId place, int column, int row);

} // namespace wm
