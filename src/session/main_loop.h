#pragma once
// The heartbeat of a game: the main loop, the command cycle's wait, the clock tick, and the session's
// window parts that the loop drives.

#include <string>

namespace wm {
struct Game;
struct GameState;

/// The start-up reset of everything that is not the day's timetable.
void ResetGameState(Game& game);
/// Reads and checks every table of the data folder, the three days' timetables included; a fault is a
/// DataFileError naming the file and line.
void loadAllDataTables();
/// The lines, locations and engines, which do not depend on the day, after every data table is read; false
/// (after the fatal box) when the game's data cannot be read or is damaged.
bool BuildDayIndependentTables(Game& game);
/// Builds the chosen day's tables and starting position.
void SetUpNewGame(Game& game);

/// Runs one game from its first draw to the end of the session, then ends the application.
void MainLoop(Game& game);
/// Waits for one input or one timer event and handles it.
void CommandCycle(Game& game);
/// Advances the simulation by a third of a minute.
void ClockTick(Game& game);
void ResetSpeedUp(Game& game);
/// The cue the last attention scans ask for: late before soon before ready, ready only on a minute's
/// first tick.
void SoundAlertCue(Game& game);
void ConfirmQuit(Game& game);

/// " - " and the "-" key: slower while the clock runs; nothing in single step.
void SlowerClicked(Game& game);
/// "+" and the "+" key: faster while the clock runs; one tick in single step.
void FasterClicked(Game& game);

void EnableWaitingMenus(Game& game, bool enabled);
void LayoutTopPanel(Game& game);
/// Applies a new console font size during a run and redraws everything.
void ChangeFontSize(Game& game, int fontSize);

/// What the window shows before a game: a title on the console behind the two start buttons.
void DrawStartScreen(Game& game);
/// The paint handler's work while a game runs.
void PaintCurrentDisplay(Game& game);

} // namespace wm
