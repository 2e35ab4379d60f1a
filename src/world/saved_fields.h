#pragma once
// The saved fields of every record, once, in the order and widths a saved game holds them. The writer,
// the reader and the driver's state dump all walk these lists, so they cannot drift apart.
//
// A visitor has:
//   num(name, width, field, lowest, highest)  an integer (or enum) field, right-justified in `width`;
//                                              the reader refuses a value outside lowest..highest
//   text(name, field)                          a short string, last on its line
//   endLine()                                  the end of one line of the file
// Each list takes the record as `Record&`, const or not, so one list serves writing and reading.

#include "world/capacities.h"
#include "world/game_state.h"
#include "world/records.h"
#include "world/reference_tables.h"

#include <string>

namespace wm {

// What a saved game holds beyond GameState: the clock's phase and pace and the options a load replaces.
struct SavedSession {
    int tickPhase = 3;
    int speedIndex = 5;
    int scoreLogEntries = 0; // entries written to the score log so far; 0 starts a fresh log
    int scoreLogging = 0;
    int autoSave = 0;
    std::string executableDate; // written for people; the reader skips it
};

// Widest values the fields may take: an index beyond its table's capacity would reach outside it.
namespace saved {
inline constexpr int anyValue = 99'999'999;
inline constexpr int lastOccState = occLastMoveState;
inline constexpr int engineField = noEngine; // an engine index, 0, or noEngine
inline constexpr int lastWhere = whereLeftWithDeparture + departureCapacity;
inline constexpr int lastTime = 2 * notRunningTime;
inline constexpr int lastLocation = locationCapacity;
} // namespace saved

// Header lines 3 and 4: the clock, the session values and the counts that size the tables that follow.
template <typename V, typename State, typename Session>
void headerFields(V& v, State& s, Session& session) {
    v.num("clock", 5, s.clock, 0, saved::lastTime);
    v.num("speedIndex", 5, session.speedIndex, 1, 8);
    v.num("tickPhase", 3, session.tickPhase, 1, 3);
    v.num("difficulty", 4, s.difficulty, 0, saved::anyValue);
    v.num("target", 4, s.target, -saved::anyValue, saved::anyValue);
    v.num("scoreLogEntries", 6, session.scoreLogEntries, 0, saved::anyValue);
    v.num("scoreLogging", 3, session.scoreLogging, 0, 1);
    v.num("shiftStart", 5, s.shiftStart, 0, saved::lastTime);
    v.num("shiftEnd", 5, s.shiftEnd, 0, saved::lastTime);
    v.num("watchCount", 3, s.watchCount, 0, watchListCapacity);
    v.num("lightEngineCount", 3, s.lightEngineCount, 0, lightEngineMoveCapacity);
    v.num("dayCode", 3, s.dayCode, 0, saved::anyValue);
    v.text("dayName", s.dayName, 8);
    v.endLine();
    v.num("departureCount", 4, s.departureCount, 0, departureCapacity);
    v.num("locoCount", 4, s.locoCount, 0, locoCapacity);
    v.num("trafficCount", 4, s.trafficCount, 0, trafficCapacity);
    v.num("arrivalCount", 4, s.arrivalCount, 0, arrivalCapacity);
    v.num("portionCount", 5, s.portionCount, 0, portionCapacity);
    v.endLine();
}

template <typename V, typename Record>
void lightEngineMoveFields(V& v, Record& m) {
    v.num("time", 5, m.time, 0, saved::lastTime);
    v.num("line", 4, m.line, 0, lineCapacity);
    v.num("loco", 4, m.loco, 0, saved::engineField);
    v.num("flag", 3, m.flag, 0, conditionCount - 1);
    v.endLine();
}

template <typename V, typename Record>
void lineFields(V& v, Record& l) {
    v.num("waitCount", 4, l.waitCount, 0, saved::anyValue);
    v.num("chosenArrival", 4, l.chosenArrival, 0, arrivalCapacity);
    v.num("nextPassenger", 4, l.nextPassenger, 0, arrivalCapacity + 1);
    v.num("nextFreight", 4, l.nextFreight, 0, arrivalCapacity + 1);
    v.num("lastArrival", 4, l.lastArrival, 0, arrivalCapacity + 1);
    v.endLine();
}

template <typename V, typename Record>
void arrivalFields(V& v, Record& a) {
    v.text("code", a.code);
    v.endLine();
    v.num("time", 5, a.time, 0, saved::lastTime);
    v.num("late", 5, a.late, -saved::anyValue, saved::anyValue);
    v.num("loco", 4, a.loco, 0, saved::engineField);
    v.num("loco2", 4, a.loco2, 0, saved::engineField);
    v.num("condCode", 4, a.condCode, 0, 99);
    v.num("line", 4, a.line, 0, lineCapacity);
    v.num("group", 4, a.group, 0, routeCodeCount);
    v.num("trainType", 3, a.trainType, 0, trainTypeCount - 1);
    v.num("firstPortion", 5, a.firstPortion, 0, portionCapacity);
    v.text("origin", a.origin);
    v.endLine();
}

template <typename V, typename Record>
void departureFields(V& v, Record& d) {
    v.text("code", d.code);
    v.endLine();
    v.num("time", 5, d.time, 0, saved::lastTime);
    v.num("group", 4, d.group, 0, routeCodeCount);
    v.num("line", 4, d.line, 0, lineCapacity);
    v.num("state", 2, d.state, departureGathering, departureGone);
    v.num("location", 5, d.location, 0, saved::lastLocation);
    v.num("loco", 4, d.loco, 0, saved::engineField);
    v.num("loco2", 4, d.loco2, 0, saved::engineField);
    v.num("portionCount", 3, d.portionCount, 0, portionCapacity);
    v.num("lateAllowance", 4, d.lateAllowance, -saved::anyValue, saved::anyValue);
    v.num("returnArrival", 7, d.returnArrival, 0, arrivalCapacity);
    v.num("returnArrival2", 7, d.returnArrival2, 0, arrivalCapacity);
    v.num("firstPortion", 5, d.firstPortion, 0, portionCapacity);
    v.num("trainType", 3, d.trainType, 0, trainTypeCount - 1);
    v.text("destination", d.destination);
    v.endLine();
    v.text("shed", d.shed);
    v.endLine();
}

template <typename V, typename Record>
void trafficFields(V& v, Record& t) {
    v.num("route", 3, t.route, 0, routeCodeCount);
    v.num("departure", 5, t.departure, 0, departureCapacity);
    v.num("portion", 5, t.portion, 0, portionCapacity);
    v.num("readyAt", 6, t.readyAt, -1, saved::anyValue);
    v.num("trafficType", 3, t.trafficType, 0, trafficTypeCount - 1);
    v.text("name", t.name);
    v.endLine();
}

template <typename V, typename Record>
void portionFields(V& v, Record& p) {
    v.num("arrival", 5, p.arrival, 0, arrivalCapacity);
    v.num("traffic", 5, p.traffic, 0, trafficCapacity);
    v.num("departure", 5, p.departure, 0, departureCapacity);
    v.num("location", 5, p.location, 0, saved::lastLocation);
    v.num("next", 5, p.next, 0, portionCapacity);
    v.num("prev", 5, p.prev, 0, portionCapacity);
    v.num("depNext", 5, p.depNext, 0, portionCapacity);
    v.num("depPrev", 5, p.depPrev, 0, portionCapacity);
    v.num("portionState", 3, p.portionState, portionOnTrain, portionHandedOver);
    v.num("coupledToNext", 3, p.coupledToNext, 0, 1);
    v.endLine();
}

// The occupants may name an arrival, departure, portion or traffic block: the widest table bounds them
// here, and the state's own checks match them to their occState after reading.
template <typename V, typename Record>
void locationFields(V& v, Record& l) {
    static const char* const endNames[2][4] = {
        {"couplingTicks1", "endFlag1", "enginePairTicks1", "enginePairFlag1"},
        {"couplingTicks2", "endFlag2", "enginePairTicks2", "enginePairFlag2"}};
    for (std::size_t end = 0; end < 2; ++end) {
        v.num(endNames[end][0], 3, l.couplingTicks[end], 0, saved::anyValue);
        v.num(endNames[end][1], 2, l.endFlag[end], 0, 1);
        v.num(endNames[end][2], 3, l.enginePairTicks[end], 0, saved::anyValue);
        v.num(endNames[end][3], 2, l.enginePairFlag[end], 0, 1);
    }
    static const char* const placeNames[5] = {"", "locoAt1", "locoAt2", "locoAt3", "locoAt4"};
    for (std::size_t place = 1; place <= 4; ++place)
        v.num(placeNames[place], 4, l.locoAt[place], 0, saved::engineField);
    v.num("occupant", 5, l.occupant, 0, portionCapacity);
    v.num("occupant2", 5, l.occupant2, 0, portionCapacity);
    v.num("busyTicks", 6, l.busyTicks, 0, saved::anyValue);
    v.num("length", 4, l.length, 0, saved::anyValue);
    v.num("occState", 3, l.occState, occEmpty, saved::lastOccState);
    v.num("occState2", 3, l.occState2, occEmpty, saved::lastOccState);
    v.endLine();
}

template <typename V, typename Record>
void watchEntryFields(V& v, Record& w) {
    v.num("departure", 5, w.departure, 0, departureCapacity);
    v.num("time", 5, w.time, 0, saved::lastTime);
    v.endLine();
}

template <typename V, typename Record>
void locoFields(V& v, Record& l) {
    v.num("duty", 4, l.duty, 0, saved::anyValue);
    v.num("condition", 3, l.condition, conditionAvailable, conditionOutOfUse);
    v.num("where", 5, l.where, 0, saved::lastWhere);
    v.num("classIndex", 3, l.classIndex, 0, locoClassCount - 1);
    v.num("lateAllowance", 5, l.lateAllowance, -saved::anyValue, saved::anyValue);
    v.num("workTime", 7, l.workTime, 0, saved::anyValue);
    v.num("facing", 3, l.facing, 0, 1);
    v.num("watering", 3, l.watering, 0, 1);
    v.text("number", l.number);
    v.endLine();
    v.text("shed", l.shed);
    v.endLine();
}

// Every line after header line 4 up to the AutoSave option, in the file's order: items 5 to 15.
template <typename V, typename State>
void tableFields(V& v, State& s) {
    for (int m = 1; m <= s.lightEngineCount; ++m) lightEngineMoveFields(v, s.lightEngineMoves[m]);
    for (int line = 1; line <= lineCapacity; ++line) lineFields(v, s.lines[line]);
    for (int a = 1; a <= s.arrivalCount; ++a) arrivalFields(v, s.arrivals[a]);
    for (int d = 1; d <= s.departureCount; ++d) departureFields(v, s.departures[d]);
    for (int t = 1; t <= s.trafficCount; ++t) trafficFields(v, s.traffic[t]);
    for (int p = 1; p <= s.portionCount; ++p) portionFields(v, s.portions[p]);
    for (int id = 1; id <= locationCapacity; ++id) locationFields(v, s.locations[id]);
    for (int section = 1; section <= sectionCount; ++section) {
        v.num("sectionTimer", 4, s.sectionTimer[section], 0, saved::anyValue);
        v.endLine();
    }
    v.num("branchTimer", 5, s.branchTimer, 0, saved::anyValue);
    v.endLine();
    for (int w = 1; w <= s.watchCount; ++w) watchEntryFields(v, s.watchList[w]);
    for (int e = 1; e <= s.locoCount; ++e) locoFields(v, s.locos[e]);
}

} // namespace wm
