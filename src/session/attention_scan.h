#pragma once
// Before every command cycle the game looks over the layout and rates how urgently each approaching train
// and each occupied place needs the player: the highest rating of each screen colours its key-menu button,
// three flags ask for cues, and anything ready or worse stops the racing clock.

namespace wm {

struct Game;

/// The main lines whose trains are rated while they wait at the edge of the layout.
inline constexpr int ratedLineCount = 9;
inline constexpr int ratedLines[ratedLineCount] = {1, 2, 3, 7, 8, 20, 21, 22, 23};

/// Recomputes the screens' alert levels, the last place rated on a screen with an alert and the ready
/// cue request; the soon and late requests are only ever added to (the main loop clears them once a
/// pass). Counting, a passenger train held late at the edge adds one to its line's wait count.
void AttentionScan(Game& game, bool countWaiting);

} // namespace wm
