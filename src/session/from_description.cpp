#include "session/from_description.h"

#include <string>

#include "console/palette.h"
#include "console/time_format.h"
#include "display/coloured_text.h"
#include "display/describe_train.h"
#include "display/text_tables.h"
#include "rules/arrival_shunting.h"
#include "rules/arriving_engines.h"
#include "rules/departure_readiness.h"
#include "session/game.h"
#include "world/berths.h"
#include "world/group_names.h"
#include "world/line_tables.h"
#include "world/loco_places.h"
#include "world/rakes.h"
#include "world/reference_tables.h"
#include "world/ticks.h"

namespace wm {

namespace {

/// The berth whose contents the description reads: the incoming one while a move is under way.
const Location& describedBerth(const GameState& s, LocationId place) {
    const Location& l = s.locations[place];
    if (l.occState == occComingIn || l.occState == occEngineComingIn || l.occState == occLeavingLight)
        return s.locations[incomingBerth(place)];
    return l;
}

std::string minutesText(int minutes) {
    return std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes");
}

int power(const GameState& s, int engine, int trainType) {
    if (!isRealEngine(engine)) return 0;
    return powerFor(locoClass(s.locos[engine].classIndex), trainType);
}

/// Row 30 for an arrival; `note` may receive the side note.
std::string arrivalText(const Game& g, LocationId place, ArrivalIndex arrival, std::string& note) {
    const GameState& s = g.state;
    const Location& l = s.locations[place];
    const Arrival& a = s.arrivals[arrival];
    std::string text = FormatTime(a.time) + " at " + groupName(a.group) + " from " +
                       std::string(a.origin.view()) + " (" + typeLetter(a.trainType) + ")";
    const DepartureIndex through = throughDeparture(s, arrival);
    if (through != 0) {
        const Departure& last = s.departures[lastOfChain(s, through)];
        text += ", forms " + FormatTime(last.time) + " to " + std::string(last.destination.view());
    } else if (a.firstPortion > 0) {
        text += ", forms " + DescribePortion(s, a.firstPortion);
        const int others = rakeLength(s, a.firstPortion) - 1;
        if (others > 0) text += " and " + std::to_string(others) + " other part" + (others > 1 ? "s" : "");
    } else if (isLightEngine(a.trainType)) {
        text += ", light engine";
    }
    if (l.busyTicks > 0 && a.group == l.group)
        note = "Will be ready in " + minutesText(wholeMinutes(l.busyTicks));
    else if (mayShuntArrival(s, place, arrival))
        note = "Shunt to yard";
    return text;
}
} // namespace

std::string engineCheck(const Game& game, DepartureIndex departure, LocationId place) {
    const GameState& s = game.state;
    const Departure& d = s.departures[departure];
    const Location& l = describedBerth(s, place);
    const int end = leavingEnd(d);
    const int inner = innerPlace(end);
    const int outer = outerPlace(end);
    const int engine = isRealEngine(l.locoAt[inner]) ? l.locoAt[inner] : l.locoAt[outer];
    if (!isRealEngine(engine)) return "";
    const int pair =
        engine == l.locoAt[inner] && l.enginePairFlag[static_cast<std::size_t>(end)] ? l.locoAt[outer] : 0;
    const int have = power(s, engine, d.trainType) + power(s, pair, d.trainType);
    const int booked = power(s, d.loco, d.trainType) + power(s, d.loco2, d.trainType);
    const Loco& e = s.locos[engine];
    const bool otherShed = isRealEngine(d.loco) && e.shed.view() != s.locos[d.loco].shed.view();
    const bool unfit =
        e.condition >= conditionNeedsCoal && e.condition <= conditionNeedsRepair && isMainLine(d.line);
    if (have < booked || otherShed || unfit) return " Check loco";
    if (e.condition == conditionNeedsWater && !e.watering) return " Water loco";
    return "";
}

int engineListEnd(const Game& game) {
    const std::string row = game.console.bottomLine(game.console.rows() - 1);
    const auto end = row.find_last_not_of(' ');
    return end == std::string::npos ? 1 : static_cast<int>(end) + 2;
}

void DescribeFrom(Game& g, LocationId place) {
    GameState& s = g.state;
    Console& c = g.console;
    const Location& here = s.locations[place];
    const Location& l = describedBerth(s, place);
    MoveContext& m = g.move;
    m = MoveContext{};
    m.moveFrom = place;

    std::string row30;
    ColouredText departureText;
    bool departureRow = false;
    std::string note;
    std::string warning;
    bool showEngines = true;
    bool awaitingEngine = false;
    std::string trainName;
    switch (l.occState) {
    case occEmpty:
        if (!enginesAt(l).empty()) row30 = "Light engine";
        break;
    case occArrival: {
        const Arrival& a = s.arrivals[l.occupant];
        const bool atEntry = here.kind == kindEntryPoint;
        if (atEntry && a.time + a.late > s.clock + 60) {
            row30 = "Nothing in next hour";
            showEngines = false;
        } else {
            row30 = arrivalText(g, place, l.occupant, note);
            trainName = std::string(a.trainName.view());
            awaitingEngine = atEntry && !isRealEngine(a.loco);
        }
        break;
    }
    case occDeparture:
    case occReversingDeparture:
        departureText = DescribeDeparture(s, l.occupant);
        departureRow = true;
        warning = engineCheck(g, l.occupant, place);
        break;
    case occStock:
    case occTraffic:
        row30 = l.occState == occStock ? DescribeMultiPortion(s, l.occupant) : DescribeTraffic(s, l.occupant);
        if (l.occState2 == occStock) row30 += " : " + DescribeMultiPortion(s, l.occupant2);
        if (l.occState2 == occTraffic) row30 += " : " + DescribeTraffic(s, l.occupant2);
        break;
    case occPassingThrough:
        row30 = "Through movement";
        break;
    case occWorkInProgress:
        if (l.occupant > 0) {
            departureText = DescribeDeparture(s, l.occupant);
            departureRow = true;
        }
        break;
    default:
        row30 = "Unexpected status " + std::to_string(l.occState);
        break;
    }
    std::string notice;
    if (awaitingEngine) notice = " Arrival awaiting pending departure";
    if (enginesAt(l).empty()) {
        const bool callingHere = here.occState == occComingIn && l.occState == occDeparture &&
                                 isCallingTrain(s.departures[l.occupant].trainType) &&
                                 s.departures[l.occupant].group == here.group;
        if (callingHere)
            notice = "This train calls at " + groupName(here.group);
        else if (here.occState == occComingIn || here.occState == occEngineComingIn)
            notice = "Please wait for the move to be completed";
    }
    if (here.busyTicks > 0 &&
        (here.occState == occComingIn || here.occState == occEngineComingIn ||
         here.occState == occPassingThrough) &&
        (here.kind == kindPlatform || here.kind == kindThroughRoad || here.kind == kindRunningSection))
        note = "Will reach " + std::string(here.code.view()) + " in " +
               minutesText(wholeMinutes(here.busyTicks));

    const int rowDescription = c.rows() - 2;
    const int rowEngines = c.rows() - 1;
    const int rowNotes = c.rows();
    c.BlankBottomLine(rowDescription);
    if (departureRow)
        WriteColouredText(c, departureText);
    else
        c.WriteText(row30.substr(0, static_cast<std::size_t>(c.columns())));
    if (!trainName.empty() && static_cast<int>(row30.size() + trainName.size()) + 2 < c.columns()) {
        c.WriteText(" ");
        c.SetTextColour(palette::HighlightText);
        c.SetBackColour(palette::Navy);
        c.WriteText(" " + trainName + " ");
        c.DefaultColours();
    }

    if (!notice.empty()) g.console.ShowNotice(notice);
    c.ClearMessageLine();
    if (showEngines) {
        std::string list;
        int previousEnd = -1;
        for (const auto& [p, engine] : enginesAt(l)) {
            const int end = endOfPlace(p);
            if (!list.empty()) list += l.endFlag[static_cast<std::size_t>(previousEnd)] ? "+" : ":";
            const Loco& e = s.locos[engine];
            list += std::string(e.number.view()) + " " + std::string(locoClass(e.classIndex).name) +
                    std::string(e.shed.view());
            previousEnd = end;
        }
        c.GotoCell(1, rowEngines);
        c.WriteText(list.substr(0, static_cast<std::size_t>(c.columns())));
    }

    c.BlankBottomLine(rowNotes);
    int noteColumn = 6;
    if (!warning.empty()) {
        c.SetTextColour(palette::Yellow);
        c.SetBackColour(palette::Black);
        c.WriteText(warning);
        c.DefaultColours();
        noteColumn = 17;
    }
    if (!note.empty()) {
        if (note.size() < 16) {
            c.GotoCell(noteColumn, rowNotes);
            c.SetTextColour(palette::Yellow);
            c.WriteText(note);
        } else {
            c.GotoCell(c.columns() - static_cast<int>(note.size()) + 1, rowEngines);
            c.SetTextColour(palette::Black);
            c.SetBackColour(palette::Yellow);
            c.WriteText(note);
        }
        c.DefaultColours();
    }

    // The engine that moves unless the direction of the move picks the other end.
    const bool low = hasEngineAtEnd(l, lowEnd);
    const bool high = hasEngineAtEnd(l, highEnd);
    if (low != high) {
        const int end = low ? lowEnd : highEnd;
        const int inner = innerPlace(end);
        const int outer = outerPlace(end);
        if (isRealEngine(l.locoAt[inner])) {
            m.placePicked = inner;
            m.moveEngine = l.locoAt[inner];
            if (l.enginePairFlag[static_cast<std::size_t>(end)] && isRealEngine(l.locoAt[outer]))
                m.secondEngine = l.locoAt[outer];
            m.withTrain = l.endFlag[static_cast<std::size_t>(end)] != 0;
        } else {
            m.placePicked = outer;
            m.moveEngine = l.locoAt[outer];
        }
    }
}

} // namespace wm
