#include "movement/rake_as_departure.h"

#include "world/game_state.h"
#include "world/rakes.h"
#include "world/record_checks.h"

namespace wm {

namespace {
/// The portion before the first uncoupled link counted from the leading end, 0 when the whole rake goes.
/// Moving down the part up to it leads; moving up the part after it.
PortionIndex cutPoint(const GameState& s, PortionIndex head, bool up) {
    int steps = 0;
    if (up) {
        for (PortionIndex p = rakeTail(s, head); p != head && steps < portionCapacity;
             p = s.portions[p].prev, ++steps) {
            const PortionIndex before = s.portions[p].prev;
            if (!isPortion(s, before)) break;
            if (!s.portions[before].coupledToNext) return before;
        }
        return 0;
    }
    for (PortionIndex p = head; isPortion(s, p) && s.portions[p].next != 0 && steps < portionCapacity;
         p = s.portions[p].next, ++steps)
        if (!s.portions[p].coupledToNext) return p;
    return 0;
}
} // namespace

int portionsGoingAsDeparture(const GameState& s, PortionIndex head, bool up) {
    const PortionIndex cut = cutPoint(s, head, up);
    if (cut == 0) return rakeLength(s, head);
    const int after = rakeLength(s, s.portions[cut].next);
    return up ? after : rakeLength(s, head) - after;
}

void splitRakeAsDeparture(GameState& s, const MoveContext& move) {
    const DepartureIndex departure = move.rakeGoesAs;
    const LocationId from = move.moveFrom;
    if (!isDeparture(s, departure) || !isPlace(from)) return;
    Location& l = s.locations[from];
    if (l.occState != occStock || !isPortion(s, l.occupant)) return;
    const PortionIndex head = l.occupant;
    // The leading part runs from the end the move leaves by to the first link that is not coupled.
    const PortionIndex cutAfter = cutPoint(s, head, move.moveUp); // 0 when the whole rake goes
    s.departures[departure].location = from;
    if (cutAfter == 0) {
        l.occState = occDeparture;
        l.occupant = departure;
        l.occState2 = occEmpty;
        l.occupant2 = 0;
        return;
    }
    const PortionIndex afterCut = s.portions[cutAfter].next;
    s.portions[cutAfter].next = 0;
    s.portions[cutAfter].coupledToNext = 0;
    if (isPortion(s, afterCut)) s.portions[afterCut].prev = 0;
    if (move.moveUp) {
        // The remainder is at the low end: it stays the main occupant.
        l.occState2 = occDeparture;
        l.occupant2 = departure;
    } else {
        l.occState = occDeparture;
        l.occupant = departure;
        l.occState2 = occStock;
        l.occupant2 = afterCut;
    }
}

} // namespace wm
