#pragma once
// The layout screens as the running game shows them: drawn from its state, and changed by the player.

#include "display/screens.h"

namespace wm {

struct Game;

/// What the layout screens read of the running game.
ScreenContext screenContext(Game& game);

/// Draws layout screen n (0..4) completely, top panel included.
void DrawScreen(Game& game, int screen);

/// Makes screen n current in display mode 0 with its help context, and asks for a full repaint.
void ShowScreen(Game& game, int screen);

} // namespace wm
