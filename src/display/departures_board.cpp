#include "display/departures_board.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "console/console.h"
#include "console/palette.h"
#include "console/time_format.h"
#include "display/describe_train.h"
#include "display/text_tables.h"
#include "world/game_state.h"
#include "world/group_names.h"
#include "world/line_tables.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
constexpr int titleColumnFromRight = 15;
constexpr int headerRow = 3;
constexpr int firstListRow = 4;
constexpr int pageStep = 25;
constexpr int listedBefore = 1500; // 25.00: later entries are the next day's or never run
constexpr int commonGroup = 9;

std::string placeWords(const Location& l) {
    const std::string code = l.code.str();
    switch (l.kind) {
    case kindPlatform:
        return "platform " + code;
    case kindThroughRoad:
        return "line " + code;
    case kindSiding:
        return "siding " + code;
    default: {
        std::string upper = code;
        for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        return upper;
    }
    }
}

void writeTime(Console& c, const GameState& s, const Departure& d) {
    const int ahead = d.time - s.clock;
    c.SetBackColour(palette::Navy);
    if (d.state == departureOnWayOut) {
        c.SetTextColour(palette::Cyan);
    } else if (ahead >= 2) {
        c.SetTextColour(palette::White);
    } else if (ahead == 1) {
        c.SetTextColour(palette::Yellow);
    } else if (ahead == 0) {
        c.SetTextColour(palette::Green);
    } else {
        c.SetTextColour(palette::HighlightText);
        c.SetBackColour(palette::Red);
    }
    c.WriteText(FormatTime(d.time));
    c.DefaultColours();
}

std::string engineWords(const GameState& s, const Departure& d) {
    if (!isRealEngine(d.loco) || d.loco > s.locoCount) return " loco " + d.shed.str() + "       ";
    const Loco& engine = s.locos[d.loco];
    return " loco " + engine.shed.str() + " " + std::string(locoClass(engine.classIndex).name) + " ";
}

void drawRow(Console& c, const GameState& s, DepartureIndex index, int row, bool withGroup) {
    const Departure& d = s.departures[index];
    c.DefaultColours();
    c.GotoCell(2, row);
    if (withGroup) c.WriteText("From " + padded(groupName(d.group), 13) + " ");
    writeTime(c, s, d);
    const std::string destination = s.departures[lastOfChain(s, index)].destination.str();
    c.WriteText(" " + destination + "-" + typeLetter(d.trainType) +
                padded("", 12 - static_cast<int>(destination.size())));
    if (isRealEngine(d.loco2)) {
        c.SetTextColour(palette::Violet);
        c.WriteText("P");
        c.DefaultColours();
    } else {
        c.WriteText(" ");
    }
    const char glyph = isArrival(s, d.returnArrival) ? glyphReturning
                       : d.line > d.group            ? glyphFacing1
                                                     : glyphFacing0;
    c.WriteText(std::string(1, glyph));
    c.WriteText(isMainLine(d.line) ? " via " + std::string(routeCode(d.line)) : padded("", 7));
    c.WriteText(engineWords(s, d));
    std::string where = departureWhereabouts(s, index);
    if (isLightEngine(d.trainType) && where.starts_with("light engine")) c.SetTextColour(palette::Yellow);
    // The longest forms run past the last column: they stop at the edge rather than draw beyond it.
    const int room = c.columns() - (c.cursorX() / std::max(1, c.cellWidth()));
    if (room >= 0 && static_cast<int>(where.size()) > room) where.resize(static_cast<std::size_t>(room));
    c.WriteText(where);
    c.DefaultColours();
}

void drawFooter(Console& c, int filter) {
    constexpr std::string_view pagePanels[] = {" PgUp ", " PgDn ", " Home ", " End  "};
    c.GotoCell(5, boardFooterRow);
    for (std::string_view panel : pagePanels) {
        c.WhiteOnBrown();
        c.WriteText(panel);
        c.DefaultColours();
        c.WriteText("  ");
    }
    c.WhiteOnBrown();
    c.WriteText(filter != 0 ? " Show all   " : " Show local ");
    c.ClearMessageLine();
    c.WhiteOnBrown();
    c.WriteText(" Click brown panels to scroll, or on a train to show details, or here to exit ");
    c.DefaultColours();
}
} // namespace

BoardGroups boardGroups(int screen) {
    switch (screen) {
    case commonScreen:
        return {commonGroup, commonGroup};
    case shedScreen:
        return {shedGroup, shedGroup};
    case northJunctionScreen:
        return {11, stationGroup};
    default:
        return {stationGroup, downYardGroup};
    }
}

std::vector<DepartureIndex> listedDepartures(const GameState& s, int filter, BoardGroups groups) {
    std::vector<DepartureIndex> list;
    for (DepartureIndex i = 1; i <= s.departureCount; ++i) {
        const Departure& d = s.departures[i];
        if (d.time >= listedBefore) break;
        if (d.state == departureGone || isPilotDuty(d)) continue;
        if (filter != 0 && (d.group < groups.first || d.group > groups.last)) continue;
        list.push_back(i);
    }
    return list;
}

int pagedFirst(int first, int count, int code) {
    switch (code) {
    case pageHome:
        first = 1;
        break;
    case pageUp:
        first -= pageStep;
        break;
    case pageEnd:
        first = count - pageStep;
        break;
    case pageDown:
        first += pageStep;
        break;
    default:
        break;
    }
    return std::max(1, std::min(first, count - pageStep));
}

std::string departureWhereabouts(const GameState& s, DepartureIndex index) {
    const Departure& d = s.departures[index];
    const PortionIndex first = isPortion(s, d.firstPortion) ? d.firstPortion : 0;
    LocationId where = d.location;
    if (where == 0 && first != 0) where = s.portions[first].location;
    const std::string part = d.portionCount > 1 && d.state <= 2 ? "part " : "";
    if (where >= 1 && where <= placeCount) {
        const Location& l = s.locations[where];
        if (l.kind == kindExitPoint) return "leaving via " + placeWords(l);
        const std::string how = !part.empty()               ? "part in "
                                : d.state == departureReady ? "ready in "
                                                            : "on hand in ";
        return how + placeWords(l);
    }
    if (where > secondBerthOffset && where <= placeCount + secondBerthOffset)
        return part + "approaching " + placeWords(s.locations[where - secondBerthOffset]);
    if (first != 0 && isArrival(s, s.portions[first].arrival)) {
        const Arrival& a = s.arrivals[s.portions[first].arrival];
        const bool arrived = d.state == departureFormed || d.state == departureReady;
        return part + (arrived ? "arr " : "due ") + FormatTime(a.time) + " from " + a.origin.str() +
               (rakeLength(s, a.firstPortion) > 1 ? " (part)" : "");
    }
    if (isLightEngine(d.trainType)) return isRealEngine(d.loco2) ? "light engines" : "light engine";
    return d.portionCount <= 1 ? "not yet ready" : "more than one portion";
}

BoardRowMap DrawDeparturesBoard(Console& c, const GameState& s, const DeparturesPage& page) {
    BoardRowMap rows{};
    c.DefaultColours();
    c.SetTextColour(palette::Cyan);
    c.WriteTextAt(c.columns() - titleColumnFromRight, 1, "Departures");
    c.SetTextColour(palette::Green);
    std::string header = "All departures";
    if (page.filter != 0)
        header = "Next departures from " +
                 (page.groups.last == stationGroup ? std::string("Wendmoor") : groupName(page.groups.first));
    c.WriteTextAt(3, headerRow, header);
    c.DefaultColours();
    const bool withGroup = page.filter == 0 || page.groups.range();
    const int count = static_cast<int>(page.list.size());
    for (int i = 0; i < departuresPageRows; ++i) {
        const int row = firstListRow + i;
        const int entry = page.first + i; // from 1
        if (entry >= 1 && entry <= count) {
            const DepartureIndex d = page.list[static_cast<std::size_t>(entry - 1)];
            drawRow(c, s, d, row, withGroup);
            rows[static_cast<std::size_t>(row)] = d;
        } else {
            c.DefaultColours();
            c.WriteTextAt(2, row, padded("", boardListRowWidth));
        }
    }
    drawFooter(c, page.filter);
    return rows;
}

} // namespace wm
