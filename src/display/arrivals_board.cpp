#include "display/arrivals_board.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/palette.h"
#include "console/time_format.h"
#include "display/engine_token.h"
#include "display/text_tables.h"
#include "world/game_state.h"
#include "world/group_names.h"
#include "world/line_tables.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
constexpr int titleColumn = 70;
constexpr int panelWidth = 24;
constexpr int panelRows = 7;
constexpr int withinTheHour = 61;
constexpr int farAhead = 120;
constexpr int noArrivalReach = 10;

// Each panel shows the train at the entry place of one of the lines that share that place.
struct ApproachPanel {
    int line;
    std::string_view label;
    int column;
    int row;
};
constexpr ApproachPanel approachPanels[] = {
    {1, "WN", 1, 5},   {2, "CF", 1, 15},   {7, "CS", 1, 25},
    {20, "BB", 51, 5}, {21, "RF", 51, 15}, {22, "RS/BU", 51, 25},
};

struct LineList {
    int line;
    int headerRow;
    int rows;
};
constexpr LineList northWestLists[] = {{1, 3, 3}, {2, 8, 5}, {3, 15, 3}, {7, 20, 3}, {8, 25, 3}};
constexpr LineList southEastLists[] = {{20, 3, 5}, {21, 10, 5}, {22, 17, 5}, {23, 24, 3}};

/// The outer approach point a line's trains are held at; empty for lines the summary says nothing of.
std::string_view approachName(int line) {
    switch (line) {
    case 1:
        return "Approach A";
    case 2:
    case 3:
        return "Approach B";
    case 20:
        return "Approach C";
    case 21:
    case 22:
        return "Approach D";
    default:
        return {};
    }
}

void approachStatus(Console& c, const GameState& s, ArrivalIndex arrival, LocationId place, int reach) {
    const Arrival& a = s.arrivals[arrival];
    const std::string_view name = approachName(a.line);
    if (name.empty() || s.lines[a.line].entryPlace != place) return;
    const int due = a.time + a.late;
    if (due >= s.clock + reach + 2) return;
    const int signal = s.lines[a.line].signalIndex;
    if (signal >= 1 && signal <= sectionCount && s.sectionTimer[static_cast<std::size_t>(signal)] > 0) {
        c.SetTextColour(palette::Green);
        c.WriteText("Signalled into area     ");
    } else if (due < s.clock + reach) {
        c.SetTextColour(palette::Red);
        c.WriteText(padded("Held at " + std::string(name), 24));
    } else {
        c.SetTextColour(palette::Yellow);
        c.WriteText(padded("Approaching " + std::string(name), 28));
    }
    c.DefaultColours();
}

/// The train standing at the approach place, when it is due within the hour with an engine; else 0.
ArrivalIndex panelArrival(const GameState& s, LocationId place) {
    const Location& l = s.locations[place];
    if (l.occState != occArrival || !isArrival(s, l.occupant)) return 0;
    const Arrival& a = s.arrivals[l.occupant];
    if (a.time + a.late >= s.clock + withinTheHour || !isRealEngine(a.loco)) return 0;
    return l.occupant;
}

void drawPanel(Console& c, const GameState& s, const ApproachPanel& panel) {
    const LocationId place = lineEntry(panel.line).entryPlace;
    const ArrivalIndex arrival = panelArrival(s, place);
    c.DefaultColours();
    for (int row = panel.row; row < panel.row + panelRows; ++row)
        c.WriteTextAt(panel.column, row, padded("", panelWidth));
    if (arrival == 0) return;
    const Arrival& a = s.arrivals[arrival];
    const int reach = approachTime(a.group, a.line, a.trainType);
    const int expected = a.time + a.late;

    c.SetTextColour(palette::Green);
    c.WriteTextAt(panel.column, panel.row,
                  "Next " + std::string(panel.label) + " arr. exp: " + FormatTime(expected - reach));
    c.DefaultColours();
    c.WriteTextAt(panel.column, panel.row + 1, "Due at " + groupName(a.group) + " " + FormatTime(a.time));

    c.WhiteOnNavy();
    c.WriteTextAt(panel.column, panel.row + 2, " ");
    DrawEngineToken(c, s, a.loco);
    c.WhiteOnNavy();
    const std::string origin = a.origin.str();
    c.WriteText(" " + origin + "-" + typeLetter(a.trainType) +
                padded("", 12 - static_cast<int>(origin.size())));
    c.DefaultColours();

    const bool lateShown = !isLightEngine(a.trainType) && expected <= s.clock + farAhead;
    c.WriteTextAt(panel.column, panel.row + 3,
                  padded(lateShown ? panelLateness(a.late, expected, s.clock) : "", 9));
    c.WriteTextAt(panel.column, panel.row + 4, padded(arrivalNext(s, arrival), panelWidth));
    c.GotoCell(panel.column, panel.row + 5);
    approachStatus(c, s, arrival, place, reach);
}

void drawListRow(Console& c, const GameState& s, const ListedArrival& listed, int row) {
    const Arrival& a = s.arrivals[listed.arrival];
    c.WhiteOnNavy();
    c.WriteTextAt(2, row,
                  FormatTime(a.time) + " at " + padded(groupName(a.group), 14) + "from " +
                      padded(a.origin.str() + "-" + typeLetter(a.trainType) + " ", 14) + " ");
    c.DefaultColours();
    c.WriteText(listed.expected > s.clock + farAhead ? padded("", 10)
                                                     : listLateness(listed.late, listed.expected, s.clock));
    c.WriteText(arrivalBecomes(s, listed.arrival));
}
} // namespace

std::vector<ListedArrival> lineArrivals(const GameState& s, int line, int rows) {
    std::vector<ListedArrival> listed;
    if (line < 1 || line > lineCapacity) return listed;
    const Line& l = s.lines[line];
    const int last = std::min(l.lastArrival, s.arrivalCount);
    for (ArrivalIndex i = std::max(1, std::min(l.nextPassenger, l.nextFreight));
         i <= last && static_cast<int>(listed.size()) < rows; ++i) {
        const Arrival& a = s.arrivals[i];
        const ArrivalIndex pending = isFreightFamily(a.trainType) ? l.nextFreight : l.nextPassenger;
        if (a.line != line || a.time == 0 || a.time >= s.shiftEnd + 60 || i < pending) continue;
        ListedArrival entry{i, a.time + a.late, a.late};
        if (!listed.empty() && entry.expected < listed.back().expected + 5) {
            entry.expected = listed.back().expected + 5;
            entry.late = entry.expected - a.time;
        }
        listed.push_back(entry);
    }
    return listed;
}

void DrawArrivalsSummary(Console& c, const GameState& s) {
    c.DefaultColours();
    c.SetTextColour(palette::Cyan);
    c.WriteTextAt(titleColumn, 1, "Arrivals Summary");
    c.DefaultColours();
    for (const ApproachPanel& panel : approachPanels) drawPanel(c, s, panel);
    c.WhiteOnBrown();
    c.WriteTextAt(1, 3, " From the North/West ");
    c.WriteTextAt(51, 3, " From the South/East ");
    c.ClearMessageLine();
    c.SetTextColour(palette::HighlightText);
    c.WriteText("Click a brown panel for details; click elsewhere or press a key to continue");
    c.DefaultColours();
}

BoardRowMap DrawArrivalsByLine(Console& c, const GameState& s, int board) {
    BoardRowMap rows{};
    const bool north = board == arrivalsNorthWest;
    c.DefaultColours();
    c.SetTextColour(palette::Cyan);
    c.WriteTextAt(titleColumn, 1, north ? "Arrivals from the North/West" : "Arrivals from the South/East");
    c.DefaultColours();
    const auto draw = [&](const LineList& list) {
        c.SetTextColour(palette::Green);
        c.WriteTextAt(2, list.headerRow, "Next arrivals from " + groupName(list.line));
        c.DefaultColours();
        const std::vector<ListedArrival> listed = lineArrivals(s, list.line, list.rows);
        for (int i = 0; i < list.rows; ++i) {
            const int row = list.headerRow + 1 + i;
            if (i < static_cast<int>(listed.size())) {
                drawListRow(c, s, listed[static_cast<std::size_t>(i)], row);
                rows[static_cast<std::size_t>(row)] = listed[static_cast<std::size_t>(i)].arrival;
            } else {
                c.WriteTextAt(2, row, padded("", boardListRowWidth));
            }
        }
    };
    if (north)
        for (const LineList& list : northWestLists) draw(list);
    else
        for (const LineList& list : southEastLists) draw(list);
    c.SetTextColour(palette::HighlightText);
    c.WriteTextAt(2, boardFooterRow, " Click on train for details  ");
    c.ClearMessageLine();
    c.WhiteOnBrown();
    c.WriteText(" Click here to continue ");
    c.DefaultColours();
    return rows;
}

} // namespace wm
