// A rake or traffic block moved by its engine is always a shunt, and must not drag what is still
// attached at its other end.

#include "movement/leaving_area.h"
#include "movement/move_rules.h"
#include "world/game_state.h"
#include "world/rakes.h"

namespace wm {

namespace {
constexpr LocationId lastYardPlace = 102; // traffic may be taken out of the area no further than this
} // namespace

bool stockRulesPass(MoveRules& r) {
    const GameState& s = r.state();
    r.move().isShunt = true;
    const bool toExit = r.toPlace().kind == kindExitPoint;
    if (r.what.kind == Moving::rake) {
        if (!r.what.sharedPlace && rakeFullyCoupled(s, r.what.occupant)) {
            if (r.otherEndAttached()) return r.penalty("engine attached to both ends");
        } else if (r.engineAtRear()) {
            return r.penalty("trying to move both parts of uncoupled train");
        }
        if (toExit || leavesArea(s, r.from, r.to)) return r.penalty("shunting beyond limit of shunt");
        return true;
    }
    if (s.traffic[r.what.occupant].readyAt > 0)
        return r.refuse("Please wait until loading/unloading is complete");
    if (r.what.sharedPlace) {
        if (r.engineAtRear()) return r.penalty("trying to move both parts of uncoupled train");
    } else if (r.otherEndAttached()) {
        return r.penalty("engine attached to both ends");
    }
    if (toExit || (leavesArea(s, r.from, r.to) && r.to > lastYardPlace))
        return r.penalty("shunting beyond limit of shunt");
    return true;
}

} // namespace wm
