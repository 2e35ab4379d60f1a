#include "movement/route_move.h"

#include <algorithm>

#include "console/console.h"
#include "movement/execute_move.h"
#include "movement/rake_as_departure.h"
#include "movement/section_ops.h"
#include "rules/score_events.h"
#include "world/game_state.h"

namespace wm {

namespace {
/// The token is given back this many ticks after the leg's last section clears.
constexpr int branchReturnTicks = 2;

bool legUsable(const GameState& s, const Leg& leg) {
    if (!sectionsFree(s, leg.testSet)) return false;
    return leg.branch != BranchAction::take || branchFree(s);
}

void startLeg(MoveWorld& w, const Leg& leg) {
    GameState& s = w.state;
    executeMove(w, leg.from, leg.to, leg.sections);
    for (const FlankLock& flank : leg.flanks) copySectionTimer(s, flank.source, flank.targets);
    if (leg.sections.empty()) return;
    switch (leg.branch) {
    case BranchAction::take:
        setBranchTimer(s, leg.sections.back(), branchHeldTicks);
        break;
    case BranchAction::giveBack:
        setBranchTimer(s, leg.sections.back(), branchReturnTicks);
        break;
    case BranchAction::none:
        break;
    }
}
} // namespace

bool routeUsable(const GameState& s, const Route& route) {
    const auto usable = [&s](const Leg* leg) { return leg != nullptr && legUsable(s, *leg); };
    if (!std::all_of(route.legs.begin(), route.legs.end(), usable)) return false;
    const std::vector<int> via = route.intermediates();
    return std::all_of(via.begin(), via.end(), [&s](LocationId place) {
        return place >= 1 && place <= placeCount && locationClear(s, place);
    });
}

void routeMove(MoveWorld& w, LocationId from, LocationId to, const RouteTable& table) {
    const std::vector<Route>& routes = table.routes(from, to);
    if (routes.empty()) {
        w.console.NotPossible();
        return;
    }
    const auto usable = std::find_if(routes.begin(), routes.end(),
                                     [&w](const Route& route) { return routeUsable(w.state, route); });
    if (usable == routes.end()) {
        RouteNotClear(w.console);
        return;
    }
    // Tested whole above, so no leg is started unless every leg can be.
    splitRakeAsDeparture(w.state, w.move);
    for (const Leg* leg : usable->legs) startLeg(w, *leg);
}

} // namespace wm
