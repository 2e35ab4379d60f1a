#include "display/engine_whereabouts.h"

#include "console/time_format.h"
#include "world/game_state.h"
#include "world/group_names.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"
#include "world/screen_names.h"

namespace wm {

namespace {
constexpr int arrivingWindowMinutes = 30;

std::string onScreen(const Location& l) {
    return l.code.str() + " (" + std::string(screenName(l.screen)) + ")";
}
} // namespace

std::string engineWhereabouts(const GameState& s, LocoIndex engine) {
    if (!isLoco(s, engine)) return "not in Wendmoor area";
    const int where = s.locos[static_cast<std::size_t>(engine)].where;
    if (const ArrivalIndex n = arrivalOfWhere(where); isArrival(s, n)) {
        const Arrival& a = s.arrivals[static_cast<std::size_t>(n)];
        if (a.time + a.late < s.clock - arrivingWindowMinutes)
            return "arriving on " + FormatTime(a.time) + " at " + groupName(a.group) + " from " +
                   a.origin.str();
        return "not in Wendmoor area";
    }
    if (where >= 1 && where <= placeCount) {
        const Location& l = s.locations[static_cast<std::size_t>(where)];
        if (l.kind == kindEntryPoint) return "approaching on " + l.code.str();
        return "in " + onScreen(l);
    }
    if (where > secondBerthOffset && where <= placeCount + secondBerthOffset) {
        const Location& first = s.locations[static_cast<std::size_t>(where - secondBerthOffset)];
        if (first.kind == kindExitPoint) return "leaving via " + first.code.str();
        return "approaching " + onScreen(first);
    }
    return "not in Wendmoor area";
}

std::string engineLocationLine(const GameState& s, LocoIndex engine) {
    if (!isLoco(s, engine)) return engineWhereabouts(s, engine);
    const Loco& l = s.locos[static_cast<std::size_t>(engine)];
    return l.number.str() + " " + std::string(locoClass(l.classIndex).name) + " " + l.shed.str() + " " +
           engineWhereabouts(s, engine);
}

} // namespace wm
