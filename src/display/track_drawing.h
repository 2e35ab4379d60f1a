#pragma once
// Track pieces drawn from the console's cursor cell with the track pen, each in its section's colour.
// Every piece leaves the cursor on the same row after the cells it covers.

#include <string_view>

namespace wm {

class Console;
struct GameState;

/// The console to draw on and the state whose section timers give the colours.
struct TrackPen {
    Console& console;
    const GameState& state;
};

void DrawTrack(const TrackPen& pen, int section, int cells);
void DrawRiseTrack(const TrackPen& pen, int section);
void DrawFallTrack(const TrackPen& pen, int section);
void DrawPointsUp(const TrackPen& pen, int straight, int diverging);
void DrawPointsDown(const TrackPen& pen, int straight, int diverging);
void DrawThreeWay(const TrackPen& pen, int straight, int rising, int falling);
/// Two cells: the upper road on this row, the lower road on the row below, and the diagonals asked for.
void DrawCrossover(const TrackPen& pen, bool rising, bool falling, int upperLeft, int upperRight,
                   int lowerLeft, int lowerRight);
void ColouredText(const TrackPen& pen, int section, std::string_view text);

} // namespace wm
