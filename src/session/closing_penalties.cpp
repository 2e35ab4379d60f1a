#include "session/closing_penalties.h"

#include <cstdlib>
#include <string>

#include "console/time_format.h"
#include "rules/arrival_delay.h"
#include "rules/departure_delay.h"
#include "rules/lateness.h"
#include "rules/score_events.h"
#include "world/game_state.h"
#include "world/line_tables.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
// No shift can hold a departure this long: such a figure is left uncounted rather than charged.
constexpr int implausibleDelay = 500;
constexpr int heldParcelsGrace = 5;

bool isParcelsMilkOrStock(int trainType) {
    return trainType >= 5 && trainType <= 7;
}
} // namespace

void ChargeHeldArrivals(GameState& s, Console& console) {
    for (int line = 1; line <= lineCapacity; ++line) {
        const Line& l = s.lines[line];
        const ArrivalIndex next = l.nextPassenger;
        if (!isArrival(s, next) || l.waitCount == 0) continue;
        const Arrival& a = s.arrivals[next];
        // Lines without an approach keep their starting pointer, which names another line's train.
        if (a.line != line) continue;
        int held = l.waitCount / 2 - std::abs(a.late) - delayTolerance(s.difficulty);
        if (isParcelsMilkOrStock(a.trainType)) held -= heldParcelsGrace;
        const bool overdue = a.time - approachTime(a.group, a.line, a.trainType) < s.clock;
        if (held > 0 && overdue)
            LoseBonusPoints(console, held,
                            "delaying incoming " + FormatTime(a.time) + " from " + a.origin.str());
    }
}

void ChargeLateDepartures(GameState& s, Console& console) {
    for (DepartureIndex i = 1; i <= s.departureCount; ++i) {
        const Departure& d = s.departures[i];
        if (d.state >= departureOnWayOut || d.time >= s.clock || !isMainLine(d.line)) continue;
        int late =
            s.clock - d.time - approachTime(d.group, d.line, d.trainType) - delayTolerance(s.difficulty);
        const ArrivalIndex fed = feedingArrival(s, i);
        if (isArrival(s, fed)) {
            const Arrival& a = s.arrivals[fed];
            if (a.late > 0) late -= a.late;
            // The queue has not reached its train: nothing the player could have sent.
            if (!isFreightFamily(a.trainType) && a.line >= 1 && a.line <= lineCapacity &&
                s.lines[a.line].nextPassenger < fed)
                late = 0;
        }
        if (d.state == departureBuilt) late = 0;
        late -= arrivalGrace(d.trainType) + d.lateAllowance + 1;
        if (late > 0 && late < implausibleDelay)
            LoseBonusPoints(console, late,
                            "late departure of " + FormatTime(d.time) + " to " + d.destination.str());
    }
}

} // namespace wm
