#include "movement/wrong_line.h"

#include "console/console.h"
#include "movement/move_rules.h"
#include "rules/score_events.h"
#include "world/group_names.h"

namespace wm {

namespace {
bool between(int value, int low, int high) {
    return value >= low && value <= high;
}

// The places a train for each route may be turned into, where any other place takes it off its line.
bool offItsLine(int code, LocationId from, LocationId to) {
    const bool up = to > from;
    switch (code) {
    case 1:
        return isOneOf(to, {26, 52, 54, 58, 60, 79, 80, 83, 85});
    case 2:
    case 3:
    case 7:
    case 8:
        return isOneOf(to, {26, 56, 62, 68, 79, 80});
    case 9:
        return !up && to > 25 && !isOneOf(to, {26, 79, 80, 97, 98});
    case 11:
        return up ? !isOneOf(to, {25, 26, 64, 65}) : !isOneOf(to, {26, 79, 80, 97, 98});
    case 16:
        return up && isOneOf(to, {96, 138, 140, 155, 157});
    case 17:
        return !up && isOneOf(to, {97, 98, 102, 139, 141, 156});
    case 20:
        return isOneOf(to, {166, 167}) || to > 180;
    case 21:
    case 22:
    case 23:
        return isOneOf(to, {170, 171}) || between(to, 180, 183);
    default:
        return false;
    }
}

// The route a diverted train is named for: the first code of its row.
int routeNamed(int code) {
    switch (code) {
    case 3:
    case 7:
    case 8:
        return 2;
    case 22:
        return 21;
    default:
        return code;
    }
}
} // namespace

std::optional<WrongLine> wrongLine(int code, LocationId from, LocationId to) {
    if (code == stationGroup) {
        const bool passesStation = (from < 95 && to > 105) || (from > 105 && to < 95);
        if (passesStation) return WrongLine{"This train calls at Wendmoor", false};
        return std::nullopt;
    }
    if (!offItsLine(code, from, to)) return std::nullopt;
    return WrongLine{"diverting train for " + groupName(routeNamed(code)), true};
}

bool checkWrongLine(MoveWorld& w, int code, LocationId from, LocationId to) {
    const std::optional<WrongLine> off = wrongLine(code, from, to);
    if (!off) return true;
    if (off->costsPoint)
        LoseBonusPoints(w.console, 1, off->reason);
    else
        w.console.ShowError(off->reason);
    return false;
}

} // namespace wm
