#pragma once
// Saved games. Not built yet: loading reports every file as invalid and saving says it cannot save,
// so no player believes a position was kept.

#include <string>

namespace wm {
struct Game;

/// Whether this version can write saved games; Save As asks it before offering a file.
bool SavingAvailable();
/// Tells the player that positions cannot be saved in this version.
void SaySavingUnavailable(Game& game);

/// Replaces the game state from a saved file; false when the file is not a valid saved game.
bool LoadGame(Game& game, const std::string& path);
/// Writes the game state to a file; false when nothing was written.
bool SaveGame(Game& game, const std::string& path);

} // namespace wm
