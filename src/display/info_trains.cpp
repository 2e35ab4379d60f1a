#include "display/info_trains.h"

#include <algorithm>
#include <string>

#include "console/palette.h"
#include "console/time_format.h"
#include "display/describe_train.h"
#include "display/engine_token.h"
#include "display/engine_whereabouts.h"
#include "display/info_console.h"
#include "display/text_tables.h"
#include "rules/traffic_assignment.h"
#include "world/berths.h"
#include "world/game_state.h"
#include "world/group_names.h"
#include "world/line_tables.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
constexpr int anyEngineDuty = 900;
constexpr int soonMinutes = 60; // an arrival this close before the departure forms it in person
constexpr int firstTrafficTrainType = 9;
constexpr int maximumPortions = 12;

void nextRow(InfoConsole& c, int column) {
    c.GotoCell(column, c.row() + 1);
}

std::string placeWords(const GameState& s, LocationId place) {
    if (isPlace(place)) {
        const Location& l = s.locations[place];
        if (l.kind == kindPlatform) return "in platform " + l.code.str();
        if (l.kind == kindSiding) return "in siding " + l.code.str();
        return "in " + l.code.str();
    }
    if (place > secondBerthOffset && place <= placeCount + secondBerthOffset)
        return "approaching " + s.locations[place - secondBerthOffset].code.str();
    return "not in Wendmoor area";
}

/// The arrival whose train forms the departure and arrives less than an hour before it, or 0.
ArrivalIndex formingArrival(const GameState& s, DepartureIndex departure) {
    const Departure& d = s.departures[departure];
    for (ArrivalIndex a = 1; a <= s.arrivalCount; ++a) {
        const Arrival& arrival = s.arrivals[a];
        if (arrival.time == 0 || departureFormedBy(s, a) != departure) continue;
        if (d.time - arrival.time < soonMinutes) return a;
    }
    return 0;
}

/// "Loco required: ..." or "Pilot required: ...", and where that engine is on the next row.
void engineNeed(InfoConsole& c, const GameState& s, DepartureIndex departure, LocoIndex engine, bool pilot,
                int column, bool hideLocoData, ArrivalIndex arriving) {
    if (!pilot && isArrival(s, arriving) && isLoco(s, engine) && s.arrivals[arriving].loco == engine) {
        c.Write("Loco works through");
        nextRow(c, column);
        return;
    }
    c.Write(pilot ? "Pilot required: " : "Loco required: ");
    const bool any = !isLoco(s, engine) || s.locos[engine].duty == anyEngineDuty;
    if (any) {
        c.Write("Any");
        nextRow(c, column);
        return;
    }
    const Loco& e = s.locos[engine];
    c.Write(e.shed.str() + " " + std::string(locoClass(e.classIndex).name));
    if (hideLocoData) {
        nextRow(c, column);
        return;
    }
    c.Write(": " + e.number.str());
    const ArrivalIndex arrival = formingArrival(s, departure);
    if (!pilot && arrival != 0 && s.arrivals[arrival].loco == engine) {
        c.Write(" works through");
        nextRow(c, column);
        return;
    }
    c.Write(" is ");
    nextRow(c, column + 2);
    c.Write(engineWhereabouts(s, engine));
    nextRow(c, column);
}

std::string portionLine(const GameState& s, const Departure& d, PortionIndex p) {
    const Portion& portion = s.portions[p];
    const bool traffic = portion.traffic >= 1 && portion.traffic <= s.trafficCount;
    const std::string typeName =
        traffic ? std::string(trafficTypeName(s.traffic[portion.traffic].trafficType)) : std::string();
    if (portion.portionState == portionBeingWorked)
        return typeName + " loading in " + s.locations[portion.location].code.str();
    if (isArrival(s, portion.arrival)) {
        const Arrival& a = s.arrivals[portion.arrival];
        std::string out = traffic ? typeName + ", f" : std::string("F");
        out += "rom " + FormatTime(a.time) + " from " + a.origin.str();
        if (portion.portionState == portionOnTrain) return out + " - Not yet arrived";
        if (portion.portionState == portionDetached)
            return out + " - Arrived, " + placeWords(s, portion.location);
        return out + " - Ready, " + placeWords(s, portion.location);
    }
    return std::string(d.trainType < 5 ? "Empty stock - " : "Overnight traffic - ") +
           placeWords(s, portion.location);
}

void arrivalLine(InfoConsole& c, const GameState& s, ArrivalIndex arrival) {
    const Arrival& a = s.arrivals[arrival];
    c.Write(FormatTime(a.time) + " at " + groupName(a.group) + " from " + a.origin.str() + " (" +
            typeLetter(a.trainType) + ")");
}

/// What an arrival becomes: the departure it forms, its portions, or that it is a light engine.
void becomes(InfoConsole& c, const GameState& s, ArrivalIndex arrival, int column, bool hideLocoData) {
    const Arrival& a = s.arrivals[arrival];
    const DepartureIndex d = departureFormedBy(s, arrival);
    if (!isPortion(s, a.firstPortion) && !isDeparture(s, d)) {
        c.Write("Light engine");
        nextRow(c, column);
        return;
    }
    c.Write("Becomes ");
    nextRow(c, column);
    if (isDeparture(s, d) && !isPseudoDeparture(s.departures[d])) {
        drawDepartureDescription(c, s, d, column, hideLocoData, false, arrival);
        return;
    }
    int steps = 0;
    for (PortionIndex p = a.firstPortion; isPortion(s, p) && steps < portionCapacity;
         p = s.portions[p].next, ++steps) {
        c.Write(DescribePortion(s, p));
        nextRow(c, column);
    }
}

/// What a trip's engine brings back: the departure its return arrival forms, or that arrival's portions.
/// A departure leaving half an hour or more after it is named by the last service of its chain instead.
void becoming(InfoConsole& c, const GameState& s, DepartureIndex trip, int column) {
    constexpr int soonAfterMinutes = 30;
    const ArrivalIndex back = s.departures[trip].returnArrival;
    c.Write("Becoming");
    nextRow(c, column + 2);
    const DepartureIndex next = departureFormedBy(s, back);
    if (isDeparture(s, next) && !isPseudoDeparture(s.departures[next])) {
        DepartureIndex shown = next;
        if (s.departures[next].time - s.arrivals[back].time >= soonAfterMinutes) {
            const DepartureIndex last = lastOfChain(s, trip);
            if (isDeparture(s, last) && last != trip) shown = last;
        }
        c.Write(DescribeDeparture(s, shown));
        nextRow(c, column + 2);
    } else {
        int steps = 0;
        for (PortionIndex p = s.arrivals[back].firstPortion; isPortion(s, p) && steps < portionCapacity;
             p = s.portions[p].next, ++steps) {
            c.Write(DescribePortion(s, p));
            nextRow(c, column + 2);
        }
    }
    c.GotoCell(column, c.row());
}

void occupantAt(InfoConsole& c, const GameState& s, LocationId place, OccState state, int occupant,
                int column, bool hideLocoData) {
    const Location& l = s.locations[place];
    if (state >= occComingIn && state <= occLeavingLight) {
        const Location& berth = s.locations[incomingBerth(place)];
        if (state == occComingIn && berth.occState == occWorkInProgress) {
            c.Write("Departure ready shortly");
            nextRow(c, column);
            return;
        }
        state = berth.occState;
        occupant = berth.occupant;
    }
    if (state == occWorkInProgress) state = l.kind == kindTurntable ? occEmpty : occDeparture;
    switch (state) {
    case occEmpty:
        c.Write("No train present");
        nextRow(c, column);
        return;
    case occArrival: {
        if (!isArrival(s, occupant)) break;
        arrivalLine(c, s, occupant);
        const Arrival& a = s.arrivals[occupant];
        if (l.busyTicks > 0 && a.group == l.group) {
            c.GotoCell(12, c.row() + 1);
            const int minutes = (l.busyTicks + 2) / 3;
            c.Write("Will be ready in " + std::to_string(minutes) +
                    (l.busyTicks >= 4 ? " minutes" : " minute"));
        }
        c.GotoCell(6, c.row() + 1);
        becomes(c, s, occupant, 6, hideLocoData);
        return;
    }
    case occDeparture:
    case occReversingDeparture:
        if (!isDeparture(s, occupant)) break;
        drawDepartureDescription(c, s, occupant, column, hideLocoData, false);
        return;
    case occStock: {
        int steps = 0;
        for (PortionIndex p = occupant; isPortion(s, p) && steps < portionCapacity;
             p = s.portions[p].next, ++steps) {
            const Portion& portion = s.portions[p];
            std::string text = DescribePortion(s, p);
            if (!isDeparture(s, portion.departure)) text += "Empty stock to carriage sidings";
            c.Write(text);
            nextRow(c, column);
        }
        return;
    }
    case occTraffic:
        if (occupant < 1 || occupant > s.trafficCount) break;
        c.Write(DescribeTraffic(s, occupant, place));
        if (const DepartureIndex d = s.traffic[occupant].departure; isDeparture(s, d)) {
            nextRow(c, column + 2);
            ColouredText line;
            line += "Will form ";
            c.Write(line);
            c.Write(DescribeDeparture(s, d));
        }
        nextRow(c, column);
        return;
    case occPassingThrough:
        c.Write("Through movement");
        nextRow(c, column);
        return;
    default:
        break;
    }
    c.Write(std::string("Train type ") + static_cast<char>('0' + static_cast<int>(state) % 10));
    nextRow(c, column);
}
} // namespace

void drawDepartureDescription(InfoConsole& c, const GameState& s, DepartureIndex departure, int column,
                              bool hideLocoData, bool details, ArrivalIndex arriving) {
    const Departure& d = s.departures[departure];
    c.GotoCell(column, c.row());
    if (isPseudoDeparture(d)) {
        c.Write(PriorityTrafficText(d));
        nextRow(c, column);
        return;
    }
    ColouredText first = DescribeDeparture(s, departure);
    std::string text = first.plain();
    // The page of the departure itself names no part: it is the whole train.
    if (details && text.rfind("Part of ", 0) == 0) {
        ColouredText whole;
        for (const TextRun& run : first.runs()) {
            std::string piece = run.text;
            if (piece.rfind("Part of ", 0) == 0) piece = piece.substr(8);
            if (run.foreground)
                whole.add(piece, *run.foreground, run.background);
            else
                whole += piece;
        }
        first = whole;
    }
    c.Write(first);
    if (isLocalLine(d.line) && isArrival(s, d.returnArrival))
        c.Write(" arriving " + FormatTime(s.arrivals[d.returnArrival].time));
    nextRow(c, column);
    engineNeed(c, s, departure, d.loco, false, column, hideLocoData, arriving);
    if (isLoco(s, d.loco2)) engineNeed(c, s, departure, d.loco2, true, column, hideLocoData, 0);
    if (const ArrivalIndex a = formingArrival(s, departure); a != 0) {
        c.Write("Due " + FormatTime(s.arrivals[a].time) + " from " + s.arrivals[a].origin.str());
        nextRow(c, column);
    } else if (isPortion(s, d.firstPortion)) {
        c.Write("Formed from:");
        nextRow(c, column + 4);
        int steps = 0;
        for (PortionIndex p = d.firstPortion;
             isPortion(s, p) && s.portions[p].departure == departure && steps < portionCapacity;
             p = s.portions[p].depNext, ++steps) {
            c.Write(portionLine(s, d, p));
            nextRow(c, column + 4);
        }
        c.GotoCell(column, c.row());
    }
    if (isLocalLine(d.line) && !isLightEngine(d.trainType) && isArrival(s, d.returnArrival))
        becoming(c, s, departure, column);
    if (!details) return;
    if (d.trainType >= firstTrafficTrainType) {
        int most = maximumPortions;
        if (!takesAnyLoad(d.line) && isLoco(s, d.loco)) most = std::min(maximumPortions, maximumLoad(s, d));
        c.Write("Maximum portions for this train: " + std::to_string(most));
        nextRow(c, column);
    }
    if (isPlace(d.location)) {
        const Location& l = s.locations[d.location];
        std::string where = l.kind == kindExitPoint     ? "leaving via "
                            : d.state == departureReady ? "ready in "
                                                        : "on hand in ";
        if (l.kind == kindPlatform) where += "platform ";
        if (l.kind == kindSiding) where += "siding ";
        c.Write("This departure is " + where + l.code.str());
        nextRow(c, column);
    }
}

void drawDepartureDetails(InfoConsole& c, const GameState& s, DepartureIndex departure, bool hideLocoData) {
    c.GotoCell(2, 2);
    if (!isDeparture(s, departure)) return;
    drawDepartureDescription(c, s, departure, 2, hideLocoData, true);
}

void faceArrivalEngine(GameState& s, ArrivalIndex arrival) {
    if (!isArrival(s, arrival)) return;
    const Arrival& a = s.arrivals[arrival];
    if ((a.line == 1 || a.line == 4) && isLoco(s, a.loco)) s.locos[a.loco].facing = 0;
}

void drawArrivalDetails(InfoConsole& c, const GameState& s, ArrivalIndex arrival, bool hideLocoData) {
    c.GotoCell(2, 2);
    if (!isArrival(s, arrival)) return;
    const Arrival& a = s.arrivals[arrival];
    arrivalLine(c, s, arrival);
    c.GotoCell(4, 3);
    if (!isLoco(s, a.loco)) {
        c.Write("Outbound working not yet departed");
    } else {
        c.Write(" " + s.locos[a.loco].number.str() + "  " +
                std::string(locoClass(s.locos[a.loco].classIndex).name));
    }
    if (isLoco(s, a.loco2)) {
        c.Write(" with pilot ");
        c.Write(engineToken(s, a.loco2));
    }
    c.GotoCell(4, 4);
    const DepartureIndex d = departureFormedBy(s, arrival);
    if (!isDeparture(s, d) && !isPortion(s, a.firstPortion)) {
        c.Write("Light engine");
        return;
    }
    if (!isDeparture(s, d) || isPseudoDeparture(s.departures[d])) {
        c.Write("ECS to carriage sidings");
        return;
    }
    becomes(c, s, arrival, 4, hideLocoData);
}

void drawContents(InfoConsole& c, const GameState& s, LocationId place, bool hideLocoData) {
    const Location& l = s.locations[place];
    c.GotoCell(2, 2);
    occupantAt(c, s, place, l.occState, l.occupant, 2, hideLocoData);
    if (l.occState2 == occEmpty) return;
    c.GotoCell(2, c.row() + 1);
    occupantAt(c, s, place, l.occState2, l.occupant2, 2, hideLocoData);
}

} // namespace wm
