#include "rules/arrival_release.h"

#include "world/game_state.h"
#include "world/rakes.h"
#include "world/record_checks.h"

namespace wm {

void standArrivalRake(GameState& s, ArrivalIndex arrival, LocationId place) {
    const PortionIndex first = s.arrivals[arrival].firstPortion;
    Location& l = s.locations[place];
    l.occState = occStock;
    l.occupant = first;
    setRakeLocation(s, first, place);
    int guard = 0;
    for (PortionIndex p = first; isPortion(s, p) && guard <= portionCapacity;
         p = s.portions[p].next, ++guard) {
        Portion& portion = s.portions[p];
        if (portion.portionState != portionOnTrain) continue;
        portion.portionState = portion.traffic != 0 ? portionDetached : portionStanding;
    }
}

bool releaseArrivalStock(GameState& s, LocationId place) {
    if (!isPlace(place)) return false;
    const Location& l = s.locations[place];
    if (l.occState != occArrival || !isArrival(s, l.occupant) || l.busyTicks > 0) return false;
    if (l.endFlag[lowEnd] || l.endFlag[highEnd]) return false;
    if (!isPortion(s, s.arrivals[l.occupant].firstPortion)) return false;
    standArrivalRake(s, l.occupant, place);
    return true;
}

} // namespace wm
