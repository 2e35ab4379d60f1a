#include "session/boards.h"

#include "console/waits.h"
#include "display/arrivals_board.h"
#include "display/departures_board.h"
#include "display/hotspots.h"
#include "session/game.h"
#include "session/help_contexts.h"
#include "session/top_panel.h"
#include "session/info_window.h"

namespace wm {

namespace {
constexpr int ArrivalsDisplayMode = 1;
constexpr int DeparturesDisplayMode = 2;
constexpr int firstTrainRow = 3;
constexpr int footerRow = 30;

/// Paging keys, as the board's footer panels code them.
int pagingCode(int key) {
    switch (key) {
    case KeyCode::PageUp:
        return pageUp;
    case KeyCode::PageDown:
        return pageDown;
    case KeyCode::End:
        return pageEnd;
    case KeyCode::Home:
        return pageHome;
    default:
        return 0;
    }
}

/// Waits for the player; false when the wait ended for a quit rather than a click or a key.
bool waitForPlayer(Game& g) {
    ClearClick(g.input);
    g.input.pagingKey = 0;
    WaitForClickOrKey(g.host, g.input);
    const bool quit = g.input.commandPending && g.input.commandCode == CmdQuit;
    return !quit && !g.input.quitWhileOver;
}

/// The train on the clicked row of a list, or 0.
int clickedTrain(const Game& g, int lastRow) {
    if (!g.input.clicked || g.input.pagingKey != 0) return 0;
    const int row = g.input.clickRow;
    if (row < firstTrainRow || row > lastRow) return 0;
    return g.boards.rowMap[static_cast<std::size_t>(row)];
}

// The footer and the summary's lowest panel were written on the rows kept under the layout screens.
void clearBoardBottomRows(Console& c) {
    c.BlankBottomLine(footerRow);
    c.ClearMessageLine();
}

void leaveBoards(Game& g) {
    clearBoardBottomRows(g.console);
    g.display.displayMode = 0;
    g.flags.fullRedraw = true;
}

/// A list by line until the player leaves it; false when a quit ended the wait.
bool arrivalsList(Game& g) {
    for (;;) {
        DrawCurrentBoard(g);
        if (!waitForPlayer(g)) return false;
        const int arrival = clickedTrain(g, footerRow - 1);
        ClearClick(g.input);
        if (arrival == 0) break;
        ShowArrivalDetails(g, arrival);
    }
    clearBoardBottomRows(g.console);
    g.flags.fullRedraw = true;
    return true;
}

void rebuildDepartures(Game& g) {
    BoardState& b = g.boards;
    b.departures = listedDepartures(g.state, b.filter, b.groups);
    b.first = 1;
}
} // namespace

void DrawCurrentBoard(Game& g) {
    Console& c = g.console;
    c.DefaultColours();
    c.ClearScreen();
    c.BlankBottomLine(footerRow);
    c.BlankBottomLine(c.rows());
    RefreshTopPanel(g);
    BoardState& b = g.boards;
    if (g.display.displayMode == ArrivalsDisplayMode) {
        if (b.arrivalsBoard == 0) {
            b.rowMap = {};
            DrawArrivalsSummary(c, g.state);
        } else {
            b.rowMap = DrawArrivalsByLine(c, g.state, b.arrivalsBoard);
        }
    } else if (g.display.displayMode == DeparturesDisplayMode) {
        b.rowMap = DrawDeparturesBoard(c, g.state, DeparturesPage{b.departures, b.first, b.filter, b.groups});
    }
}

void ShowArrivals(Game& g) {
    g.display.helpContext = HelpArrivalsBoard;
    for (;;) {
        g.display.displayMode = ArrivalsDisplayMode;
        g.boards.arrivalsBoard = arrivalsSummary;
        DrawCurrentBoard(g);
        if (!waitForPlayer(g)) break;
        // A paging key leaves the last click's cell behind: it is a key, and leaves like any other.
        const int panel =
            g.input.pagingKey != 0 ? 0 : HitTest(arrivalsPanelGroup, g.input.clickColumn, g.input.clickRow);
        ClearClick(g.input);
        if (panel != arrivalsNorthWest && panel != arrivalsSouthEast) break;
        g.boards.arrivalsBoard = panel;
        if (!arrivalsList(g)) break;
    }
    leaveBoards(g);
}

void ShowDepartures(Game& g) {
    BoardState& b = g.boards;
    g.display.helpContext = HelpDeparturesBoard;
    b.groups = boardGroups(g.display.currentScreen);
    b.filter = b.groups.first;
    rebuildDepartures(g);
    for (;;) {
        b.first = pagedFirst(b.first, static_cast<int>(b.departures.size()), 0);
        g.display.displayMode = DeparturesDisplayMode;
        DrawCurrentBoard(g);
        if (!waitForPlayer(g)) break;
        int code = pagingCode(g.input.pagingKey);
        if (code == 0) {
            const int departure = clickedTrain(g, footerRow - 1);
            if (departure != 0) {
                ClearClick(g.input);
                ShowDepartureDetails(g, departure);
                continue;
            }
            code = HitTest(departuresPanelGroup, g.input.clickColumn, g.input.clickRow);
        }
        ClearClick(g.input);
        if (code == toggleFilter) {
            b.filter = b.filter == 0 ? b.groups.first : 0;
            rebuildDepartures(g);
        } else if (code == pageHome || code == pageUp || code == pageEnd || code == pageDown) {
            b.first = pagedFirst(b.first, static_cast<int>(b.departures.size()), code);
        } else {
            break;
        }
    }
    leaveBoards(g);
}

} // namespace wm
