#pragma once
// What the open board shows, so that a repaint draws it again as it stands.

#include <vector>

#include "display/board_text.h"
#include "display/departures_board.h"

namespace wm {

struct BoardState {
    int arrivalsBoard = 0; // 0 the summary, 1 north/west lines, 2 south/east lines
    int filter = 0;        // departures: 0 all, else the first group of the screen
    BoardGroups groups;
    std::vector<DepartureIndex> departures;
    int first = 1; // entry of `departures` on the first row, from 1
    BoardRowMap rowMap{};
};

} // namespace wm
