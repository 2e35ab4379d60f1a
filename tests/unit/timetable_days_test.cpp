// The three days' timetables as data, and the days they build: counts, chances and a workable day.
#include "movement/reachability.h"
#include "world/build_context.h"
#include "world/data_file.h"
#include "world/game_state.h"
#include "world/line_tables.h"
#include "world/location_table.h"
#include "world/lookups.h"
#include "world/new_game.h"
#include "world/rakes.h"
#include "world/reference_tables.h"
#include "world/sheds.h"
#include "world/timetable_data.h"

#include <gtest/gtest.h>

#include "test_services.h"

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <set>

namespace wm {
namespace {

struct DayFigures {
    int dayCode;
    int departures, traffic, arrivals, portions, lightEngines, chanceDepartures, chanceArrivals;
    std::map<int, int> arrivalsPerLine;
    std::vector<int> trips;
};

const std::vector<DayFigures>& figures() {
    static const std::vector<DayFigures> days{
        {5,
         372,
         83,
         348,
         159,
         5,
         27,
         45,
         {{1, 18},
          {2, 80},
          {3, 15},
          {4, 3},
          {5, 4},
          {6, 2},
          {7, 35},
          {8, 8},
          {19, 3},
          {20, 60},
          {21, 80},
          {22, 21},
          {23, 6},
          {24, 2},
          {25, 2}},
         {16, 11, 9, 11, 16, 11, 9, 16, 9}},
        {6,
         396,
         82,
         371,
         126,
         9,
         4,
         26,
         {{1, 19},
          {2, 95},
          {3, 16},
          {4, 2},
          {5, 2},
          {6, 1},
          {7, 38},
          {8, 11},
          {19, 2},
          {20, 74},
          {21, 75},
          {22, 23},
          {23, 7},
          {24, 1},
          {25, 1}},
         {16, 11, 9, 11}},
        {7,
         202,
         16,
         177,
         16,
         5,
         2,
         2,
         {{1, 5}, {2, 57}, {3, 19}, {4, 1}, {5, 1}, {7, 9}, {8, 4}, {19, 1}, {20, 29}, {21, 38}, {22, 11}},
         {16, 9}},
    };
    return days;
}

bool isTrip(int line) {
    return line == 9 || line == 11 || line == 16;
}

TEST(TimetableData, EachDayHasItsSizesChancesAndLines) {
    for (const DayFigures& f : figures()) {
        const DayTimetable& day = loadedDayTimetable(dayFileName(f.dayCode));
        SCOPED_TRACE(f.dayCode);
        EXPECT_EQ(static_cast<int>(day.departures.size()), f.departures);
        EXPECT_EQ(static_cast<int>(day.traffic.size()), f.traffic);
        EXPECT_EQ(static_cast<int>(day.arrivals.size()), f.arrivals);
        EXPECT_EQ(static_cast<int>(day.lightEngines.size()), f.lightEngines);
        int portions = 0, chanceArrivals = 0, chanceDepartures = 0;
        std::map<int, int> perLine;
        std::vector<int> trips;
        for (const ArrivalRow& row : day.arrivals) {
            portions += static_cast<int>(row.portions.size());
            chanceArrivals += row.chance.kind != Chance::always;
            for (const PortionRow& portion : row.portions)
                chanceArrivals += portion.chance.kind != Chance::always;
            if (isTrip(row.line))
                trips.push_back(row.line);
            else
                ++perLine[row.line];
            EXPECT_TRUE(trips.empty() || isTrip(row.line)) << row.code << " follows the trips";
        }
        for (const DepartureRow& row : day.departures) chanceDepartures += row.chance.kind != Chance::always;
        EXPECT_EQ(portions, f.portions);
        EXPECT_EQ(chanceArrivals, f.chanceArrivals);
        EXPECT_EQ(chanceDepartures, f.chanceDepartures);
        EXPECT_EQ(perLine, f.arrivalsPerLine);
        EXPECT_EQ(trips, f.trips);
        // A rule naming another departure is decided after that departure has been built.
        std::set<std::string> built;
        for (const DepartureRow& row : day.departures) {
            if (!row.chance.code.empty()) {
                EXPECT_TRUE(built.count(row.chance.code)) << row.code;
            }
            built.insert(row.code);
        }
        EXPECT_EQ(day.departures[0].code, "421$");
        EXPECT_EQ(day.departures[1].code, "422$");
    }
    EXPECT_EQ(loadedDayTimetable("weekday").namedTrains.size(), 27u);
    EXPECT_EQ(loadedDayTimetable("saturday").namedTrains.size(), 14u);
    EXPECT_EQ(loadedDayTimetable("sunday").namedTrains.size(), 9u);
}

TEST(TimetableData, WeekdayMixByTypeGroupAndLine) {
    const DayTimetable& day = loadedDayTimetable("weekday");
    std::map<int, int> types, groups, lines;
    for (const DepartureRow& row : day.departures) {
        ++types[row.trainType];
        ++groups[row.group];
        ++lines[row.line];
    }
    // The one entry the listed mix leaves open is the milk train.
    const std::map<int, int> expected{{0, 132}, {4, 47}, {2, 9},  {3, 3},   {5, 22}, {6, 1},
                                      {7, 3},   {8, 3},  {9, 54}, {10, 11}, {12, 87}};
    EXPECT_EQ(types, expected);
    EXPECT_EQ(groups[15], 292);
    EXPECT_EQ(groups[16], 36);
    EXPECT_EQ(groups[17], 37);
    const std::vector<int> order{2, 21, 20, 7, 1, 22, 3};
    for (std::size_t k = 0; k + 1 < order.size(); ++k) EXPECT_GT(lines[order[k]], lines[order[k + 1]]);
    for (const auto& [line, count] : lines)
        if (std::find(order.begin(), order.end(), line) == order.end()) {
            EXPECT_LT(count, lines[3]) << line;
        }
}

TEST(TimetableData, ChanceColumnsAndTimesAreChecked) {
    EXPECT_EQ(parseChance("2d", "f", 1).times, 2);
    EXPECT_EQ(parseChance("alt:745A:30", "f", 1).percent, 30);
    EXPECT_EQ(parseChance("min:745A:13:48", "f", 1).otherTime, 13 * 60 + 48);
    EXPECT_THROW(parseChance("50", "f", 3), DataFileError);
    EXPECT_THROW(parseChance("alt:745A:d", "f", 3), DataFileError);
    EXPECT_EQ(parseTime("48:00", "f", 1), 2880);
    try {
        parseDayTimetable("weekday", "17 00:01 17 421$ - \"24 hours\" 8 421 \" SH\" 7d\n", "", "", "", "",
                          "");
        FAIL();
    } catch (const DataFileError& e) {
        EXPECT_NE(std::string(e.what()).find("weekday-departures.txt:1:"), std::string::npos);
    }
    EXPECT_THROW(parseDayTimetable("sunday", "", "", "  + 410B -\n", "", "", ""), DataFileError);
}

// A state built the way a new game builds it, with a fixed seed.
struct BuiltDay {
    explicit BuiltDay(int dayCode, ChancePolicy policy, int difficulty = 5, unsigned seed = 1)
        : random(seed) {
        state->difficulty = difficulty;
        state->dayCode = dayCode;
        buildLocationTable(*state);
        buildNewGameTables(context, dayCode, policy);
        nameNamedTrains(*state, dayCode);
        buildWatchList(*state);
    }
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    std::mt19937 random;
    std::vector<std::string> messages;
    TestServices services{[this](int n) { return static_cast<int>(random() % n); },
                          [this](std::string_view t) { messages.emplace_back(t); }};
    BuildContext context{*state, services, loadedShedTable()};
    const GameState& s() const { return *state; }
};

int alternatives(const DayTimetable& day) {
    return static_cast<int>(
        std::count_if(day.departures.begin(), day.departures.end(),
                      [](const DepartureRow& r) { return r.chance.kind == Chance::alternative; }));
}

TEST(TimetableDays, ChancesAllTakenAndAllRefusedGiveTheFixedAndFullDays) {
    for (const DayFigures& f : figures()) {
        SCOPED_TRACE(f.dayCode);
        const DayTimetable& day = loadedDayTimetable(dayFileName(f.dayCode));
        const int alt = alternatives(day);
        BuiltDay taken(f.dayCode, ChancePolicy::allTaken);
        // The second of each pair never runs beside the first, nor what depends on it.
        EXPECT_EQ(taken.s().departureCount, f.departures - alt);
        EXPECT_EQ(taken.s().arrivalCount, f.arrivals - alt);
        EXPECT_EQ(taken.s().trafficCount, f.traffic);
        EXPECT_EQ(taken.s().lightEngineCount, f.lightEngines);
        BuiltDay refused(f.dayCode, ChancePolicy::allRefused);
        EXPECT_EQ(refused.s().departureCount, f.departures - f.chanceDepartures + (f.dayCode == 5 ? 1 : 0));
        EXPECT_TRUE(taken.messages.empty()) << taken.messages.front();
        EXPECT_TRUE(refused.messages.empty()) << refused.messages.front();
    }
}

// The checks of a workable day on a built state.
void expectWorkable(const GameState& s) {
    const auto dep = [&](int k) -> const Departure& { return s.departures[static_cast<std::size_t>(k)]; };
    const auto arr = [&](int k) -> const Arrival& { return s.arrivals[static_cast<std::size_t>(k)]; };
    // Engines: each chain of events in time order alternates presence; turnarounds of 40 minutes (10 for
    // a diesel unit, 4 for an engine staying on its through train).
    struct Event {
        int time;
        bool arrives;
        int index;
    };
    std::map<int, std::vector<Event>> chains;
    for (int k = 1; k <= s.arrivalCount; ++k)
        if (arr(k).loco > 0 && arr(k).loco < noEngine) chains[arr(k).loco].push_back({arr(k).time, true, k});
    for (int k = 1; k <= s.departureCount; ++k) {
        const Departure& d = dep(k);
        if (d.time == notRunningTime || d.loco == 0) continue;
        chains[d.loco].push_back({d.time, false, k});
        if (d.returnArrival) {
            EXPECT_GT(arr(d.returnArrival).time, d.time) << d.code.str();
            EXPECT_EQ(arr(d.returnArrival).loco, noEngine) << d.code.str();
            chains[d.loco].push_back({arr(d.returnArrival).time, true, d.returnArrival});
        } else {
            EXPECT_TRUE(d.returnCode == "    ") << d.code.str() << " returns on a missing arrival";
        }
    }
    for (auto& [loco, events] : chains) {
        std::sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
            return a.time != b.time ? a.time < b.time : a.arrives;
        });
        const Loco& engine = s.locos[static_cast<std::size_t>(loco)];
        bool present = engine.where >= 1 && engine.where <= 400;
        int cameAt = -1000, cameOn = 0;
        for (const Event& e : events) {
            if (e.arrives) {
                EXPECT_FALSE(present) << engine.duty << " arrives twice, on " << arr(e.index).code.str();
                present = true;
                cameAt = e.time;
                cameOn = e.index;
            } else {
                const Departure& d = dep(e.index);
                EXPECT_TRUE(present) << engine.duty << " leaves on " << d.code.str() << " while away";
                // An engine staying on its train: the arrival's own stock goes on as the departure.
                const PortionIndex stock = cameOn ? arr(cameOn).firstPortion : 0;
                const bool through =
                    stock && s.portions[static_cast<std::size_t>(stock)].departure == e.index;
                const int turn = through ? 4 : (engine.classIndex == 1 ? 10 : 40);
                EXPECT_GE(d.time - cameAt, turn) << d.code.str();
                present = false;
                cameOn = 0;
            }
        }
    }
    for (int k = 1; k <= s.departureCount; ++k) {
        const Departure& d = dep(k);
        if (d.time == notRunningTime) continue;
        // Stock, power and load.
        if (d.trainType != 8) {
            EXPECT_GE(d.portionCount, 1) << d.code.str() << " has no stock";
        }
        const LocoClass& c = locoClass(s.locos[static_cast<std::size_t>(d.loco)].classIndex);
        if (d.trainType == 0) {
            EXPECT_GE(c.passengerPower, 5) << d.code.str();
        }
        if (c.name == "DMU  ")
            EXPECT_EQ(d.trainType, 4) << d.code.str();
        else if (d.trainType <= 7)
            EXPECT_GT(c.passengerPower, 0) << d.code.str();
        else
            EXPECT_GT(c.freightPower, 0) << d.code.str();
        if (d.trainType >= 9) {
            EXPECT_LE(d.portionCount, c.freightPower + 5) << d.code.str();
        }
        if (d.trainType == 9) {
            EXPECT_GE(c.freightPower, 5) << d.code.str();
        }
    }
    for (int k = 1; k <= s.trafficCount; ++k) {
        const Traffic& t = s.traffic[static_cast<std::size_t>(k)];
        EXPECT_TRUE(t.departure != 0 || t.trafficType == 6 || t.trafficType == 10) << t.name.str();
    }
    // Headways.
    std::map<int, std::vector<int>> times;
    for (int k = 1; k <= s.arrivalCount; ++k)
        if (arr(k).time != 0 && !isTrip(arr(k).line)) times[arr(k).line].push_back(k);
    for (auto& [line, list] : times) {
        std::sort(list.begin(), list.end(), [&](int a, int b) { return arr(a).time < arr(b).time; });
        for (std::size_t k = 1; k < list.size(); ++k) {
            const Arrival& a = arr(list[k]);
            EXPECT_GE(a.time - arr(list[k - 1]).time, lineHeadway(line, speedClass(a.trainType)))
                << a.code.str();
        }
    }
}

TEST(TimetableDays, EachDayIsWorkableWithChancesTakenOrRefused) {
    for (const DayFigures& f : figures())
        for (ChancePolicy policy : {ChancePolicy::allTaken, ChancePolicy::allRefused}) {
            SCOPED_TRACE(f.dayCode * 10 + static_cast<int>(policy));
            BuiltDay day(f.dayCode, policy, 25);
            expectWorkable(day.s());
        }
}

// The departures standing ready on the shed sidings, by place.
std::map<int, std::string> unitsReady(const GameState& s) {
    std::map<int, std::string> ready;
    for (int place : {47, 48, 49}) {
        const Location& l = s.locations[static_cast<std::size_t>(place)];
        if (l.occState == occEmpty) continue;
        EXPECT_EQ(l.occState, occDeparture) << place;
        const Departure& d = s.departures[static_cast<std::size_t>(l.occupant)];
        EXPECT_EQ(d.location, place);
        EXPECT_EQ(d.state, departureReady) << d.code.str();
        EXPECT_EQ(l.locoAt[lowEnd + 2], d.loco) << d.code.str();
        EXPECT_EQ(locoClass(s.locos[static_cast<std::size_t>(d.loco)].classIndex).name, "DMU  ")
            << d.code.str();
        ready[place] = d.code.str();
    }
    return ready;
}

// Portions standing on the up yard's roads at the start, counted by road.
std::map<int, int> upYardPortions(const GameState& s, std::set<int>& departures) {
    std::map<int, int> perRoad;
    for (int k = 1; k <= s.portionCount; ++k) {
        const Portion& p = s.portions[static_cast<std::size_t>(k)];
        if (p.arrival != 0 || p.location < 131 || p.location > 137) continue;
        ++perRoad[p.location];
        departures.insert(p.departure);
    }
    return perRoad;
}

TEST(NewGame, DieselUnitsStandReadyOnTheShedSidings) {
    for (ChancePolicy policy : {ChancePolicy::allTaken, ChancePolicy::allRefused}) {
        SCOPED_TRACE(static_cast<int>(policy));
        const std::map<int, std::string> weekday{{49, "900A"}, {48, "901A"}, {47, "902A"}};
        EXPECT_EQ(unitsReady(BuiltDay(5, policy).s()), weekday);
        EXPECT_EQ(unitsReady(BuiltDay(6, policy).s()), weekday);
        EXPECT_EQ(unitsReady(BuiltDay(7, policy).s()), (std::map<int, std::string>{{47, "900A"}}));
    }
}

TEST(NewGame, OnWeekdaysTheUpYardHoldsSevenPortionsForFiveDepartures) {
    for (ChancePolicy policy : {ChancePolicy::allTaken, ChancePolicy::allRefused}) {
        SCOPED_TRACE(static_cast<int>(policy));
        BuiltDay weekday(5, policy);
        const GameState& s = weekday.s();
        std::set<int> departures;
        EXPECT_EQ(upYardPortions(s, departures),
                  (std::map<int, int>{{131, 1}, {133, 1}, {134, 1}, {136, 4}}));
        EXPECT_EQ(departures.size(), 5u);
        for (int k : departures) {
            const Departure& d = s.departures[static_cast<std::size_t>(k)];
            EXPECT_FALSE(isPseudoDeparture(d)) << d.code.str();
            EXPECT_EQ(d.group, s.locations[131].group) << d.code.str();
        }
        // The four at UG1 are one rake, with its engine waiting beside it.
        const Location& road = s.locations[136];
        ASSERT_EQ(road.occState, occStock);
        EXPECT_EQ(rakeLength(s, road.occupant), 4);
        const Loco& engine = s.locos[static_cast<std::size_t>(road.locoAt[3])];
        EXPECT_EQ(engine.duty, 772);
        EXPECT_EQ(engine.where, 136);
        EXPECT_EQ(engine.facing, 0);
        EXPECT_EQ(engine.condition, conditionAvailable);

        BuiltDay saturday(6, policy);
        departures.clear();
        EXPECT_EQ(upYardPortions(saturday.s(), departures),
                  (std::map<int, int>{{131, 1}, {133, 1}, {134, 1}}));
        EXPECT_EQ(saturday.s().locations[136].occState, occEmpty);
        EXPECT_EQ(saturday.s().locos[static_cast<std::size_t>(findLocoByDuty(saturday.s(), 772))].where, 0);
    }
}

// Places of a line's end and whether a group can be reached from them through running roads, platforms
// and loops, or the places of the start's own group.
bool passable(const GameState& s, int place, int ownGroup) {
    const Location& l = s.locations[static_cast<std::size_t>(place)];
    return l.kind == 0 || l.kind == 1 || l.kind == 2 || l.kind == 3 || l.kind == 8 || l.group == 0 ||
           l.group == ownGroup;
}

std::vector<int> lineEnd(const GameState& s, int line, bool arriving) {
    static const std::map<int, std::pair<int, int>> ends{
        {1, {55, 56}},    {2, {51, 52}},    {3, {51, 52}},    {7, {53, 54}},   {8, {53, 54}},
        {20, {179, 180}}, {21, {189, 190}}, {22, {191, 192}}, {23, {191, 192}}};
    if (ends.count(line)) return {arriving ? ends.at(line).first : ends.at(line).second};
    std::vector<int> own;
    for (int p = 1; p <= 194; ++p)
        if (s.locations[static_cast<std::size_t>(p)].group == line) own.push_back(p);
    if (own.empty()) own.push_back(25); // the junction line with no places of its own joins at SCM
    return own;
}

template <typename Goal>
bool reaches(const GameState& s, std::vector<int> todo, int ownGroup, Goal goal) {
    std::set<int> seen(todo.begin(), todo.end());
    while (!todo.empty()) {
        const int place = todo.back();
        todo.pop_back();
        for (int next = 1; next <= 194; ++next) {
            if (!canReach(place, next)) continue;
            if (goal(next)) return true;
            if (!seen.count(next) && passable(s, next, ownGroup)) {
                seen.insert(next);
                todo.push_back(next);
            }
        }
    }
    return false;
}

TEST(TimetableDays, TrainsUseLinesThatReachTheirGroups) {
    for (const DayFigures& f : figures()) {
        BuiltDay day(f.dayCode, ChancePolicy::allTaken);
        const GameState& s = day.s();
        const auto groupOf = [&](int p) { return s.locations[static_cast<std::size_t>(p)].group; };
        for (int k = 1; k <= s.arrivalCount; ++k) {
            const Arrival& a = s.arrivals[static_cast<std::size_t>(k)];
            const auto from = lineEnd(s, a.line, true);
            EXPECT_TRUE(reaches(s, from, groupOf(from[0]), [&](int p) { return groupOf(p) == a.group; }))
                << a.code.str();
        }
        for (int k = 1; k <= s.departureCount; ++k) {
            const Departure& d = s.departures[static_cast<std::size_t>(k)];
            if (d.time == notRunningTime) continue;
            const auto to = lineEnd(s, d.line, false);
            std::vector<int> from;
            for (int p = 1; p <= 194; ++p)
                if (groupOf(p) == d.group) from.push_back(p);
            EXPECT_TRUE(reaches(s, from, d.group, [&](int p) {
                return std::find(to.begin(), to.end(), p) != to.end();
            })) << d.code.str();
        }
    }
}

TEST(NewGame, SetUpTwiceEmptyDayTargetsAndWatchList) {
    BuiltDay first(5, ChancePolicy::drawn, 5, 7);
    const int departures = first.s().departureCount;
    buildNewGameTables(first.context, 5);
    EXPECT_EQ(first.s().locoCount, 323);
    EXPECT_LE(first.s().departureCount, 372); // a fresh table, not a second day on top of the first
    EXPECT_GE(departures, 372 - 26);
    EXPECT_EQ(first.s().lightEngineCount, 5);
    EXPECT_EQ(first.s().target, 180);

    BuiltDay sunday(7, ChancePolicy::drawn, 25);
    EXPECT_EQ(sunday.s().target, 35);

    BuiltDay empty(8, ChancePolicy::drawn);
    EXPECT_EQ(empty.s().departureCount, 0);
    EXPECT_EQ(empty.s().arrivalCount, 0);
    EXPECT_EQ(empty.s().locoCount, 323);

    for (int dayCode : {5, 6, 7}) {
        BuiltDay day(dayCode, ChancePolicy::allTaken);
        const GameState& s = day.s();
        for (int k = 1; k <= s.watchCount; ++k) {
            const Departure& d =
                s.departures[static_cast<std::size_t>(s.watchList[static_cast<std::size_t>(k)].departure)];
            EXPECT_FALSE(isPilotDuty(d));
            EXPECT_EQ(d.trainType, 8);
        }
        EXPECT_EQ(s.watchCount, dayCode == 5 ? 1 : 0);
        int named = 0;
        for (int k = 1; k <= s.departureCount; ++k)
            named += !s.departures[static_cast<std::size_t>(k)].trainName.empty();
        EXPECT_GT(named, 0);
    }
}

} // namespace
} // namespace wm
