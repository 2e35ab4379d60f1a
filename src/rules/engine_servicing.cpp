#include "rules/engine_servicing.h"

#include "rules/departure_readiness.h"
#include "rules/train_words.h"
#include "world/game_state.h"
#include "world/line_tables.h"
#include "world/loco_places.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"
#include "world/service_places.h"
#include "world/ticks.h"

namespace wm {

namespace {
constexpr int cueSoon = 13;
constexpr int cueOverdue = 15;

bool locoCoalBeingWorked(const GameState& s) {
    const Location& siding = s.locations[locoCoalSiding];
    return siding.occState == occTraffic && siding.occupant > 0 &&
           s.traffic[siding.occupant].trafficType == trafficLocoCoal;
}

bool workCanGoOn(const GameState& s, const Loco& engine) {
    if (engine.watering) return true;
    if ((engine.condition == conditionNeedsServicing || engine.condition == conditionNeedsRepair) &&
        isShedRoad(engine.where))
        return true;
    return engine.condition == conditionNeedsCoal && engine.where == coalingPoint && locoCoalBeingWorked(s);
}

std::string placeCode(const GameState& s, int place) {
    return std::string(s.locations[place].code.view());
}

/// A cancelled light engine takes with it every train it would have worked on.
void cancelChain(GameState& s, DepartureIndex departure) {
    for (int guard = 0; departure > 0 && guard <= departureCapacity; ++guard) {
        s.departures[departure].state = departureGone;
        const ArrivalIndex back = s.departures[departure].returnArrival;
        if (!isArrival(s, back)) return;
        departure = throughDeparture(s, back);
    }
}
} // namespace

void advanceEngineWork(GameState& s, const CompletionSink& report) {
    // One resync puts right every engine it can; doing it again in the same tick would change nothing.
    bool resynced = false;
    for (int i = 1; i <= s.locoCount && i <= locoCapacity; ++i) {
        Loco& engine = s.locos[i];
        if (!resynced && engine.where >= 1 && engine.where <= placeCount &&
            s.locations[engine.where].busyTicks == 0 && !standsAt(s.locations[engine.where], i)) {
            syncAllLocoWhere(s);
            resynced = true;
        }
        if (engine.workTime <= 0 || !workCanGoOn(s, engine)) continue;
        if (--engine.workTime > 0) continue;
        if (engine.watering) {
            engine.watering = 0;
            engine.condition = conditionAvailable;
            // A train waiting for this water no longer needs it.
            if (engine.where >= 1 && engine.where <= placeCount) {
                const Location& place = s.locations[engine.where];
                if (place.occState == occArrival && place.occupant > 0 &&
                    s.arrivals[place.occupant].condCode == condNeedsWaterToo)
                    s.arrivals[place.occupant].condCode = condAvailable;
            }
            report({Completed::engineWatered, engine.where, 0, 0, i});
        } else if (engine.condition == conditionNeedsCoal) {
            engine.condition = conditionNeedsWater;
            report({Completed::engineCoaled, engine.where, 0, 0, i});
        } else if (engine.condition == conditionNeedsServicing || engine.condition == conditionNeedsRepair) {
            engine.condition = conditionNeedsCoal;
            report({Completed::engineServiced, engine.where, 0, 0, i});
        }
    }
}

void readyAfterWatering(GameState& s, LocationId place) {
    if (place < 1 || place > placeCount) return;
    const Location& l = s.locations[place];
    if (l.kind != kindPlatform && l.kind != kindThroughRoad) return;
    checkPlaceReady(s, place);
}

void announceEngineWork(const GameState& s, GameServices& services, const Completion& done) {
    const std::string engine(s.locos[done.engine].number.view());
    if (done.what == Completed::engineCoaled)
        services.notice("Coaling complete on engine " + engine + " in " + placeCode(s, done.place));
    else if (done.what == Completed::engineServiced)
        services.notice("Work complete on engine " + engine + " in " + placeCode(s, done.place));
}

void startCoaling(GameState& s, int engine, GameServices& services) {
    Loco& e = s.locos[engine];
    if (e.condition != conditionNeedsCoal) return;
    e.workTime = 33 + services.rand(10);
    if (!locoCoalBeingWorked(s)) services.notice("No loco coal available in LLC");
}

void applyPilotNeeds(GameState& s, GameServices& services) {
    for (int m = 1; m <= s.lightEngineCount && m <= lightEngineMoveCapacity; ++m) {
        const LightEngineMove& move = s.lightEngineMoves[m];
        if (move.time != s.clock || !isLoco(s, move.loco)) continue;
        Loco& engine = s.locos[move.loco];
        const bool approaching = engine.where > placeCount && engine.where <= 2 * placeCount;
        const int place = approaching ? engine.where - secondBerthOffset : engine.where;
        if (place < 1 || place >= placeCount || s.locations[place].group != move.line) continue;
        if (engine.condition >= move.flag) continue;
        engine.condition = move.flag;
        // The new need stops any watering under way, whose end would otherwise make the engine available.
        engine.watering = 0;
        engine.workTime =
            move.flag == conditionNeedsServicing ? 360 + ticksPerMinute * services.rand(6 * s.difficulty) : 0;
        static const char* const needs[] = {"", " needs water", " needs coal", " end of duty"};
        services.notice("Engine " + std::string(engine.number.view()) +
                        (approaching ? " approaching " : " at ") + placeCode(s, place) +
                        needs[move.flag >= conditionNeedsWater && move.flag <= conditionNeedsServicing
                                  ? move.flag
                                  : conditionAvailable]);
    }
}

void watchLightEngines(GameState& s, GameServices& services) {
    if (s.clock % 10 != 0) return;
    for (int w = 1; w <= s.watchCount && w <= watchListCapacity; ++w) {
        const DepartureIndex d = s.watchList[w].departure;
        if (!isDeparture(s, d)) continue;
        Departure& departure = s.departures[d];
        if (departure.state >= departureOnWayOut || isPilotDuty(departure)) continue;
        const std::string when = trainWords(departure);
        if (isLocalLine(departure.line)) {
            if (departure.time + 15 < s.clock) {
                cancelChain(s, d);
            } else if (departure.time - 15 < s.clock) {
                std::string booked;
                if (isLoco(s, departure.loco)) {
                    const Loco& engine = s.locos[departure.loco];
                    booked = std::string(engine.shed.view()) + std::string(locoClass(engine.classIndex).name);
                }
                services.cue(cueSoon);
                services.notice("Local light engine departure " + when + " due soon: " + booked);
            }
        } else if (isMainLine(departure.line)) {
            if (departure.time < s.clock) {
                services.cue(cueOverdue);
                services.notice("Light engine departure " + when + " overdue");
            } else if (departure.time - 15 < s.clock) {
                services.cue(cueSoon);
                services.notice("Light engine departure " + when + " due soon");
            }
        }
    }
}

} // namespace wm
