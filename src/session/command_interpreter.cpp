#include "session/command_interpreter.h"

#include <string>

#include "console/palette.h"
#include "display/hotspots.h"
#include "movement/arrival_ready.h"
#include "movement/route_move.h"
#include "movement/validate_move.h"
#include "rules/traffic_assignment.h"
#include "session/ask_location.h"
#include "session/boards.h"
#include "session/end_of_shift.h"
#include "session/from_description.h"
#include "session/game.h"
#include "session/info_window.h"
#include "session/layout_screens.h"
#include "session/main_loop.h"
#include "session/place_orders.h"
#include "world/record_checks.h"

namespace wm {

namespace {
constexpr int firstScreenCode = firstScreenLink; // 601..605
constexpr int lastScreenCode = firstScreenLink + layoutScreenCount - 1;

bool isScreenLink(int target) {
    return target >= firstScreenCode && target <= lastScreenCode;
}

/// Key-menu item codes and the command each stands for.
int keyItemCommand(int item) {
    if (item >= 1 && item <= layoutScreenCount) return CmdShowScreen0 + item - 1;
    switch (item) {
    case 20:
        return CmdArrivalsBoard;
    case 21:
        return CmdDeparturesBoard;
    case 23:
        return CmdReport;
    case 24:
        return CmdDetails;
    case 25:
        return CmdQuit;
    case 28:
        return CmdRecentMessages;
    default:
        return 0;
    }
}

/// Pumps events until the player clicks, presses a key or steps the clock, or the game is ended.
template <typename Done>
void waitFor(Game& g, Done done) {
    while (!done() && !g.input.quitWhileOver && !g.clock.endRequested) {
        g.host.processEvents(true);
        if (!done()) g.host.sleepMs(100);
    }
}

void clearPendingInput(InputState& input) {
    input.clicked = false;
    input.keyPressed = false;
    input.commandPending = false;
    input.commandCode = CmdNone;
    input.pendingTo = 0;
}

/// The place the last click hit; a key-menu command or a screen link is carried out at once instead.
int placeClicked(Game& g, bool& right, bool& hitNothing) {
    right = g.input.rightButton;
    const ClickTarget hit = KeyMenuClick(g);
    hitNothing = false;
    if (hit.command != 0) {
        MenuCommand(g, hit.command);
        return 0;
    }
    if (isScreenLink(hit.target)) {
        SelectScreen(g, hit.target - firstScreenCode);
        return 0;
    }
    if (isPlace(hit.target)) return hit.target;
    hitNothing = true;
    return 0;
}

/// The place of the 'from', or 0 when the order ended before one was chosen.
int chooseFrom(Game& g, bool& typed, bool& right) {
    InputState& in = g.input;
    if (in.keyboardMove) {
        typed = true;
        ResetSpeedUp(g);
        g.clock.cycleDone = false;
        g.host.focusWindow();
        return AskLocation(g, AskFromQuestion);
    }
    if (!in.clicked) {
        if (in.commandPending) MenuCommand(g, in.commandCode);
        return 0;
    }
    bool hitNothing = false;
    const int from = placeClicked(g, right, hitNothing);
    if (!hitNothing || right) return from; // a right click on nothing does nothing

    Console& c = g.console;
    c.ClearMessageLine();
    c.WriteText("Click on location to move from");
    clearPendingInput(in);
    waitFor(g, [&in] { return in.clicked || in.commandPending || in.keyPressed; });
    if (in.clicked) return placeClicked(g, right, hitNothing);
    if (in.commandPending) MenuCommand(g, in.commandCode);
    return 0;
}

/// The 'to': a place, a screen link or an order code; 0 when the dialogue was cancelled.
int chooseTo(Game& g, LocationId from, bool typed, bool right) {
    InputState& in = g.input;
    if (typed) return AskLocation(g, AskToQuestion);
    if (right) {
        in.pendingTo = 0;
        g.host.popupActionMenu(in.clickScreenX, in.clickScreenY);
        return in.pendingTo;
    }
    Console& c = g.console;
    const int row = c.rows() - 1;
    const int column = engineListEnd(g) + 1;
    const std::string prompt = " Click on location to move to ";
    if (column + static_cast<int>(prompt.size()) - 1 <= c.columns()) {
        c.GotoCell(column, row);
        c.SetTextColour(palette::HighlightText);
        c.SetBackColour(palette::Navy);
        c.WriteText(prompt);
        c.DefaultColours();
    }
    clearPendingInput(in);
    // Keys with a character do not end this wait; one without (an arrow, a function key) cancels.
    waitFor(g, [&] { return in.clicked || in.keyPressed || g.clock.singleStepRequested; });
    if (g.clock.singleStepRequested) {
        g.clock.cycleDone = true;
        return 0;
    }
    if (!in.clicked) return 0;
    const ClickTarget hit = KeyMenuClick(g);
    if (in.rightButton && hit.target == from) {
        in.pendingTo = 0;
        g.host.popupActionMenu(in.clickScreenX, in.clickScreenY);
        return in.pendingTo;
    }
    if (hit.command >= CmdShowScreen0) return firstScreenCode + hit.command - CmdShowScreen0;
    return hit.command != 0 ? 0 : hit.target;
}

/// A move that has passed the interpreter's checks: a train at an entry point must be near enough to be
/// signalled in, then the rules and the route decide.
void orderMove(Game& g, LocationId from, LocationId to) {
    MoveWorld world{g.state, g.services, g.console, g.move, g.clock.tickPhase};
    if (g.state.locations[from].kind == kindEntryPoint && checkArrivalReady(world, from)) return;
    if (!validateMove(world, from, to)) return;
    routeMove(world, from, to);
    // Whether it started or was refused, the order took no time: the next cycle runs without a tick.
    g.clock.cycleDone = false;
}

void carryOut(Game& g, LocationId from, int to) {
    GameState& s = g.state;
    const Location& l = s.locations[from];
    if (to == from && (l.kind == kindEntryPoint || l.kind == kindExitPoint || l.kind == kindShedRoad ||
                       l.kind == kindServicePoint || l.kind == kindRunningSection)) {
        g.console.ShowNotice("No move possible within " + std::string(l.code.view()));
        return;
    }
    if (isScreenLink(to)) return SelectScreen(g, to - firstScreenCode);
    switch (to) {
    case orderLocoInfo:
        return ShowLocosAt(g, from);
    case orderTrainInfo:
        return ShowContents(g, from);
    case orderAssign:
        if (l.occState != occStock) return g.console.NotPossible();
        return assignTraffic(s, g.console, from);
    case orderCouple:
        return CoupleOrder(g, from);
    case orderUncouple:
        return UncoupleOrder(g, from);
    case orderWater:
        return WaterOrder(g, from);
    default:
        break;
    }
    if (!isPlace(to)) return;
    LocationId target = to;
    if (!CheckMove(g, from, target)) return;
    orderMove(g, from, target);
}
} // namespace

ClickTarget KeyMenuClick(Game& g) {
    const int column = g.input.clickColumn;
    const int row = g.input.clickRow;
    if (g.display.displayMode == 0) {
        const int item = HitTest(keyMenuGroup, column, row);
        if (item != 0) return {keyItemCommand(item), 0};
    }
    return {0, HitTest(firstScreenGroup + g.display.currentScreen, column, row)};
}

void SelectScreen(Game& g, int screen) {
    ShowScreen(g, screen);
    g.clock.cycleDone = false;
}

void MenuCommand(Game& g, int code) {
    ResetSpeedUp(g);
    g.clock.cycleDone = false;
    switch (code) {
    case CmdRecentMessages:
        ShowRecentMessages(g);
        break;
    case CmdDeparturesBoard:
    case CmdArrivalsBoard:
    case CmdReport:
        if (code == CmdDeparturesBoard)
            ShowDepartures(g);
        else if (code == CmdArrivalsBoard)
            ShowArrivals(g);
        else
            ReportScreen(g, false);
        // Closing the window while a board or the report is up asks to quit as over a layout screen.
        if (g.input.commandPending && g.input.commandCode == CmdQuit) MenuCommand(g, CmdQuit);
        break;
    case CmdDetails:
        if (g.display.helpContext != 0) g.host.openHelp(g.display.helpContext);
        break;
    case CmdQuit:
        g.clock.endRequested = true;
        g.clock.cycleDone = true;
        break;
    case CmdSlower:
        SlowerClicked(g);
        break;
    case CmdFaster:
        FasterClicked(g);
        break;
    default:
        if (code >= CmdShowScreen0 && code < CmdShowScreen0 + layoutScreenCount)
            SelectScreen(g, code - CmdShowScreen0);
        break;
    }
}

void InterpretInput(Game& g) {
    bool typed = false;
    bool right = false;
    const int from = chooseFrom(g, typed, right);
    if (from == 0) return;
    g.clock.cycleDone = false;
    g.flags.fullRedraw = false;
    DescribeFrom(g, from);
    g.host.requestRepaint();
    const int to = chooseTo(g, from, typed, right);
    if (to == 0) return;
    carryOut(g, from, to);
}

} // namespace wm
