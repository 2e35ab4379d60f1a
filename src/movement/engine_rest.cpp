#include "movement/engine_rest.h"

#include <algorithm>

#include "world/game_state.h"

namespace wm {

namespace {
// LS3's water column is at its high end, so an engine running down into it stops there.
constexpr LocationId waterColumnSiding = 47;

bool taken(const Location& l, int place) {
    return isRealEngine(l.locoAt[place]);
}

bool somethingStands(const Location& l) {
    return l.occupant != 0 || l.occupant2 != 0;
}

/// A light engine entering a road stops at the near end when anything is in its way to the far end.
RestPlaces lightRest(const Location& l, LocationId to, bool up, bool withSecond) {
    if (up) {
        const bool nearEnd = taken(l, 2) || taken(l, 4) || somethingStands(l) || (taken(l, 3) && withSecond);
        if (!nearEnd) return {3, withSecond ? 4 : 0, 0};
        if (withSecond) return {1, 2, 0};
        return {taken(l, 2) ? 1 : 2, 0, 0};
    }
    const bool nearEnd = taken(l, 3) || taken(l, 1) || somethingStands(l) || (taken(l, 2) && withSecond) ||
                         to == waterColumnSiding;
    if (!nearEnd) return {2, withSecond ? 1 : 0, 0};
    if (withSecond) return {4, 3, 0};
    return {taken(l, 3) ? 4 : 3, 0, 0};
}

RestPlaces withTrainRest(int start, bool withSecond) {
    return {start, withSecond ? otherPlaceOfEnd(start) : 0, 0};
}
} // namespace

RestPlaces engineRest(const GameState& s, LocationId to, const RestQuery& q) {
    const Location& l = s.locations[to];
    const int start = std::clamp(q.startPlace, 1, 4);
    RestPlaces rest;
    switch (l.kind) {
    case kindShedRoad:
        return {q.up ? 1 : 2, 0, 0};
    case kindServicePoint:
    case kindTurntable:
        return {q.lastLeg ? 1 : start, 0, 0};
    case kindPlatform:
    case kindThroughRoad:
    case kindSiding:
    case kindRunningSection:
        rest = q.light ? lightRest(l, to, q.up, q.withSecond) : withTrainRest(start, q.withSecond);
        break;
    default:
        rest = withTrainRest(start, q.withSecond);
        break;
    }
    if (q.withRear && !q.light) rest.rear = rest.engine <= 2 ? 3 : 2;
    return rest;
}

} // namespace wm
