#include "session/approach_queues.h"

#include <string>

#include "rules/arriving_engines.h"
#include "session/game.h"
#include "world/berths.h"
#include "world/line_tables.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
constexpr int lateWarningMinutes = 240;

bool inFamily(const Arrival& a, bool freight) {
    return isFreightFamily(a.trainType) == freight;
}

/// The first running arrival of the family on the line from `first` up to the line's last index.
ArrivalIndex nextRunning(const GameState& s, int line, ArrivalIndex first, bool freight) {
    for (ArrivalIndex i = first; i >= 1 && i <= s.lines[line].lastArrival; ++i) {
        const Arrival& a = s.arrivals[i];
        if (a.line == line && a.time != 0 && inFamily(a, freight)) return i;
    }
    return 0;
}

void advanceQueue(Game& g, int line, bool freight) {
    Line& l = g.state.lines[line];
    ArrivalIndex& pending = freight ? l.nextFreight : l.nextPassenger;
    if (pending == 0) return;
    pending = nextRunning(g.state, line, pending + 1, freight);
}

/// Later trains of the family may not be booked closer than the headway behind the pending one.
void spreadLateness(Game& g, int line, bool freight) {
    GameState& s = g.state;
    const Line& l = s.lines[line];
    const ArrivalIndex pending = freight ? l.nextFreight : l.nextPassenger;
    if (pending == 0) return;
    const int base = s.arrivals[pending].time + s.arrivals[pending].late;
    for (ArrivalIndex i = pending + 1; i < l.lastArrival; ++i) {
        Arrival& a = s.arrivals[i];
        if (a.time == 0 || !inFamily(a, freight)) continue;
        const int headway = lineHeadway(line, speedClass(a.trainType));
        if (a.time + a.late < base + headway) {
            a.late = base + headway - a.time;
            if (!freight && a.late > lateWarningMinutes)
                g.console.ShowNotice(std::string(a.code.view()) +
                                     " is now more than 240 minutes late adjusted");
        }
    }
}

/// Two lines come in at the same entry place (2/3, 7/8, 22/23); lines with no approach of their own do not
/// count.
bool sharesEntry(const GameState& s, int line, int& partner) {
    const LocationId entry = s.lines[line].entryPlace;
    if (s.locations[entry].kind != kindEntryPoint) return false;
    for (int other = 1; other <= lineCapacity; ++other) {
        if (other != line && s.lines[other].entryPlace == entry) {
            partner = other;
            return true;
        }
    }
    return false;
}

/// A slow freight holds the shared entry longer.
int entryMargin(const Arrival& a) {
    return a.trainType == 10 || a.trainType == 12 ? 8 : 0;
}

/// The line's own choice between its pending passenger and freight trains.
ArrivalIndex ownChoice(const GameState& s, int line) {
    const ArrivalIndex p = s.lines[line].nextPassenger;
    const ArrivalIndex f = s.lines[line].nextFreight;
    if (f != 0 && (isRealEngine(s.arrivals[f].loco) || p == 0) &&
        (p == 0 || expectedEdgeTime(s, f) + 4 < expectedEdgeTime(s, p)))
        return f;
    return p;
}

/// Takes the train standing at the entry place off it; its engines are back on the train.
void clearEntryPlace(GameState& s, LocationId entry) {
    Location& place = s.locations[entry];
    if (place.occState == occArrival && place.occupant > 0) {
        const Arrival& a = s.arrivals[place.occupant];
        if (isRealEngine(a.loco) && s.locos[a.loco].where == entry)
            s.locos[a.loco].where = whereOnArrival + place.occupant;
        if (isRealEngine(a.loco2) && s.locos[a.loco2].where == entry)
            s.locos[a.loco2].where = whereSecondEngineOnArrival + place.occupant;
    }
    clearLocation(s, entry);
}

void standAtEntry(GameState& s, ArrivalIndex chosen, LocationId entry) {
    Arrival& a = s.arrivals[chosen];
    const int earliest = approachTime(a.group, a.line, a.trainType) + s.clock + 2;
    if (a.time + a.late < earliest) a.late = earliest - a.time;
    Location& place = s.locations[entry];
    const bool highEnd = a.line < a.group;
    const int end = highEnd ? wm::highEnd : wm::lowEnd;
    const int inner = innerPlace(end);
    const int outer = outerPlace(end);
    if (isRealEngine(a.loco)) {
        place.locoAt[inner] = a.loco;
        place.endFlag[end] = 1;
        s.locos[a.loco].where = entry;
        s.locos[a.loco].lateAllowance = a.late;
        if (a.condCode != condFacingFromLine && a.condCode != condNeedsWater && isMainLine(a.line))
            s.locos[a.loco].facing = a.group < a.line ? 1 : 0;
    }
    if (isRealEngine(a.loco2)) {
        place.locoAt[outer] = a.loco2;
        place.enginePairFlag[end] = 1;
        s.locos[a.loco2].where = entry;
        s.locos[a.loco2].lateAllowance = a.late;
    }
    place.occState = occArrival;
    place.occupant = chosen;
}
} // namespace

int expectedEdgeTime(const GameState& s, ArrivalIndex arrival) {
    const Arrival& a = s.arrivals[arrival];
    return a.time + a.late - approachTime(a.group, a.line, a.trainType);
}

void advancePassengerQueue(Game& g, int line) {
    advanceQueue(g, line, false);
}

void advanceFreightQueue(Game& g, int line) {
    advanceQueue(g, line, true);
}

void prepareNextArrival(Game& g, int line, bool freight) {
    const Line& l = g.state.lines[line];
    const ArrivalIndex pending = freight ? l.nextFreight : l.nextPassenger;
    if (pending == 0) return;
    drawArrivingEngine(g.state, pending, [&g](int n) { return g.rand(n); });
}

void chooseNextArrival(Game& g, int line) {
    GameState& s = g.state;
    s.lines[line].chosenArrival = ownChoice(s, line);
    ArrivalIndex chosen = s.lines[line].chosenArrival;
    int partner = 0;
    ArrivalIndex other = 0;
    if (sharesEntry(s, line, partner)) {
        // Only a train with its own engine can take the shared entry.
        const auto eligible = [&s](ArrivalIndex a) {
            return a != 0 && isRealEngine(s.arrivals[a].loco) && s.arrivals[a].loco2 != noEngine;
        };
        const int low = line < partner ? line : partner;
        const int high = line < partner ? partner : line;
        const ArrivalIndex a = s.lines[low].chosenArrival;
        const ArrivalIndex b = s.lines[high].chosenArrival;
        chosen = 0;
        if (eligible(a) && eligible(b))
            chosen = expectedEdgeTime(s, b) + entryMargin(s.arrivals[b]) <
                             expectedEdgeTime(s, a) + entryMargin(s.arrivals[a])
                         ? b
                         : a;
        else if (eligible(a))
            chosen = a;
        else if (eligible(b))
            chosen = b;
        other = chosen == a ? b : a;
    }
    const LocationId entry = s.lines[line].entryPlace;
    clearEntryPlace(s, entry);
    if (chosen == 0) return;
    standAtEntry(s, chosen, entry);
    if (other != 0 && other != chosen && isRealEngine(s.arrivals[other].loco)) {
        Arrival& later = s.arrivals[other];
        const int earliestEdge = expectedEdgeTime(s, chosen) + entryMargin(s.arrivals[chosen]);
        if (expectedEdgeTime(s, other) < earliestEdge)
            later.late += earliestEdge - expectedEdgeTime(s, other);
    }
}

void prepareLine(Game& g, int line) {
    GameState& s = g.state;
    Line& l = s.lines[line];
    // The reset pointer 1 stands before the first arrival, so the day's very first train is a candidate.
    l.nextPassenger = l.nextPassenger == 0 ? 0 : nextRunning(s, line, l.nextPassenger, false);
    spreadLateness(g, line, false);
    prepareNextArrival(g, line, false);
    l.nextFreight = l.nextFreight == 0 ? 0 : nextRunning(s, line, l.nextFreight, true);
    spreadLateness(g, line, true);
    prepareNextArrival(g, line, true);
}

} // namespace wm
