#include "session/end_of_shift.h"

#include <string>

#include "console/palette.h"
#include "console/waits.h"
#include "display/engine_report.h"
#include "session/closing_penalties.h"
#include "session/game.h"
#include "session/help_contexts.h"
#include "session/info_window.h"
#include "session/shift_rating.h"

namespace wm {

namespace {
constexpr int ReportDisplayMode = 3;
void writePrompt(Console& c) {
    c.ClearMessageLine();
    c.SetTextColour(palette::HighlightText);
    c.SetBackColour(palette::Navy);
    c.WriteText("To locate an engine, click on it");
    c.DefaultColours();
}
} // namespace

void DrawReportScreen(Game& g) {
    g.console.ClearScreen();
    DrawEngineReport(g.console, g.state, reportedEngines(g.state), g.text.executableDate);
}

void ReportScreen(Game& g, bool final) {
    g.display.displayMode = ReportDisplayMode;
    g.display.helpContext = HelpReport;
    DrawReportScreen(g);
    if (final) return;
    Console& c = g.console;
    writePrompt(c);
    for (;;) {
        ClearClick(g.input);
        g.input.pagingKey = 0;
        WaitForClickOrKey(g.host, g.input);
        const bool quit = g.input.commandPending && g.input.commandCode == CmdQuit;
        // A paging key arrives as a click on the last cell clicked: it is a key, and ends the report.
        if (quit || !g.input.clicked || g.input.pagingKey != 0 || g.input.quitWhileOver) break;
        g.input.clicked = false;
        // The list is taken afresh: nothing moves while the report waits, but a repaint may have redrawn it.
        const LocoIndex engine =
            reportEngineAt(reportedEngines(g.state), g.input.clickColumn, g.input.clickRow);
        if (engine == 0) break;
        ShowLocoLocation(g, engine);
    }
    c.ClearMessageLine();
    g.display.displayMode = 0;
    g.flags.fullRedraw = true;
}

void EndOfShift(Game& g) {
    GameState& s = g.state;
    Console& c = g.console;
    // An early quit's closing penalties are not the player's record of the shift.
    if (s.clock < s.shiftEnd) c.options().scoreLogging = false;
    ChargeHeldArrivals(s, c);
    ChargeLateDepartures(s, c);
    ReportScreen(g, true);
    const ShiftRating rating = rateShift(s.score, s.target, s.clock, s.shiftStart, s.shiftEnd);
    const EndOfSessionLabels labels = endOfSessionLabels(rating);
    g.flags.modalOpen = true;
    g.host.endOfSessionDialog(g.text.simulationName, labels.rating, labels.pointScore, labels.perCent);
    g.flags.modalOpen = false;
}

} // namespace wm
