#pragma once
// The working timetable file offered after a new game has been set up.

namespace wm {

struct Game;

/// Asks where to save the day's working timetable; when the player chooses a file, that file's folder
/// becomes the working folder and the timetable is written there, or a failure is reported.
void CreateWttFile(Game& game);

} // namespace wm
