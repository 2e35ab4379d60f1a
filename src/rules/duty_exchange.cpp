#include "rules/duty_exchange.h"

#include "world/game_state.h"
#include "world/lookups.h"

namespace wm {

void exchangeLaterDuties(GameState& s, DepartureIndex departure, LocoIndex used, LocoIndex booked) {
    if (!isRealEngine(used)) return;
    const LocoIndex standby = findLocoByDuty(s, standbyUnitDuty);
    const bool wasBooked = isRealEngine(booked);
    // Without a standby unit the used engine keeps its own later duties rather than leave them unworked.
    const LocoIndex takesUsedDuties = wasBooked ? booked : standby;
    // The diesel units, from the standby unit on in the table, keep their own days.
    const bool bookedMayMove = wasBooked && (standby == 0 || booked < standby);
    for (DepartureIndex later = departure + 1; later <= s.departureCount; ++later) {
        Departure& d = s.departures[later];
        if (d.state >= departureOnWayOut) continue;
        for (LocoIndex* duty : {&d.loco, &d.loco2}) {
            if (*duty == used) {
                if (takesUsedDuties != 0) *duty = takesUsedDuties;
            } else if (bookedMayMove && *duty == booked) {
                *duty = used;
            }
        }
    }
}

} // namespace wm
