#include "session/completions.h"

#include "movement/place_completion.h"
#include "rules/arrival_release.h"
#include "rules/arriving_engines.h"
#include "rules/departure_delay.h"
#include "rules/departure_formation.h"
#include "rules/departure_readiness.h"
#include "rules/departure_scoring.h"
#include "rules/engine_servicing.h"
#include "rules/exchange_sidings.h"
#include "rules/traffic_work.h"
#include "rules/train_at_stand.h"
#include "session/approach_queues.h"
#include "session/game.h"
#include "session/main_loop.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"
#include "world/service_places.h"

namespace wm {

namespace {
void arrivalLeftEntry(Game& g, ArrivalIndex arrival) {
    GameState& s = g.state;
    const Arrival& a = s.arrivals[arrival];
    const int line = a.line;
    if (line < 1 || line > lineCapacity) return;
    const bool freight = isFreightFamily(a.trainType);
    if (freight)
        advanceFreightQueue(g, line);
    else
        advancePassengerQueue(g, line);
    prepareNextArrival(g, line, freight);
    chooseNextArrival(g, line);
    s.lines[line].waitCount = 0;
    if (s.lines[line].chosenArrival == arrival) g.console.ShowNotice("Duplicate arrival");
    for (LocoIndex engine : {a.loco, a.loco2})
        if (isRealEngine(engine)) s.locos[engine].lateAllowance = a.late;
}

/// The departure is scored as it leaves; then the engines that took it out come back on its return
/// arrivals, later the more it was behind its time.
void departureLeft(Game& g, const Completion& done) {
    GameState& s = g.state;
    const DepartureIndex departure = done.departure;
    if (!isDeparture(s, departure)) return;
    scoreDepartureLeaving(s, g.console, departure, done.engine, done.engine2);
    const Departure& d = s.departures[departure];
    const int behind = minutesBehindTime(s, departure);
    const auto book = [&](LocoIndex engine, ArrivalIndex arrival) {
        if (!isRealEngine(engine) || !isArrival(s, arrival)) return;
        if (!bookReturningEngine(s, engine, arrival, behind, [&g](int n) { return g.rand(n); })) return;
        const int line = s.arrivals[arrival].line;
        if (s.locations[s.lines[line].entryPlace].busyTicks == 0) chooseNextArrival(g, line);
    };
    book(done.engine, d.returnArrival);
    book(done.engine2, d.returnArrival2);
}
/// The line's outward trip has been put out in the exchange siding rather than at its entry place.
void outwardTrafficPlaced(Game& g, ArrivalIndex arrival) {
    GameState& s = g.state;
    const int line = s.arrivals[arrival].line;
    if (line < 1 || line > lineCapacity) return;
    advanceFreightQueue(g, line);
    prepareNextArrival(g, line, true);
    if (s.locations[s.lines[line].entryPlace].busyTicks == 0) chooseNextArrival(g, line);
}
} // namespace

void reactToCompletion(Game& g, const Completion& done) {
    switch (done.what) {
    case Completed::arrivalLeftEntry:
        arrivalLeftEntry(g, done.arrival);
        break;
    case Completed::departureLeft:
        departureLeft(g, done);
        break;
    case Completed::engineAtSpot:
        if (done.place == coalingPoint) startCoaling(g.state, done.engine, g.services);
        break;
    case Completed::trainAtStand:
        ResetSpeedUp(g);
        settleTrainAtStand(g.state, g.console, g.services, done.place);
        break;
    case Completed::engineWatered:
        readyAfterWatering(g.state, done.place);
        break;
    case Completed::engineCoaled:
    case Completed::engineServiced:
        announceEngineWork(g.state, g.services, done);
        break;
    case Completed::berthMerged:
        // An arrival uncoupled while its passengers were still getting off is released once they have.
        if (releaseArrivalStock(g.state, done.place)) formAfterCoupling(g.state, done.place);
        break;
    case Completed::outwardTrafficPlaced:
        outwardTrafficPlaced(g, done.arrival);
        break;
    case Completed::shedRoadChanged:
    case Completed::engineTurned:
    case Completed::enginesPlaced:
    case Completed::workDone:
        checkPlaceReady(g.state, done.place);
        break;
    case Completed::passedThrough:
        break;
    }
}

void advancePlaces(Game& g) {
    advancePlaces(g.state, [&g](const Completion& done) { reactToCompletion(g, done); });
}

void advanceTraffic(Game& g) {
    advanceTrafficWork(g.state, g.console, g.services);
}

void serveExchanges(Game& g) {
    serveExchangeSidings(g.state, g.console, g.services,
                         [&g](const Completion& done) { reactToCompletion(g, done); });
}

void advanceEngines(Game& g) {
    advanceEngineWork(g.state, [&g](const Completion& done) { reactToCompletion(g, done); });
}

} // namespace wm
