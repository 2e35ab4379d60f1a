#pragma once
// The close of a session: the last penalties, the engine report and the rating; and the same engine
// report on request during play.

namespace wm {

struct Game;

/// After the session has ended: charges trains still held back, draws the final report, and shows the
/// rating in the end-of-session dialog. Returns once the dialog is closed.
void EndOfShift(Game& game);

/// Shows the engine report (display mode 3). During play (`final` false) a click on an engine tells where
/// it is, and any other click or key ends the report.
void ReportScreen(Game& game, bool final);

/// Draws the report again as it stands, for a repaint while it is shown.
void DrawReportScreen(Game& game);

} // namespace wm
