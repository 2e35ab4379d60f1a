// Where the engine stands for the move: a light engine may not run through what stands beside it, and a
// train may be pushed only where the rules allow propelling.

#include "movement/move_rules.h"
#include "world/game_state.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
bool holdsTrainsAndEngines(LocationKind kind) {
    return isStockRoad(kind) || kind == kindRunningSection;
}

/// Pairs of places between which no train may be pushed, whatever the kind of move.
bool propellingForbidden(LocationId from, LocationId to) {
    const std::initializer_list<int> south = {153, 154, 160, 161, 162, 165};
    const std::initializer_list<int> north = {176, 181, 182, 183};
    return (from <= 6 && to >= 8) || (from >= 8 && to <= 6) || (from == 26 && to < 26) ||
           (from < 26 && to == 26) || (from == 66 && to > 66) || (from > 91 && (to == 79 || to == 80)) ||
           (isOneOf(from, south) && isOneOf(to, north)) || (isOneOf(from, north) && isOneOf(to, south));
}

/// A light engine would pass what stands between it and the end it leaves by.
bool passesWhatStands(const MoveRules& r) {
    const Location& here = r.fromPlace();
    if (!holdsTrainsAndEngines(here.kind)) return false;
    const bool standing = here.occState != occEmpty;
    if (r.what.enginePlace >= 3 && !r.up()) return standing || placeTaken(here, 1) || placeTaken(here, 2);
    if (r.what.enginePlace <= 2 && r.up()) return standing || placeTaken(here, 3) || placeTaken(here, 4);
    return false;
}
} // namespace

bool engineRulesPass(MoveRules& r) {
    if (r.what.kind == Moving::light) {
        if (!r.what.lostIdentity && passesWhatStands(r)) return r.notClear();
        return true;
    }
    if (!r.engineAtRear()) return true;
    const bool mayPush = isLightEngine(r.what.trainType) || isWorkTrain(r.what.trainType);
    if (!r.move().isShunt && !mayPush && !isStockRoad(r.fromPlace().kind) && !isStockRoad(r.toPlace().kind))
        return r.penalty("propelling where not allowed");
    if (propellingForbidden(r.from, r.to)) return r.penalty("propelling where not allowed");
    r.move().propelling = true;
    return true;
}

} // namespace wm
