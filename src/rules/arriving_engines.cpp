#include "rules/arriving_engines.h"

#include "world/game_state.h"
#include "world/line_tables.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"
#include "world/ticks.h"

namespace wm {

namespace {

constexpr int outOfUseWorkTicks = 3000;

EngineCondition conditionFromCode(int condCode, int draw, int difficulty, int& extraLateness,
                                  const Draw& rand) {
    switch (condCode) {
    case condNeedsCoal:
        return conditionNeedsCoal;
    case condFacingFromLine:
    case condAvailable:
        return conditionAvailable;
    case condOutOfUse:
        return conditionOutOfUse;
    case condNeedsServicing:
        return conditionNeedsServicing;
    case condNeedsWater:
    case condNeedsWaterToo:
        return conditionNeedsWater;
    default:
        break;
    }
    if (condCode >= draw) return conditionNeedsWater;
    // Only a harder level lets the draw reach the failure band: at "Very easy" 99 - 1 is beyond any draw.
    if (draw > 99 - difficulty / 5) {
        extraLateness += 10 + rand(difficulty);
        return conditionNeedsRepair;
    }
    return conditionNeedsCoal;
}

int workTicksFor(EngineCondition condition, int difficulty, const Draw& rand) {
    switch (condition) {
    case conditionNeedsServicing:
        return 360 + ticksPerMinute * rand(6 * difficulty);
    case conditionNeedsRepair:
        return 180 + ticksPerMinute * rand(12 * difficulty);
    case conditionOutOfUse:
        return outOfUseWorkTicks;
    default:
        return 0;
    }
}

/// Line or line pair whose pending arrival of the arrival's family this is.
bool isPendingArrival(const GameState& state, ArrivalIndex arrival) {
    const Arrival& a = state.arrivals[arrival];
    if (a.line < 1 || a.line > lineCapacity) return false;
    const Line& line = state.lines[a.line];
    return (isFreightFamily(a.trainType) ? line.nextFreight : line.nextPassenger) == arrival;
}
} // namespace

void drawArrivingEngine(GameState& state, ArrivalIndex arrival, const Draw& rand) {
    if (!isArrival(state, arrival)) return;
    Arrival& a = state.arrivals[arrival];
    int lateness = a.late;
    if (isLoco(state, a.loco)) {
        Loco& engine = state.locos[a.loco];
        const int draw = rand(99);
        if (a.condCode != condNeedsCoal && a.condCode != condFacingFromLine && a.condCode != condNeedsWater &&
            isMainLine(a.line))
            engine.facing = a.group < a.line ? 1 : 0;
        if (a.condCode == condFacingFromLine) engine.facing = a.line < a.group ? 1 : 0;
        const EngineCondition condition =
            conditionFromCode(a.condCode, draw, state.difficulty, lateness, rand);
        engine.condition = condition;
        engine.workTime = workTicksFor(condition, state.difficulty, rand);
        if (isLoco(state, a.loco2)) {
            Loco& second = state.locos[a.loco2];
            second.facing = a.group < a.line ? 1 : 0;
            second.condition = conditionAvailable;
        }
    }
    const int runningTime = arrivalRunningTime(a.line, a.group, a.trainType);
    // At the first minute of the shift trains already on the way need no spacing.
    const int headway = state.clock != state.shiftStart ? lineHeadway(a.line, speedClass(a.trainType)) : 0;
    if (a.time + lateness < runningTime + state.clock + 2)
        lateness = runningTime + state.clock + headway - a.time;
    if (lateness > a.late || a.late == 0) a.late = lateness;
}

bool bookReturningEngine(GameState& state, LocoIndex engine, ArrivalIndex arrival, int minutesLate,
                         const Draw& rand) {
    if (!isLoco(state, engine) || !isArrival(state, arrival)) return false;
    Arrival& a = state.arrivals[arrival];
    const int runningTime = arrivalRunningTime(a.line, a.group, a.trainType);
    if (a.late < runningTime + state.clock - a.time + 10) a.late = runningTime + state.clock - a.time + 10;
    if (minutesLate > 30 && a.late < minutesLate - 30) a.late = minutesLate - 30;
    if (a.loco == noEngine || a.loco == 0) {
        a.loco = engine;
        state.locos[engine].where = whereOnArrival + arrival;
    } else {
        a.loco2 = engine;
        state.locos[engine].where = whereSecondEngineOnArrival + arrival;
    }
    if (!isPendingArrival(state, arrival)) return false;
    drawArrivingEngine(state, arrival, rand);
    return true;
}

} // namespace wm
