#include "movement/leaving_area.h"

#include "world/game_state.h"
#include "world/record_checks.h"
#include "world/route_compatibility.h"

namespace wm {

bool leavesArea(const GameState& s, LocationId from, LocationId to) {
    if (from <= 25 && to == 26) return true;
    if (from == 26 && to < 26) return true;
    if (from == 66 && to > 66) return true;
    if (from > 91 && (to == 26 || to == 79 || to == 80)) return true;
    if (from > 82 && (to == 52 || to == 54 || to == 58 || to == 60)) return true;
    if (from >= 62 && to == 56) return true;
    if ((from == 155 || from == 157) && to > 157) return true;
    return isPlace(to) && s.locations[to].kind == kindExitPoint;
}

bool routeCodesMatch(int a, int b) {
    // The same relation that says where stock for a route may stand.
    return routesCompatible(a, b);
}

} // namespace wm
