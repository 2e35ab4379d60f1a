#pragma once
// Track pieces drawn from the console's cursor cell with the track pen, each in its section's colour.
// Every piece leaves the cursor on the same row after the cells it covers.

#include <string_view>

namespace wm {
struct Game;

void DrawTrack(Game& game, int section, int cells);
void DrawRiseTrack(Game& game, int section);
void DrawFallTrack(Game& game, int section);
void DrawPointsUp(Game& game, int straight, int diverging);
void DrawPointsDown(Game& game, int straight, int diverging);
void DrawThreeWay(Game& game, int straight, int rising, int falling);
/// Two cells: the upper road on this row, the lower road on the row below, and the diagonals asked for.
void DrawCrossover(Game& game, bool rising, bool falling, int upperLeft, int upperRight, int lowerLeft,
                   int lowerRight);
void ColouredText(Game& game, int section, std::string_view text);

} // namespace wm
