#include "movement/validate_move.h"

#include "movement/move_rules.h"
#include "world/game_state.h"
#include "world/rakes.h"
#include "world/record_checks.h"

namespace wm {

namespace {
bool bookedTogether(const GameState& s, ArrivalIndex arrival, DepartureIndex departure) {
    return arrival > 0 && departure > 0 && s.departures[departure].time == s.arrivals[arrival].time;
}
} // namespace

bool runsThrough(const GameState& s, LocationId place) {
    if (place < 1 || place > placeCount) return false;
    const Location& l = s.locations[place];
    switch (l.occState) {
    case occArrival:
        if (l.occupant < 1 || l.occupant > arrivalCapacity) return false;
        return bookedTogether(s, l.occupant, throughDeparture(s, l.occupant));
    case occDeparture:
    case occReversingDeparture:
        if (l.occupant < 1 || l.occupant > departureCapacity) return false;
        return bookedTogether(s, throughArrival(s, l.occupant), l.occupant);
    default:
        return false;
    }
}

bool validateMove(MoveWorld& w, LocationId from, LocationId to) {
    MoveContext& move = w.move;
    move.moveUp = to > from;
    move.throughRun = runsThrough(w.state, from);
    move.isShunt = false;
    move.propelling = false;
    move.couplePlan = {};
    move.rakeGoesAs = 0;
    if (!isPlace(from) || !isPlace(to)) return false;
    MoveRules rules{w, from, to, {}};
    if (!classifyMove(rules)) return false;
    const RuleSubject& what = rules.what;
    const LocationKind into = rules.toPlace().kind;
    if (what.kind != Moving::light &&
        (into == kindShedRoad || into == kindServicePoint || into == kindTurntable))
        return rules.notPossible();
    bool passed = true;
    switch (what.kind) {
    case Moving::arrival:
        passed = arrivalRulesPass(rules);
        break;
    case Moving::departure:
        passed = departureRulesPass(rules);
        break;
    case Moving::rake:
    case Moving::traffic:
        passed = stockRulesPass(rules);
        break;
    case Moving::light:
        break;
    }
    if (!passed || !engineRulesPass(rules) || !destinationRulesPass(rules)) return false;
    if (what.rakeHead != 0) move.rakeGoesAs = what.occupant;
    return true;
}

} // namespace wm
