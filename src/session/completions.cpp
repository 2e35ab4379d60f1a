#include "session/completions.h"

#include "movement/place_completion.h"
#include "rules/arriving_engines.h"
#include "rules/engine_servicing.h"
#include "rules/train_at_stand.h"
#include "session/approach_queues.h"
#include "session/game.h"
#include "session/main_loop.h"
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

/// The engines that took a departure out come back on its return arrivals.
void departureLeft(Game& g, DepartureIndex departure) {
    GameState& s = g.state;
    const Departure& d = s.departures[departure];
    const int minutesLate = s.clock - d.time;
    const auto book = [&](LocoIndex engine, ArrivalIndex arrival) {
        if (!isRealEngine(engine) || arrival == 0) return;
        if (!bookReturningEngine(s, engine, arrival, minutesLate, [&g](int n) { return g.rand(n); })) return;
        const int line = s.arrivals[arrival].line;
        if (s.locations[s.lines[line].entryPlace].busyTicks == 0) chooseNextArrival(g, line);
    };
    book(d.loco, d.returnArrival);
    book(d.loco2, d.returnArrival2);
}
} // namespace

void reactToCompletion(Game& g, const Completion& done) {
    switch (done.what) {
    case Completed::arrivalLeftEntry:
        arrivalLeftEntry(g, done.arrival);
        break;
    case Completed::departureLeft:
        departureLeft(g, done.departure);
        break;
    case Completed::engineAtSpot:
        if (done.place == coalingPoint) startCoaling(g.state, done.engine, g.services);
        break;
    case Completed::trainAtStand:
        ResetSpeedUp(g);
        settleTrainAtStand(g.state, g.services, done.place);
        break;
    case Completed::engineWatered:
        readyAfterWatering(g.state, done.place);
        break;
    case Completed::engineCoaled:
    case Completed::engineServiced:
        announceEngineWork(g.state, g.services, done);
        break;
    case Completed::shedRoadChanged:
    case Completed::engineTurned:
    case Completed::enginesPlaced:
    case Completed::berthMerged:
    case Completed::workDone:
    case Completed::passedThrough:
        break;
    }
}

void advancePlaces(Game& g) {
    advancePlaces(g.state, [&g](const Completion& done) { reactToCompletion(g, done); });
}

void advanceEngines(Game& g) {
    advanceEngineWork(g.state, [&g](const Completion& done) { reactToCompletion(g, done); });
}

} // namespace wm
