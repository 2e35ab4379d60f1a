#include "rules/departure_delay.h"

#include "rules/lateness.h"
#include "rules/score_events.h"
#include "rules/train_words.h"
#include "world/game_state.h"
#include "world/line_tables.h"
#include "world/rakes.h"
#include "world/record_checks.h"

namespace wm {

namespace {
// No shift can hold a train this long: such a figure is left uncounted rather than charged.
constexpr int implausibleDelay = 500;

int graceMinutes(int trainType) {
    if (trainType >= 5 && trainType <= 7) return 5;
    if (trainType == 8 || trainType == 9) return 15;
    if (trainType == 10 || trainType == 11) return 60;
    if (trainType == 12) return 30;
    return 0;
}
} // namespace

bool cameInOn(const Arrival& a, LocoIndex engine) {
    return isRealEngine(engine) && (a.loco == engine || a.loco2 == engine);
}

int minutesBehindTime(const GameState& s, DepartureIndex departure) {
    const Departure& d = s.departures[departure];
    return s.clock - (d.time + departureRunningTime(d.line, d.trainType));
}

ArrivalIndex feedingArrival(const GameState& s, DepartureIndex departure) {
    if (!isDeparture(s, departure)) return 0;
    const ArrivalIndex through = throughArrival(s, departure);
    if (isArrival(s, through)) return through;
    ArrivalIndex latest = 0;
    int guard = 0; // a damaged list must not hold the game
    for (PortionIndex p = s.departures[departure].firstPortion; isPortion(s, p) && guard < portionCapacity;
         p = s.portions[p].depNext, ++guard) {
        const ArrivalIndex a = s.portions[p].arrival;
        if (!isArrival(s, a) || s.arrivals[a].late <= 0) continue;
        if (latest == 0 || s.arrivals[a].late > s.arrivals[latest].late) latest = a;
    }
    return latest;
}

void scoreDepartureDelay(GameState& s, Console& console, DepartureIndex departure, LocoIndex engine) {
    if (!isDeparture(s, departure)) return;
    const Departure& d = s.departures[departure];
    const int behind = minutesBehindTime(s, departure);
    int counted = countedDelay(behind, s.difficulty);
    const ArrivalIndex fed = feedingArrival(s, departure);
    if (fed != 0 && s.arrivals[fed].late > 0) {
        const Arrival& a = s.arrivals[fed];
        const int regained = a.late - (behind + 1);
        if (regained > 4 && d.trainType <= 6 && !cameInOn(a, engine) && d.time < a.time + a.late + 10)
            GainBonusPoints(console, regained / 5, "picking up lost time on " + trainWords(d));
        counted -= a.late; // the arrival brought that lateness with it
    }
    counted -= graceMinutes(d.trainType) + 1;
    if (counted > 0 && counted < implausibleDelay)
        LoseBonusPoints(console, counted, "delaying departure of " + trainWords(d));
}

} // namespace wm
