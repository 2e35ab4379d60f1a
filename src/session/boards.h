#pragma once
// The arrivals and departures boards as the running game shows them: each stands over the layout screen,
// with the clock still, until the player leaves it.

namespace wm {

struct Game;

/// "A": the arrivals summary, and from its brown panels the two lists of arrivals by line.
void ShowArrivals(Game& game);

/// "D": the departures board of the current screen, paged and filtered by its footer panels and keys.
void ShowDepartures(Game& game);

/// Draws the board the display mode names (1 arrivals, 2 departures) as it stands, for a repaint.
void DrawCurrentBoard(Game& game);

} // namespace wm
