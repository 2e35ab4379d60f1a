#include "world/new_game.h"

#include "world/build_context.h"
#include "world/engine_builders.h"
#include "world/game_state.h"
#include "world/lookups.h"
#include "world/placements.h"
#include "world/rakes.h"
#include "world/reference_tables.h"
#include "world/timetable_data.h"
#include "world/train_builders.h"

#include <string>

namespace wm {

namespace {

constexpr int percentDraw = 100;

void runDepartures(BuildContext& context, const DayTimetable& day, ChancePolicy policy) {
    GameState& state = context.state;
    state.departureCount = 0;
    state.watchCount = 0;
    for (const DepartureRow& row : day.departures) {
        if (!chanceAllows(context, row.chance, policy)) continue;
        int time = row.time;
        if (row.chance.kind == Chance::minute && !departureRuns(state, row.chance.code))
            time = row.chance.otherTime;
        addDeparture(context, row.line, time / 60, time % 60, row.group, row.code, row.returnCode,
                     row.destination, row.trainType, row.duty, row.shed);
    }
    state.lightEngineCount = 0;
    for (const LightEngineRow& move : day.lightEngines)
        addLightEngineMove(context, move.time, move.line, move.duty, move.flag);
}

void runTraffic(BuildContext& context, const DayTimetable& day) {
    context.state.trafficCount = 0;
    for (const TrafficRow& row : day.traffic)
        addTraffic(context, row.route, row.name, row.departure, row.trafficType);
}

void runArrivals(BuildContext& context, const DayTimetable& day, ChancePolicy policy) {
    GameState& state = context.state;
    state.arrivalCount = 0;
    for (std::size_t k = 0; k < day.arrivals.size(); ++k) {
        const ArrivalRow& row = day.arrivals[k];
        if (chanceAllows(context, row.chance, policy)) {
            addArrival(context, row.line, row.time / 60, row.time % 60, row.group, row.code, row.firstPortion,
                       row.origin, row.duty, row.condCode, row.trainType);
            for (const PortionRow& portion : row.portions)
                if (chanceAllows(context, portion.chance, policy))
                    addArrivalPortion(context, row.code, portion.name);
        }
        // A line's run ends where the next row is on another line; the trips at the end keep no index.
        const bool lineEnds = k + 1 == day.arrivals.size() || day.arrivals[k + 1].line != row.line;
        const bool trip = row.line == 9 || row.line == 11 || row.line == 16;
        if (lineEnds && !trip && row.line >= 1 && row.line <= lineCapacity)
            state.lines[static_cast<std::size_t>(row.line)].lastArrival = state.arrivalCount;
    }
}

void runStart(BuildContext& context, const DayTimetable& day, ChancePolicy policy) {
    GameState& state = context.state;
    for (const StartRow& row : day.start) {
        if (!chanceAllows(context, row.chance, policy)) continue;
        const auto& a = row.args;
        const auto& n = row.numbers;
        if (row.op == "shed") {
            placeLocoInRange(context, n[0], n[1], n[2]);
        } else if (row.op == "loco") {
            // The condition column was read within 0..conditionCount - 1.
            placeLoco(context, n[0], n[1], n[2], static_cast<EngineCondition>(n[3]));
        } else if (row.op == "facing") {
            setLocoFacing(context, n[0], n[1]);
        } else if (row.op == "return") {
            setReturnArrival(state, a[0], a[1]);
        } else if (row.op == "departure") {
            placeDeparture(context, n[0], a[1], n[2], n[3]);
        } else if (row.op == "stock") {
            addStockToRake(context, n[0], a[1]);
        } else if (row.op == "traffic") {
            placeTraffic(context, n[0], a[1]);
        } else if (row.op == "tstock") {
            placeTrafficStock(context, n[0], a[1]);
        } else if (row.op == "rake") {
            addTrafficToRake(context, n[0], a[1]);
        }
    }
}

void setShiftAndTarget(GameState& state, int dayCode) {
    state.shiftStart = 1;
    state.shiftEnd = 1439;
    if (dayCode == 6)
        state.target = 2 * state.difficulty + 160;
    else if (dayCode == 7)
        state.target = 2 * (state.difficulty / 5) + 25;
    else
        state.target = 2 * state.difficulty + 170;
}

bool codeInRange(const std::string& code, const NamedTrainRow& row) {
    return row.from <= code && code <= row.to;
}

} // namespace

std::string_view dayFileName(int dayCode) {
    if (dayCode >= 1 && dayCode <= 5) return timetableDays[0];
    if (dayCode == 6) return timetableDays[1];
    if (dayCode == 7) return timetableDays[2];
    return {};
}

bool chanceAllows(BuildContext& context, const Chance& chance, ChancePolicy policy) {
    const GameState& state = context.state;
    const auto draw = [&](int below) {
        if (policy == ChancePolicy::allTaken) return true;
        if (policy == ChancePolicy::allRefused) return false;
        return context.rand(percentDraw) < below;
    };
    switch (chance.kind) {
    case Chance::always:
    case Chance::minute:
        return true;
    case Chance::fixed:
        return draw(chance.percent);
    case Chance::level:
        return draw(chance.times * state.difficulty);
    case Chance::ifRuns:
        return departureRuns(state, chance.code);
    case Chance::alternative:
        return draw(chance.percent) && !departureRuns(state, chance.code);
    }
    return false;
}

void buildNewGameTables(BuildContext& context, int dayCode, ChancePolicy policy) {
    GameState& state = context.state;
    state.locoCount = 0;
    buildEngineTable(context);
    state.portionCount = 0;
    const std::string_view name = dayFileName(dayCode);
    if (name.empty()) return;
    const DayTimetable& day = loadedDayTimetable(name);
    runDepartures(context, day, policy);
    runTraffic(context, day);
    runArrivals(context, day, policy);
    resolveReturnArrivals(state);
    setShiftAndTarget(state, dayCode);
    runStart(context, day, policy);
    resolveReturnArrivals(state);
}

void nameNamedTrains(GameState& state, int dayCode) {
    const std::string_view name = dayFileName(dayCode);
    if (name.empty()) return;
    const auto& rows = loadedDayTimetable(name).namedTrains;
    const auto nameFor = [&](const std::string& code) {
        std::string found;
        for (const NamedTrainRow& row : rows)
            if (codeInRange(code, row)) found = row.name;
        return found;
    };
    for (int k = 1; k <= state.arrivalCount; ++k) {
        Arrival& arrival = state.arrivals[static_cast<std::size_t>(k)];
        arrival.trainName = nameFor(std::string(arrival.code.view()));
    }
    for (int k = 1; k <= state.departureCount; ++k) {
        Departure& departure = state.departures[static_cast<std::size_t>(k)];
        departure.trainName = nameFor(std::string(departure.code.view()));
    }
}

void buildWatchList(GameState& state) {
    state.watchCount = 0;
    for (int k = 1; k <= state.departureCount && state.watchCount < watchListCapacity; ++k) {
        const Departure& departure = state.departures[static_cast<std::size_t>(k)];
        if (departure.portionCount != 0 || departure.state == departureGone ||
            !isLightEngine(departure.trainType))
            continue;
        if (throughArrival(state, k) != 0) continue;
        if (isPilotDuty(departure)) continue;
        ++state.watchCount;
        state.watchList[static_cast<std::size_t>(state.watchCount)] = {k, departure.time};
    }
}

} // namespace wm
