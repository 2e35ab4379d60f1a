#include "session/place_orders.h"

#include <string>

#include "movement/reachability.h"
#include "rules/arrival_release.h"
#include "rules/departure_formation.h"
#include "rules/departure_readiness.h"
#include "rules/score_events.h"
#include "session/game.h"
#include "session/info_window.h"
#include "session/main_loop.h"
#include "world/berths.h"
#include "world/group_names.h"
#include "world/loco_places.h"
#include "world/rakes.h"
#include "world/reference_tables.h"
#include "world/service_places.h"
#include "world/ticks.h"

namespace wm {

namespace {

constexpr int waterTicks = 9;
constexpr int dieselUnitClass = 1;

const char* const oneAtATime = "Only one action at a time per section, please";

std::string code(const GameState& s, LocationId place) {
    return std::string(s.locations[place].code.view());
}

bool isDieselUnit(const GameState& s, int engine) {
    return isRealEngine(engine) && s.locos[engine].classIndex == dieselUnitClass;
}

int trainTypeHere(const GameState& s, const Location& l) {
    if (l.occState == occArrival && l.occupant > 0) return s.arrivals[l.occupant].trainType;
    if ((l.occState == occDeparture || l.occState == occReversingDeparture) && l.occupant > 0)
        return s.departures[l.occupant].trainType;
    return -1;
}

/// The refusals coupling and uncoupling share. True when the order may go on.
bool couplingAllowed(Game& g, LocationId place, bool uncoupling) {
    GameState& s = g.state;
    const Location& l = s.locations[place];
    if (!isStockRoad(l.kind)) {
        g.console.ShowNotice("Coupling/uncoupling not allowed there");
        return false;
    }
    if (l.busyTicks > 0 && l.occState != occArrival && l.occState != occTraffic &&
        l.occState != occWorkInProgress) {
        g.console.ShowNotice(oneAtATime);
        return false;
    }
    if (isLightEngine(trainTypeHere(s, l))) {
        g.console.ShowNotice("That is a light engine working");
        return false;
    }
    if (l.occState == occArrival || l.occState == occDeparture || l.occState == occReversingDeparture) {
        for (const StandingEngine& here : enginesAt(l)) {
            if (isDieselUnit(s, here.engine)) {
                g.console.ShowNotice("A DMU can not be coupled or uncoupled");
                return false;
            }
        }
    }
    if (l.occState == occStock && rakeLength(s, l.occupant) >= 2 &&
        (uncoupling || !rakeFullyCoupled(s, l.occupant))) {
        EditCouplings(g, place);
        return false;
    }
    return true;
}

/// What an end of the place offers to couple: 1 the engine to the train, 2 the two engines, 0 nothing.
int couplingOffer(const Location& l, int end) {
    const int inner = innerPlace(end);
    const int outer = outerPlace(end);
    const bool train = l.occState != occEmpty;
    const bool innerEngine = isRealEngine(l.locoAt[inner]);
    const bool outerEngine = isRealEngine(l.locoAt[outer]);
    if (train && (innerEngine || outerEngine) && !l.endFlag[static_cast<std::size_t>(end)]) return 1;
    if (innerEngine && outerEngine && !l.enginePairFlag[static_cast<std::size_t>(end)]) return 2;
    return 0;
}

} // namespace

bool fitsUpYardTurntable(int classIndex) {
    return (classIndex >= 2 && classIndex <= 10) || classIndex == 19 || classIndex == 21;
}

void CoupleOrder(Game& g, LocationId place) {
    if (!couplingAllowed(g, place, false)) return;
    GameState& s = g.state;
    Location& l = s.locations[place];
    const int low = couplingOffer(l, lowEnd);
    const int high = couplingOffer(l, highEnd);
    if (low == 0 && high == 0) {
        g.console.ShowNotice("Nothing to couple");
        return;
    }
    if (low != 0 && high != 0) {
        EditCouplings(g, place);
        return;
    }
    const int end = low != 0 ? lowEnd : highEnd;
    const auto e = static_cast<std::size_t>(end);
    const int inner = innerPlace(end);
    const int outer = outerPlace(end);
    if ((low != 0 ? low : high) == 1) {
        // An engine alone at the outer place first draws up to the train.
        if (!isRealEngine(l.locoAt[inner])) {
            l.locoAt[inner] = l.locoAt[outer];
            l.locoAt[outer] = 0;
        }
        l.endFlag[e] = 1;
        l.couplingTicks[e] = couplingChangeTicks;
        formAfterCoupling(s, place);
        formWholeStock(s, place);
        checkPlaceReady(s, place); // a train already formed there may have wanted only its engine
        return;
    }
    l.enginePairFlag[e] = 1;
    l.enginePairTicks[e] = couplingChangeTicks;
}

void UncoupleOrder(Game& g, LocationId place) {
    if (!couplingAllowed(g, place, true)) return;
    GameState& s = g.state;
    Location& l = s.locations[place];
    const auto coupled = [&l](int end) {
        const auto e = static_cast<std::size_t>(end);
        return (l.endFlag[e] || l.enginePairFlag[e]) && l.couplingTicks[e] == 0 && l.enginePairTicks[e] == 0;
    };
    if (!l.endFlag[0] && !l.endFlag[1] && !l.enginePairFlag[0] && !l.enginePairFlag[1]) {
        g.console.ShowNotice("Nothing to uncouple");
        return;
    }
    int end = -1;
    if (coupled(lowEnd) && coupled(highEnd)) {
        if (l.occState == occReversingDeparture)
            end = highEnd;
        else if (l.occState2 != occEmpty)
            end = lowEnd;
        else
            return EditCouplings(g, place);
    } else if (coupled(lowEnd)) {
        end = lowEnd;
    } else if (coupled(highEnd)) {
        end = highEnd;
    }
    if (end < 0) {
        g.console.ShowNotice("Nothing to uncouple");
        return;
    }
    const auto e = static_cast<std::size_t>(end);
    if (isDieselUnit(s, l.locoAt[innerPlace(end)])) {
        g.console.ShowNotice("Diesel unit cannot be uncoupled");
        return;
    }
    if (l.endFlag[e] && l.enginePairFlag[e]) return EditCouplings(g, place);
    if (l.endFlag[e]) {
        l.endFlag[e] = 0;
        l.couplingTicks[e] = couplingChangeTicks;
        if (releaseArrivalStock(s, place)) formAfterCoupling(s, place);
        return;
    }
    if (l.enginePairFlag[e]) {
        l.enginePairFlag[e] = 0;
        l.enginePairTicks[e] = couplingChangeTicks;
        return;
    }
    g.console.ShowNotice("Nothing to uncouple");
}

void WaterOrder(Game& g, LocationId place) {
    GameState& s = g.state;
    const Location& l = s.locations[place];
    if (l.busyTicks > 0 && l.occState != occArrival && l.occState != occWorkInProgress)
        return g.console.NotPossible();
    struct Column {
        std::string_view code;
        int firstPlace; // 0: the place counted by the engines present
        int otherPlace;
    };
    static constexpr Column columns[] = {
        {"LL4", 0, 0}, {"LL3", 0, 0}, {"LL1", 0, 0}, {"LS3", 3, 4}, {"PL1", 3, 4}, {"UFM", 3, 4},
        {"P6S", 3, 4}, {"PL2", 3, 4}, {"BAY", 3, 4}, {"UG1", 3, 4}, {"UGL", 3, 4}, {"DFM", 2, 1},
        {"P6N", 2, 1}, {"PL3", 2, 1}, {"DT1", 2, 1}, {"DT2", 2, 1},
    };
    int engine = 0;
    for (const Column& column : columns) {
        if (column.code != l.code.view()) continue;
        if (column.firstPlace == 0) {
            const int count = enginesAt(l).size();
            engine = count > 0 ? l.locoAt[count] : 0;
        } else {
            engine = isRealEngine(l.locoAt[column.firstPlace]) ? l.locoAt[column.firstPlace]
                                                               : l.locoAt[column.otherPlace];
        }
        break;
    }
    if (!isRealEngine(engine)) return g.console.NotPossible();
    Loco& e = s.locos[engine];
    if (e.condition != conditionNeedsWater || e.watering || l.occState == occComingIn ||
        l.occState == occEngineComingIn)
        return g.console.NotPossible();
    e.workTime = waterTicks;
    e.watering = 1;
}

namespace {
MoveContext singleEngineMove(LocationId from, LocationId to, int place, LocoIndex engine) {
    MoveContext m;
    m.moveFrom = from;
    m.moveTo = to;
    m.placePicked = place;
    m.moveEngine = engine;
    m.moveUp = to > from;
    return m;
}

/// The engine choice by the direction of the move, when the description could not settle it.
void pickEngine(Game& g, LocationId from, LocationId to) {
    const GameState& s = g.state;
    const Location& l = s.locations[from];
    MoveContext& m = g.move;
    m.moveFrom = from;
    m.moveTo = to;
    m.moveUp = to > from;
    const bool low = hasEngineAtEnd(l, lowEnd);
    const bool high = hasEngineAtEnd(l, highEnd);
    if (l.kind == kindShedRoad) {
        const EnginesHere engines = enginesAt(l);
        const int last = engines.empty() ? 0 : engines.back().place;
        const int p = m.moveUp ? last : 1;
        m = singleEngineMove(from, to, p, l.locoAt[p]);
        return;
    }
    if (l.kind == kindServicePoint || l.kind == kindTurntable) {
        m = singleEngineMove(from, to, 1, l.locoAt[1]);
        return;
    }
    const bool facingEnd = m.moveUp ? high : low;
    if (!(low && high) && !facingEnd) return; // only the far end has engines: the default choice stands
    const auto end = static_cast<std::size_t>(m.moveUp ? highEnd : lowEnd);
    const int inner = innerPlace(static_cast<int>(end));
    const int outer = outerPlace(static_cast<int>(end));
    m.rearEngine = 0;
    m.secondEngine = 0;
    if (isRealEngine(l.locoAt[inner])) {
        m.placePicked = inner;
        m.moveEngine = l.locoAt[inner];
        if (l.enginePairFlag[end] && isRealEngine(l.locoAt[outer])) m.secondEngine = l.locoAt[outer];
    } else {
        m.placePicked = outer;
        m.moveEngine = l.locoAt[outer];
    }
    m.withTrain = l.endFlag[end] != 0;
    if (m.moveUp && l.endFlag[0] && l.endFlag[1] && l.occState2 == occEmpty &&
        isRealEngine(l.locoAt[innerPlace(lowEnd)]))
        m.rearEngine = l.locoAt[innerPlace(lowEnd)];
}

bool workAtFromRefuses(Game& g, LocationId from) {
    const GameState& s = g.state;
    const Location& l = s.locations[from];
    if (l.busyTicks <= 0) return false;
    Console& c = g.console;
    const int minutes = wholeMinutes(l.busyTicks);
    if (l.kind == kindShedRoad) {
        c.ShowNotice(oneAtATime);
    } else if (l.kind == kindTurntable && l.occState == occWorkInProgress) {
        c.CompletionTime(minutes, "Turning");
    } else if (l.occState == occArrival && s.arrivals[l.occupant].group == l.group) {
        c.ShowNotice(g.move.withTrain ? "Please wait for the arrival to be ready" : oneAtATime);
    } else if (l.occState == occComingIn || l.occState == occEngineComingIn) {
        c.ShowNotice(l.kind == kindTurntable ? "Please wait until the engine arrives"
                                             : "Please let it come to a stand first");
    } else if (l.occState == occWorkInProgress) {
        c.ShowNotice(l.kind == kindSiding ? "Please wait for the loading/shunting to be completed"
                                          : "Please wait for the train to be ready");
    } else {
        c.ShowNotice(oneAtATime);
    }
    return true;
}

bool engineBusyRefuses(Game& g, LocationId from) {
    const GameState& s = g.state;
    const MoveContext& m = g.move;
    if (!isRealEngine(m.moveEngine)) return false;
    const Loco& e = s.locos[m.moveEngine];
    const int minutes = wholeMinutes(e.workTime);
    if (e.watering && e.workTime > 0) {
        g.console.CompletionTime(minutes, "Watering");
        return true;
    }
    if (from == coalingPoint && e.condition == conditionNeedsCoal && e.workTime > 0) {
        g.console.CompletionTime(minutes, "Coaling");
        return true;
    }
    if (isShedRoad(from) && (e.condition == conditionNeedsServicing || e.condition == conditionNeedsRepair) &&
        e.workTime > 0) {
        g.console.CompletionTime(minutes, "Repair/Service");
        return true;
    }
    const Location& l = s.locations[from];
    const auto end = static_cast<std::size_t>(m.placePicked >= 3 ? highEnd : lowEnd);
    if (m.placePicked >= 1 && (l.couplingTicks[end] > 0 || l.enginePairTicks[end] > 0)) {
        const bool coupling = l.couplingTicks[end] > 0 ? l.endFlag[end] != 0 : l.enginePairFlag[end] != 0;
        g.console.ShowNotice(coupling ? "It is being coupled" : "It is being uncoupled");
        return true;
    }
    return false;
}

/// A 'to' at the 'from' place: turning on a turntable, or a lone engine changing ends.
void orderWithinPlace(Game& g, LocationId place) {
    GameState& s = g.state;
    Location& l = s.locations[place];
    const MoveContext& m = g.move;
    if (l.kind == kindTurntable) {
        const int engine = l.locoAt[1];
        if (!isRealEngine(engine)) return g.console.NotPossible();
        if (place == upYardTurntable && !fitsUpYardTurntable(s.locos[engine].classIndex)) {
            g.console.ShowNotice("The Up Yard turntable is too short to turn a " +
                                 std::string(locoClass(s.locos[engine].classIndex).name));
            return;
        }
        if (l.busyTicks > 0) return g.console.NotPossible();
        l.busyTicks = g.rand(2) == 0 ? 6 : 9;
        l.occState = occWorkInProgress;
        return;
    }
    const bool loneEngine = l.occState == occEmpty && l.kind != kindShedRoad && l.kind != kindServicePoint &&
                            isRealEngine(m.moveEngine) && !isDieselUnit(s, m.moveEngine) &&
                            m.secondEngine == 0;
    if (!loneEngine || enginesAt(l).size() != 1 || l.busyTicks > 0) return g.console.NotPossible();
    // The berth holds the engine at the other end until the change is done.
    keepContentsInBerth(s, place);
    Location& berth = s.locations[incomingBerth(place)];
    berth.locoAt = {};
    berth.endFlag = {};
    berth.locoAt[5 - m.placePicked] = m.moveEngine;
    l.occState = occChangingEnds;
    l.busyTicks = 2;
}
} // namespace

bool CheckMove(Game& g, LocationId from, LocationId& to) {
    GameState& s = g.state;
    Console& c = g.console;
    if (s.locations[to].kind == kindEntryPoint) ++to;
    const Location& l = s.locations[from];
    if (enginesAt(l).empty()) {
        const Location& berth = s.locations[incomingBerth(from)];
        if (l.occState == occComingIn && berth.occState == occDeparture &&
            isCallingTrain(s.departures[berth.occupant].trainType))
            c.ShowNotice("This train calls at " + groupName(l.group));
        else if (l.occState == occComingIn || l.occState == occEngineComingIn)
            c.ShowNotice("Please wait for the move to be completed");
        else
            c.ShowNotice("Nothing to move");
        return false;
    }
    if (to != from && !canReach(from, to)) {
        c.NotPossible();
        return false;
    }
    ResetSpeedUp(g);
    pickEngine(g, from, to);
    if (workAtFromRefuses(g, from)) return false;
    const Location& target = s.locations[to];
    // An arrival there lets a move in while it is made ready (the berth keeps it), not once it has started
    // out (the berth keeps only what stays behind).
    const Location& targetBerth = s.locations[incomingBerth(to)];
    const bool arrivalStaysThere = target.occState == occArrival && targetBerth.occState == occArrival &&
                                   targetBerth.occupant == target.occupant;
    if (to != from && target.busyTicks > 0 && !arrivalStaysThere && target.occState != occWorkInProgress) {
        if (target.kind == kindExitPoint || target.kind == kindRunningSection)
            RouteNotClear(c);
        else
            c.ShowNotice(oneAtATime);
        return false;
    }
    if (engineBusyRefuses(g, from)) return false;
    if (to == from) {
        orderWithinPlace(g, from);
        return false;
    }
    if (target.kind == kindShedRoad || target.kind == kindServicePoint || target.kind == kindTurntable) {
        const bool lightArrivalInGroup = l.occState == occArrival &&
                                         isLightEngine(s.arrivals[l.occupant].trainType) &&
                                         s.arrivals[l.occupant].group == target.group;
        if ((g.move.withTrain || g.move.secondEngine != 0) && !lightArrivalInGroup) {
            c.ShowNotice("Only a single engine may be moved to " + code(s, to));
            return false;
        }
    }
    return true;
}

} // namespace wm
