#pragma once
// Codes coloured by the state of their place: the status codes of loops and sidings and the exit ends of
// the lines, and the approach labels of the incoming lines, coloured by the next train.

#include <string_view>

#include "world/capacities.h"

namespace wm {

class Console;
struct GameState;

// The code text in the colour of the place's state; sectionA and sectionB are the two sections that
// together close the place (0 for none).
void DrawStatusCode(Console& console, const GameState& state, LocationId place, int column, int row,
                    std::string_view codeText, int sectionA = 0, int sectionB = 0);

// The label of an incoming line at the screen's edge: Black on Yellow (on Magenta for a passenger train)
// when the train standing at the approach place is nearly due, Black on Red when it is already late for
// its reception, Silver otherwise.
void DrawApproachLabel(Console& console, const GameState& state, LocationId place, int column, int row,
                       std::string_view text);

} // namespace wm
