#include "movement/move_rules.h"

#include "console/console.h"
#include "rules/score_events.h"
#include "world/game_state.h"

namespace wm {

bool placeTaken(const Location& l, int enginePlace) {
    return enginePlace >= 1 && enginePlace <= 4 && isRealEngine(l.locoAt[enginePlace]);
}

const Location& MoveRules::fromPlace() const {
    return world.state.locations[from];
}

const Location& MoveRules::toPlace() const {
    return world.state.locations[to];
}

bool MoveRules::engineAtRear() const {
    return up() ? what.enginePlace <= 2 : what.enginePlace >= 3;
}

bool MoveRules::otherEndAttached() const {
    const auto other = static_cast<std::size_t>(what.enginePlace >= 3 ? lowEnd : highEnd);
    const Location& l = fromPlace();
    return l.endFlag[other] != 0 || l.couplingTicks[other] > 0;
}

bool MoveRules::refuse(std::string_view message) const {
    world.console.ShowError(message);
    return false;
}

bool MoveRules::penalty(std::string_view reason) const {
    LoseBonusPoints(world.console, 1, reason);
    return false;
}

bool MoveRules::notPossible() const {
    world.console.NotPossible();
    return false;
}

bool MoveRules::notClear() const {
    RouteNotClear(world.console);
    return false;
}

bool MoveRules::ask(const std::string& question) const {
    return world.services.askYesNo(question);
}

} // namespace wm
