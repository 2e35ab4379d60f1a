#pragma once
// Saving the position to a file and taking it up again.

#include <string>

namespace wm {
struct Game;

/// Replaces the game from a saved file. A file that is missing, not a saved game or another program's
/// says so on the message line, keeps the running game and leaves the clock as it was (-1 at the start
/// screen, so the caller shows its box). False when the body of the file is damaged: the caller reports
/// that; the running game is untouched then too.
bool LoadGame(Game& game, const std::string& path);
/// Writes the position; the file is replaced whole or not at all. False, with the message shown and the
/// game going on, when it could not be written.
bool SaveGame(Game& game, const std::string& path);

} // namespace wm
