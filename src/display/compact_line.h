#pragma once
// The 10-cell line of a running-line section, loop or short spur: its code at one end, an engine place at
// each end of a 5-cell content.

#include "display/place_view.h"
#include "world/capacities.h"

namespace wm {

class Console;
struct GameState;

inline constexpr int compactLineWidth = 10;

// Running direction of a place: 0 down, 2 up, 1 neither (yards, sidings, loops).
enum Direction : int {
    directionDown = 0,
    directionNone = 1,
    directionUp = 2,
};

enum class LabelSide {
    Left,
    Right,
    ByDirection, // left for a place running down, right otherwise
};

// How a place's compact line is laid out; the table of place forms gives it.
struct CompactStyle {
    int direction = directionNone;
    LabelSide side = LabelSide::ByDirection;
};

// The direction that counts now: the train's own when an arrival or departure stands or passes there.
int compactDirection(const GameState& state, LocationId place, const CompactStyle& style);

// Ten cells from the column: code, end place 1, content, end place 2 with the code on the left; end place 1,
// content, end place 2, code with it on the right.
void DrawCompactLine(Console& console, const GameState& state, const PlaceView& view, LocationId place,
                     int column, int row, int section, const CompactStyle& style);

} // namespace wm
