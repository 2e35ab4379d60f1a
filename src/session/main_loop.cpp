#include "session/main_loop.h"

#include <algorithm>
#include <exception>

#include "console/settings.h"
#include "console/sound_cues.h"
#include "display/compact_places.h"
#include "display/hotspots.h"
#include "display/screen_plan.h"
#include "movement/reachability.h"
#include "movement/route_table.h"
#include "rules/engine_servicing.h"
#include "rules/reversing_destinations.h"
#include "session/approach_queues.h"
#include "session/attention_scan.h"
#include "session/boards.h"
#include "session/command_interpreter.h"
#include "session/completions.h"
#include "session/end_of_shift.h"
#include "session/game.h"
#include "session/help_contexts.h"
#include "session/layout_screens.h"
#include "session/top_panel.h"
#include "world/build_context.h"
#include "world/data_file.h"
#include "world/engine_builders.h"
#include "world/engine_list.h"
#include "world/exchange_lines.h"
#include "world/location_table.h"
#include "world/new_game.h"
#include "world/sheds.h"
#include "world/timetable_data.h"

namespace wm {

namespace {
constexpr int QuietTicksBeforeSpeedUp = 15;
constexpr int SpeededUpIntervalMs = 100;
constexpr int FirstSpeededUpIntervalMs = 300;

void blankPromptRows(Game& g) {
    Console& c = g.console;
    for (int row : {c.rows() - 2, c.rows()}) c.BlankBottomLine(row);
}

void waitForWindow(Game& g) {
    while (!g.clock.skipTick && !g.flags.windowActive) {
        g.host.processEvents(true);
        if (!g.flags.windowActive) g.host.sleepMs(100);
    }
}

} // namespace

void ResetSpeedUp(Game& g) {
    g.clock.speededUp = false;
    g.clock.quietTicks = QuietTicksBeforeSpeedUp;
    // In single step a running timer would end the player's wait with no tick, pass after pass.
    if (g.console.options().clockRunning) g.host.setTimerInterval(tickSeconds(g.clock.speedIndex) * 1000);
}

void ResetGameState(Game& g) {
    if (g.hasFixedSeed)
        g.random.seed(g.fixedSeed);
    else
        g.random.seed(static_cast<unsigned>(g.host.timeOfDayMs()));
    g.display.currentScreen = 3;
    g.display.helpContext = HelpFirstScreen + 3;
    g.display.displayMode = 0;
    g.display.alertLevel = {};
    g.alerts = AlertState{};
    g.clock = ClockState{};
    g.state.reset();
    g.clock.speedIndex = 5;
    ResetSpeedUp(g);
    // The timer only starts with a game.
    g.host.setTimerInterval(0);
    g.console.options().clockRunning = false;
    g.console.ClearHistory();
}

namespace {
BuildContext buildContext(Game& g) {
    return BuildContext{g.state, g.services, loadedShedTable()};
}
} // namespace

void loadAllDataTables() {
    loadedShedTable();
    loadedEngineList();
    loadedReversingDestinations();
    BuildHotspots();
    standardScreenPlans();
    CompactPlaces::standard();
    Reachability::standard();
    RouteTable::standard();
    loadedExchangeLineNames();
    for (int dayCode : {1, 6, 7}) loadedDayTimetable(dayFileName(dayCode));
}

bool BuildDayIndependentTables(Game& g) {
    try {
        // Every table is read and checked now, so that no damaged file is first met during play.
        loadAllDataTables();
        buildLocationTable(g.state);
        BuildContext context = buildContext(g);
        buildEngineTable(context);
        return true;
    } catch (const DataFileError& error) {
        // A damaged or missing data file is an installation fault, reported like a missing font.
        g.console.FatalSetupError(error.what());
        g.host.terminate();
        return false;
    }
}

void SetUpNewGame(Game& g) {
    GameState& s = g.state;
    BuildContext context = buildContext(g);
    try {
        buildNewGameTables(context, s.dayCode);
    } catch (const DataFileError& error) {
        // The day's files are part of the installation: a damaged one ends the run like a missing font.
        g.host.messageBox(
            BoxKind::Error,
            std::string("An error has occurred\r\n") + error.what() + "\r\nRun cannot continue.", 0);
        g.host.terminate();
        return;
    }
    s.score = 0;
    // A day with no timetable still needs a target the rating can divide by.
    if (s.target <= 0) s.target = 1;
    g.console.ClearScreen();
    nameNamedTrains(s, s.dayCode);
    // Lines sharing an entry are prepared together, then chosen together.
    prepareLine(g, 1);
    chooseNextArrival(g, 1);
    prepareLine(g, 2);
    prepareLine(g, 3);
    chooseNextArrival(g, 2);
    chooseNextArrival(g, 3);
    for (int line : {4, 5, 6}) prepareLine(g, line);
    prepareLine(g, 7);
    prepareLine(g, 8);
    chooseNextArrival(g, 7);
    chooseNextArrival(g, 8);
    prepareLine(g, 19);
    prepareLine(g, 20);
    chooseNextArrival(g, 20);
    prepareLine(g, 21);
    chooseNextArrival(g, 21);
    prepareLine(g, 22);
    prepareLine(g, 23);
    chooseNextArrival(g, 22);
    chooseNextArrival(g, 23);
    prepareLine(g, 24);
    prepareLine(g, 25);
    buildWatchList(s);
}

void EnableWaitingMenus(Game& g, bool enabled) {
    for (Widget w :
         {Widget::Quit1, Widget::Pause1, Widget::Options1, Widget::Save1, Widget::SaveAs1, Widget::Restart1})
        g.host.setEnabled(w, enabled);
}

void LayoutTopPanel(Game& g) {
    g.host.layoutTopPanel(g.console.options().fontSize, g.console.cellWidth(), g.console.cellHeight());
    RefreshTopPanel(g);
}

void ChangeFontSize(Game& g, int fontSize) {
    if (g.flags.fontChangeLock || !g.flags.drawingEnabled) {
        g.console.options().fontSize = fontSize;
        return;
    }
    g.flags.fontChangeLock = true;
    const bool drawing = g.flags.drawingEnabled;
    g.flags.drawingEnabled = false;
    g.console.options().fontSize = fontSize;
    g.console.ApplyFontSize();
    LayoutTopPanel(g);
    g.flags.drawingEnabled = drawing;
    g.flags.fullRedraw = true;
    PaintCurrentDisplay(g);
    g.flags.fontChangeLock = false;
}

void DrawStartScreen(Game& g) {
    Console& c = g.console;
    c.ClearScreen();
    c.SetTextColour(palette::Cyan);
    const std::string title = "Wendmoor, Summer 1958";
    c.GotoCell((c.columns() - static_cast<int>(title.size())) / 2 + 1, 5);
    c.WriteText(title);
    c.DefaultColours();
    const std::string subtitle = "Signalman and yard master for one day of the summer timetable";
    c.GotoCell((c.columns() - static_cast<int>(subtitle.size())) / 2 + 1, 7);
    c.WriteText(subtitle);
    c.DefaultColours();
    g.host.requestRepaint();
}

void PaintCurrentDisplay(Game& g) {
    Console& c = g.console;
    if (g.flags.fullRedraw) {
        c.ClearScreen();
        c.RedrawBottomLines();
        g.flags.fullRedraw = false;
    }
    RefreshTopPanel(g);
    if (g.display.displayMode == 0) {
        g.display.helpContext = HelpFirstScreen + g.display.currentScreen;
        if (g.display.lastDrawnScreen != g.display.currentScreen) {
            c.ClearScreen();
            g.display.lastDrawnScreen = g.display.currentScreen;
        }
        // The top panel was refreshed above, for every display mode.
        DrawScreen(screenContext(g), g.display.currentScreen);
        c.RedrawBottomLines();
    } else if (g.display.displayMode == 3) {
        DrawReportScreen(g);
        c.RedrawBottomLines();
    } else {
        DrawCurrentBoard(g);
    }
}

namespace {
/// A step along the speed table; the speed only means something while the clock runs.
void changeSpeed(Game& g, int step) {
    if (g.console.options().clockRunning) g.clock.speedIndex = std::clamp(g.clock.speedIndex + step, 1, 8);
    RefreshTopPanel(g);
}
} // namespace

void SlowerClicked(Game& g) {
    changeSpeed(g, +1);
}

void FasterClicked(Game& g) {
    // In single step "+" is the only way the clock moves.
    if (!g.console.options().clockRunning) {
        g.clock.singleStepRequested = true;
        g.clock.cycleDone = true;
    }
    changeSpeed(g, -1);
}

void ConfirmQuit(Game& g) {
    const bool yes = g.console.AskYesNo("Do you really want to quit?");
    g.flags.quitConfirmed = yes;
    g.clock.endRequested = yes;
}

void CommandCycle(Game& g) {
    Console& c = g.console;
    const bool running = c.options().clockRunning;
    g.clock.cycleDone = true;
    if (g.clock.speededUp && running) {
        // The notice is shorter than a prompt it may replace; what is left of the prompt must not show.
        c.ClearMessageLine();
        c.GotoCell(1, c.rows() - 1);
        c.SetTextColour(palette::Yellow);
        c.SetBackColour(palette::Black);
        c.WriteText(" Speeded up until next need for action ");
        c.DefaultColours();
    } else {
        c.ClearMessageLine();
        c.WriteText(running ? "Click mouse or press space bar for movement"
                            : "Click + sign to right of Single Step to advance clock");
    }
    g.input.timerFired = false;
    if (running)
        g.host.setTimerInterval(g.clock.speededUp ? SpeededUpIntervalMs
                                                  : tickSeconds(g.clock.speedIndex) * 1000);
    EnableWaitingMenus(g, true);

    const auto inputArrived = [&g] {
        return g.input.clicked || g.input.timerFired || g.input.commandPending || g.input.keyboardMove;
    };
    bool stepped = false;
    while (!inputArrived() && !g.clock.endRequested) {
        g.host.processEvents(true);
        if (g.clock.singleStepRequested) {
            stepped = true;
            break;
        }
        if (!inputArrived()) g.host.sleepMs(100);
    }

    g.input.timerFired = false;
    g.host.setTimerInterval(0);
    if (!g.clock.speededUp) c.ClearMessageLine();
    EnableWaitingMenus(g, false);

    if (stepped)
        g.clock.cycleDone = true;
    else if (g.input.clicked || g.input.commandPending || g.input.keyboardMove)
        InterpretInput(g);
    blankPromptRows(g);
    g.input.clearAll();
    g.move = MoveContext{};
}

void ClockTick(Game& g) {
    GameState& s = g.state;
    for (int i = 1; i <= sectionCount; ++i)
        if (s.sectionTimer[i] > 0) --s.sectionTimer[i];
    if (s.branchTimer > 0) --s.branchTimer;
    advancePlaces(g);
    advanceTraffic(g);
    advanceEngines(g);
    if (--g.clock.tickPhase <= 0) {
        g.clock.tickPhase = 3;
        ++s.clock;
        applyPilotNeeds(s, g.services);
        watchLightEngines(s, g.services);
        serveExchanges(g);
        // Autosave at whole hours is an option the game does not offer (its box is disabled).
        if (s.clock >= s.shiftEnd) g.clock.endRequested = true;
    }
    if (g.clock.quietTicks > 0) --g.clock.quietTicks;
    if (g.clock.quietTicks <= 0 && !g.clock.speededUp) {
        g.clock.speededUp = true;
        if (g.console.options().clockRunning) g.host.setTimerInterval(FirstSpeededUpIntervalMs);
    }
}

void SoundAlertCue(Game& g) {
    const AlertState& a = g.alerts;
    if (a.late)
        g.console.PlayCue(CueLate);
    else if (a.soon)
        g.console.PlayCue(CueSoon);
    else if (a.ready && g.clock.tickPhase == 1)
        g.console.PlayCue(CueReady);
}

void MainLoop(Game& g) {
    Console& c = g.console;
    const int appliedFontSize = c.options().fontSize;
    const ConsoleOptions stored = ReadSettings(g.host, appliedFontSize);
    c.options() = stored;
    // An out-of-range speed from a hand-edited file would index past the speed table.
    g.clock.speedIndex = stored.speed < 1 ? 1 : stored.speed > 8 ? 8 : stored.speed;
    if (stored.fontSize != appliedFontSize && stored.fontSize >= Console::MinFontSize &&
        stored.fontSize <= c.largestFontSize()) {
        c.ApplyFontSize();
        LayoutTopPanel(g);
    } else {
        c.options().fontSize = appliedFontSize;
    }
    g.host.setCaption(Widget::Label7, g.state.dayName);
    g.host.setVisible(Widget::Label7, true);
    c.ClearScreen();
    g.host.setEnabled(Widget::Quit1, true);
    g.flags.gameRunning = true;
    g.flags.atStartScreen = false;
    g.flags.drawingEnabled = true;
    g.host.setEnabled(Widget::Options1, true);
    g.flags.modalOpen = false;
    RefreshTopPanel(g);
    if (c.options().clockRunning) g.host.setTimerInterval(tickSeconds(g.clock.speedIndex) * 1000);
    g.flags.windowActive = true;

    try {
        for (;;) {
            g.alerts.soon = false;
            g.alerts.late = false;
            g.clock.skipTick = false;
            AttentionScan(g, true);
            g.display.displayMode = 0;
            PaintCurrentDisplay(g);
            SoundAlertCue(g);
            do {
                waitForWindow(g);
                CommandCycle(g);
                AttentionScan(g, false);
                if (!g.clock.cycleDone) PaintCurrentDisplay(g);
            } while (!g.clock.cycleDone);
            if (g.clock.endRequested && g.state.clock < g.state.shiftEnd) {
                ConfirmQuit(g);
            } else if ((c.options().clockRunning || g.clock.singleStepRequested) && !g.clock.skipTick) {
                ClockTick(g);
            }
            g.clock.singleStepRequested = false;
            if (g.clock.endRequested) {
                g.flags.gameRunning = false;
                g.flags.gameOver = true;
                for (Widget w : {Widget::Options1, Widget::Save1, Widget::SaveAs1, Widget::Restart1})
                    g.host.setEnabled(w, false);
                c.options().speed = g.clock.speedIndex;
                WriteSettings(g.host, c.options());
                EndOfShift(g);
                break;
            }
        }
    } catch (const std::exception& error) {
        g.host.messageBox(
            BoxKind::Error,
            std::string("An error has occurred\r\n") + error.what() + "\r\nRun cannot continue.", 0);
    }
    g.host.terminate();
}

} // namespace wm
