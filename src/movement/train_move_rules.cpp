// The rules for a timetabled train moved with its engine: where an arrival may be taken before it has
// called, and when a departure's move is a shunt, an early start or a wrong turning.

#include <string>

#include "movement/leaving_area.h"
#include "movement/light_engine_offer.h"
#include "movement/move_predicates.h"
#include "movement/move_rules.h"
#include "movement/wrong_line.h"
#include "rules/departure_readiness.h"
#include "world/game_state.h"
#include "world/group_names.h"
#include "world/line_tables.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
/// Sidings and roads off the running lines where a passenger train has no business.
bool offRunningLines(LocationId place) {
    return isOneOf(place, {77, 78, 86});
}

/// The yard a freight arrival is received in, as the message names it: "Up" for the Up Yard.
std::string yardName(int group) {
    std::string name = groupName(group);
    constexpr std::string_view suffix = " Yard";
    if (name.ends_with(suffix)) name.resize(name.size() - suffix.size());
    return name;
}

bool formsDepartureAtOwnMinute(const GameState& s, ArrivalIndex arrival) {
    const DepartureIndex forms = departureFormedBy(s, arrival);
    return isDeparture(s, forms) && s.departures[forms].time == s.arrivals[arrival].time;
}
} // namespace

bool arrivalRulesPass(MoveRules& r) {
    const GameState& s = r.state();
    const Arrival& a = s.arrivals[r.what.occupant];
    const Location& here = r.fromPlace();
    const Location& there = r.toPlace();
    const int g = a.group;
    const bool shuntable = mayShuntArrival(s, r.from, r.what.occupant);
    const bool inItsPlatform = here.kind == kindPlatform && here.group == g;
    const bool toItsPlatform = there.kind == kindPlatform && there.group == g;
    if (there.kind == kindExitPoint || (inItsPlatform && !toItsPlatform && !shuntable))
        return r.refuse("This train calls at " + groupName(g));
    const bool freightToSiding = a.trainType >= 6 && there.kind == kindSiding;
    if (there.group != g && !freightToSiding) {
        if (!shuntable) {
            const bool wrongWay = r.up() ? g < a.line : a.line < g;
            if (wrongWay) {
                if (!r.ask("Do you want to send the arrival in the wrong direction?")) return false;
                r.move().isShunt = true;
            }
        } else if (leavesArea(s, r.from, r.to)) {
            return r.refuse("This train calls at " + yardName(g) + " yard");
        }
    }
    if (isCallingTrain(a.trainType)) {
        if (there.group == g && there.kind != kindPlatform && isLocalLine(g) &&
            !formsDepartureAtOwnMinute(s, r.what.occupant))
            return r.penalty("passenger/parcels not in platform");
        if (there.kind == kindSiding || offRunningLines(r.to))
            return r.penalty("diverting passenger arrival off running lines");
    }
    if (!r.move().isShunt && !checkWrongLine(r.world, g, r.from, r.to)) return false;
    if (isRealEngine(r.move().rearEngine)) return r.penalty("engine attached to rear of train");
    return true;
}

namespace {
/// The moves of a departure not yet sent that only shunt it, without a question.
bool plainShunt(const MoveRules& r, const Departure& d) {
    const GameState& s = r.state();
    const Location& here = r.fromPlace();
    const Location& there = r.toPlace();
    const int type = d.trainType;
    const bool runsDown = departureRunsDown(d);
    const bool engineWhereNeeded = runsDown ? r.what.enginePlace <= 2 : r.what.enginePlace >= 3;
    const int minutesEarly = d.time - s.clock;
    const int earliest = type < 8 ? 5 : 60;
    return (isFreightFamily(type) && there.kind == kindSiding && there.group != d.line) ||
           (isCallingTrain(type) && d.state < departureReady && here.kind != kindPlatform &&
            here.kind != kindThroughRoad) ||
           (there.group == d.group && d.group != stationGroup) ||
           (!engineWhereNeeded && !isWorkTrain(type)) || (!runsDown && !r.up() && !isWorkTrain(type)) ||
           (runsDown && r.up()) || (!departureMayLeave(s, r.from, r.what.occupant) && !r.move().throughRun) ||
           (there.group != d.group && minutesEarly > earliest);
}

/// A passenger train still standing in its group that is sent more than five minutes early.
bool earlyStart(MoveRules& r, const Departure& d) {
    const GameState& s = r.state();
    if (!isPassengerTrain(d.trainType) || r.move().throughRun) return true;
    if (r.fromPlace().group != d.group && d.state != departureFormed) return true;
    const int minutesEarly = d.time - s.clock;
    if (minutesEarly <= 5) return true;
    if (minutesEarly > 10 || !r.ask("Do you mean to set the route early for the " + trainWords(d) + "?"))
        r.move().isShunt = true;
    return true;
}

/// A running move of a departure: its direction, the roads it may take and its line.
bool runningMovePasses(MoveRules& r, const Departure& d) {
    const GameState& s = r.state();
    const Location& here = r.fromPlace();
    const Location& there = r.toPlace();
    if (departureRunsDown(d) == r.up() && !r.ask("Do you want to send the departure in the wrong direction?"))
        return false;
    if (isPassengerTrain(d.trainType)) {
        const bool diverted = here.kind != kindSiding &&
                              (there.kind == kindSiding || offRunningLines(r.to)) && there.group != d.line;
        if (diverted || there.kind == kindSiding)
            return r.penalty("diverting passenger departure off running lines");
    }
    if (isCallingTrain(d.trainType) && (there.kind == kindThroughRoad || there.kind == kindSiding) &&
        there.group == d.line && isLocalLine(d.line) && !r.move().throughRun)
        return r.penalty("passenger/parcels not in platform");
    if (!checkWrongLine(r.world, d.line, r.from, r.to)) return false;
    const bool coupledRakeBeside = here.occState == occStock && rakeFullyCoupled(s, here.occupant);
    if (isRealEngine(r.move().rearEngine) && r.what.sharedPlace && !coupledRakeBeside)
        return r.penalty("engine attached to rear of train");
    return true;
}
} // namespace

bool departureRulesPass(MoveRules& r) {
    const GameState& s = r.state();
    const Departure& d = s.departures[r.what.occupant];
    if (r.what.sharedPlace && r.engineAtRear()) return r.notPossible();
    bool& shunt = r.move().isShunt;
    if (d.state < departureOnWayOut) {
        shunt = plainShunt(r, d);
        if (!shunt && !earlyStart(r, d)) return false;
    } else if (isTrafficTrain(d.trainType) && r.toPlace().kind == kindSiding) {
        shunt = true;
    }
    if (shunt && (r.toPlace().kind == kindExitPoint || leavesArea(s, r.from, r.to)))
        return r.penalty("shunting beyond limit of shunt");
    if (!shunt) return runningMovePasses(r, d);
    return true;
}

} // namespace wm
