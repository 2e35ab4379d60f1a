#pragma once
// The arrivals boards: the summary of the next train on each of the six approaches, and the two lists of
// the arrivals still to come line by line (north/west and south/east).

#include <vector>

#include "display/board_text.h"
#include "world/capacities.h"

namespace wm {

class Console;
struct GameState;

inline constexpr int arrivalsSummary = 0;
inline constexpr int arrivalsNorthWest = 1;
inline constexpr int arrivalsSouthEast = 2;

/// An arrival of a list with the minute it is expected and how late that makes it.
struct ListedArrival {
    ArrivalIndex arrival = 0;
    int expected = 0;
    int late = 0;
};

/// The line's pending arrivals running today, at most `rows` of them, each expected at least 5 minutes
/// after the one before.
std::vector<ListedArrival> lineArrivals(const GameState& state, int line, int rows);

/// The summary on a cleared console, below the title; the top panel is the caller's.
void DrawArrivalsSummary(Console& console, const GameState& state);

/// List board 1 or 2 on a cleared console; gives the arrival shown on each row.
BoardRowMap DrawArrivalsByLine(Console& console, const GameState& state, int board);

} // namespace wm
