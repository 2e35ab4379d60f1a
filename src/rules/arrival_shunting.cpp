#include "rules/arrival_shunting.h"

#include "world/game_state.h"
#include "world/group_names.h"
#include "world/rakes.h"
#include "world/record_checks.h"

namespace wm {

bool mayShuntArrival(const GameState& s, LocationId place, int arrival) {
    if (!isPlace(place) || !isArrival(s, arrival)) return false;
    const Arrival& a = s.arrivals[arrival];
    const Location& l = s.locations[place];
    if (a.trainType < 9 || a.trainType > 11 || l.group != a.group) return false;
    const DepartureIndex forms = departureFormedBy(s, arrival);
    if (forms != 0 && s.departures[forms].time < a.time + 12) return false;
    if (l.group == upYardGroup) return place < 131 || place > 137;
    if (l.group == downYardGroup) return place < 142 || place > 151;
    return false;
}

} // namespace wm
