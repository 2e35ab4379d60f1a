#pragma once
// Every order the player gives: key commands, screen changes and the 'from' / 'to' dialogue.

namespace wm {

struct Game;

/// Carries out the input that ended the command cycle's wait.
void InterpretInput(Game& game);

/// A key or key-menu command (codes 0..15).
void MenuCommand(Game& game, int code);

/// Makes layout screen 0..4 current and shows it.
void SelectScreen(Game& game, int screen);

/// What a click hit: a key command (code above 0 in `command`), or a place 1..200 or screen link 601..605
/// of the current screen in `target`; both 0 for nothing.
struct ClickTarget {
    int command = 0;
    int target = 0;
};
ClickTarget KeyMenuClick(Game& game);

} // namespace wm
