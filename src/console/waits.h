#pragma once
// The wait for the player's next click or key, used by the boards, the report and other screens that
// stand until the player moves on.

#include "console/input_state.h"
#include "host/host.h"

namespace wm {

/// Where a key that ended a wait "clicks": a cell that holds no hotspot on any screen.
inline constexpr int KeyClickColumn = 75;
inline constexpr int KeyClickRow = 1;

/// Forgets the last click; called before every wait.
void ClearClick(InputState& input);

/// Pumps window events until a click, a key, a quit asked for (the close box or Quit during a game) or the
/// close request after the game is over. A key leaves
/// the click cell at (75, 1); a paging key leaves a click with its code in `pagingKey`. A key without a
/// character pressed before the wait does not end it.
void WaitForClickOrKey(Host& host, InputState& input);

} // namespace wm
