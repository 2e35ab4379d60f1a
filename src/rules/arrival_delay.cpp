#include "rules/arrival_delay.h"

#include <algorithm>

#include "console/time_format.h"
#include "rules/arrival_shunting.h"
#include "rules/lateness.h"
#include "rules/score_events.h"
#include "world/game_state.h"
#include "world/rakes.h"
#include "world/record_checks.h"

namespace wm {

namespace {
constexpr int runningOnMinutes = 10;
} // namespace

int arrivalGrace(int trainType) {
    switch (trainType) {
    case 5:
    case 6:
    case 7:
        return 5;
    case 8:
    case 9:
        return 30;
    case 10:
    case 11:
        return 120;
    case 12:
        return 60;
    default:
        return 0;
    }
}

int countedArrivalDelay(const GameState& s, ArrivalIndex arrival) {
    if (!isArrival(s, arrival)) return 0;
    const Arrival& a = s.arrivals[arrival];
    const DepartureIndex onward = throughDeparture(s, arrival);
    if (onward != 0 && s.departures[onward].time < a.time + runningOnMinutes) return 0;
    const int late = countedDelay(s.clock - a.time - std::max(a.late, 0), s.difficulty);
    return late - arrivalGrace(a.trainType);
}

void chargeArrivalDelay(const GameState& s, Console& console, LocationId place, ArrivalIndex arrival) {
    if (!isPlace(place) || !isArrival(s, arrival)) return;
    const Arrival& a = s.arrivals[arrival];
    if (s.locations[place].group != a.group || mayShuntArrival(s, place, arrival)) return;
    const int minutes = countedArrivalDelay(s, arrival);
    if (minutes > 0)
        LoseBonusPoints(console, minutes,
                        "delaying arrival of " + FormatTime(a.time) + " from " + a.origin.str());
}

} // namespace wm
