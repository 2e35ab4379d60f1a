#include "world/invariants.h"

#include <map>
#include <vector>

#include "world/berths.h"
#include "world/game_state.h"
#include "world/loco_places.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {

constexpr int reportsPerInvariant = 5;

class Findings {
  public:
    void add(const char* name, std::string detail) {
        int& count = counts_[name];
        if (++count <= reportsPerInvariant) found_.push_back({name, std::move(detail)});
    }
    std::vector<BrokenInvariant> take() { return std::move(found_); }

  private:
    std::vector<BrokenInvariant> found_;
    std::map<std::string, int> counts_;
};

std::string placeName(const GameState& s, LocationId id) {
    const LocationId place = id > secondBerthOffset ? id - secondBerthOffset : id;
    std::string name = "place " + std::to_string(place);
    if (isPlace(place)) name += " \"" + std::string(s.locations[place].code.view()) + "\"";
    if (id > secondBerthOffset) name += " (incoming berth)";
    return name;
}

bool atRest(const GameState& s, LocationId place) {
    return s.locations[place].busyTicks == 0;
}

/// The berths whose contents stand: a place at rest, and the incoming berth of a place where a move or
/// work is under way (what the place will hold). A place a train only passes through holds nothing: its
/// berth names the passing train for the screen, while the train stands where it is bound.
std::vector<LocationId> standingBerths(const GameState& s) {
    std::vector<LocationId> berths;
    for (LocationId place = 1; place <= placeCount; ++place) {
        if (atRest(s, place))
            berths.push_back(place);
        else if (s.locations[place].occState != occPassingThrough)
            berths.push_back(incomingBerth(place));
    }
    return berths;
}

/// An engine field: none (0), no real engine (999), or an engine of the table.
bool engineFieldOk(const GameState& s, int engine) {
    return engine == 0 || engine == noEngine || isLoco(s, engine);
}

bool whereOk(const GameState& s, int where) {
    if (where == 0 || (where >= 1 && where < locationCapacity)) return true;
    if (const ArrivalIndex a = arrivalOfWhere(where); a != 0) return isArrival(s, a);
    if (const DepartureIndex d = departureOfWhere(where); d != 0) return isDeparture(s, d);
    return false;
}

void checkCapacities(const GameState& s, Findings& f) {
    const auto within = [&](const char* table, int count, int capacity) {
        if (count < 0 || count > capacity)
            f.add(invariant::capacity, std::string(table) + " count " + std::to_string(count) +
                                           " outside 0.." + std::to_string(capacity));
    };
    within("location", s.locationCount, locationCapacity);
    within("engine", s.locoCount, locoCapacity);
    within("departure", s.departureCount, departureCapacity);
    within("arrival", s.arrivalCount, arrivalCapacity);
    within("traffic", s.trafficCount, trafficCapacity);
    within("portion", s.portionCount, portionCapacity);
    within("light-engine move", s.lightEngineCount, lightEngineMoveCapacity);
    within("watch list", s.watchCount, watchListCapacity);
}

/// Counts within capacity, so the tables can be walked up to them.
int used(int count, int capacity) {
    return count < 0 ? 0 : count > capacity ? capacity : count;
}

void checkReferences(const GameState& s, Findings& f) {
    // Names are only written out for what is reported: the check runs after every command and tick.
    const auto bad = [&](const auto& record, const char* field, int value) {
        f.add(invariant::reference, record() + " " + field + " = " + std::to_string(value));
    };
    const auto optional = [](bool ok, int value) { return value == 0 || ok; };
    for (LocationId id = 1; id <= used(s.locationCount, locationCapacity); ++id) {
        const Location& l = s.locations[id];
        for (int k = 1; k <= 4; ++k)
            if (!engineFieldOk(s, l.locoAt[k]))
                bad([&] { return placeName(s, id); }, ("locoAt[" + std::to_string(k) + "]").c_str(),
                    l.locoAt[k]);
    }
    for (LocoIndex e = 1; e <= used(s.locoCount, locoCapacity); ++e) {
        const Loco& loco = s.locos[e];
        const auto name = [&] {
            return "engine " + std::to_string(e) + " \"" + std::string(loco.number.view()) + "\"";
        };
        if (!whereOk(s, loco.where)) bad(name, "where", loco.where);
        if (loco.classIndex < 0 || loco.classIndex >= locoClassCount)
            bad(name, "classIndex", loco.classIndex);
        if (loco.condition < conditionAvailable || loco.condition > conditionOutOfUse)
            bad(name, "condition", loco.condition);
    }
    for (DepartureIndex d = 1; d <= used(s.departureCount, departureCapacity); ++d) {
        const Departure& dep = s.departures[d];
        const auto name = [&] {
            return "departure " + std::to_string(d) + " \"" + std::string(dep.code.view()) + "\"";
        };
        if (!engineFieldOk(s, dep.loco)) bad(name, "loco", dep.loco);
        if (!engineFieldOk(s, dep.loco2)) bad(name, "loco2", dep.loco2);
        if (!optional(isArrival(s, dep.returnArrival), dep.returnArrival))
            bad(name, "returnArrival", dep.returnArrival);
        if (!optional(isArrival(s, dep.returnArrival2), dep.returnArrival2))
            bad(name, "returnArrival2", dep.returnArrival2);
        if (dep.location < 0 || dep.location >= locationCapacity) bad(name, "location", dep.location);
        if (!optional(isPortion(s, dep.firstPortion), dep.firstPortion))
            bad(name, "firstPortion", dep.firstPortion);
        if (dep.state < departureGathering || dep.state > departureGone) bad(name, "state", dep.state);
    }
    for (ArrivalIndex a = 1; a <= used(s.arrivalCount, arrivalCapacity); ++a) {
        const Arrival& arr = s.arrivals[a];
        const auto name = [&] {
            return "arrival " + std::to_string(a) + " \"" + std::string(arr.code.view()) + "\"";
        };
        if (!engineFieldOk(s, arr.loco)) bad(name, "loco", arr.loco);
        if (!engineFieldOk(s, arr.loco2)) bad(name, "loco2", arr.loco2);
        if (!optional(isPortion(s, arr.firstPortion), arr.firstPortion))
            bad(name, "firstPortion", arr.firstPortion);
    }
    for (TrafficIndex t = 1; t <= used(s.trafficCount, trafficCapacity); ++t) {
        const Traffic& tr = s.traffic[t];
        const auto name = [&] {
            return "traffic " + std::to_string(t) + " \"" + std::string(tr.name.view()) + "\"";
        };
        if (!optional(isDeparture(s, tr.departure), tr.departure)) bad(name, "departure", tr.departure);
        if (!optional(isPortion(s, tr.portion), tr.portion))
            bad(name, "portion", tr.portion);
        else if (tr.portion != 0 && s.portions[tr.portion].traffic != t)
            bad(name, "portion, whose traffic is another,", tr.portion);
    }
    for (PortionIndex p = 1; p <= used(s.portionCount, portionCapacity); ++p) {
        const Portion& por = s.portions[p];
        const auto name = [&] { return "portion " + std::to_string(p); };
        if (!optional(isArrival(s, por.arrival), por.arrival)) bad(name, "arrival", por.arrival);
        if (!optional(isDeparture(s, por.departure), por.departure)) bad(name, "departure", por.departure);
        if (!optional(isTraffic(s, por.traffic), por.traffic))
            bad(name, "traffic", por.traffic);
        else if (por.traffic != 0 && s.traffic[por.traffic].portion != p)
            bad(name, "traffic, whose portion is another,", por.traffic);
        if (por.location < 0 || por.location >= locationCapacity) bad(name, "location", por.location);
        for (auto [field, value] : {std::pair{"next", por.next}, std::pair{"prev", por.prev},
                                    std::pair{"depNext", por.depNext}, std::pair{"depPrev", por.depPrev}})
            if (!optional(isPortion(s, value), value)) bad(name, field, value);
        if (por.portionState < portionOnTrain || por.portionState > portionHandedOver)
            bad(name, "portionState", por.portionState);
    }
    for (int line = 1; line <= lineCapacity; ++line) {
        const Line& l = s.lines[line];
        const auto name = [&] { return "line " + std::to_string(line); };
        if (!isPlace(l.entryPlace)) bad(name, "entryPlace", l.entryPlace);
        // A pending index may stand one past the last arrival once the line's run is used up.
        for (auto [field, value] :
             {std::pair{"nextPassenger", l.nextPassenger}, std::pair{"nextFreight", l.nextFreight},
              std::pair{"lastArrival", l.lastArrival}})
            if (value < 0 || value > s.arrivalCount + 1) bad(name, field, value);
        if (!optional(isArrival(s, l.chosenArrival), l.chosenArrival))
            bad(name, "chosenArrival", l.chosenArrival);
    }
    for (int m = 1; m <= used(s.lightEngineCount, lightEngineMoveCapacity); ++m)
        if (!engineFieldOk(s, s.lightEngineMoves[m].loco))
            bad([&] { return "light-engine move " + std::to_string(m); }, "loco", s.lightEngineMoves[m].loco);
    for (int w = 1; w <= used(s.watchCount, watchListCapacity); ++w)
        if (!isDeparture(s, s.watchList[w].departure))
            bad([&] { return "watch-list entry " + std::to_string(w); }, "departure",
                s.watchList[w].departure);
}

void checkTimers(const GameState& s, Findings& f) {
    const auto below = [&](const auto& what, int value, int floor) {
        if (value < floor) f.add(invariant::timer, what() + " = " + std::to_string(value));
    };
    for (int section = 1; section <= sectionCount; ++section)
        below([&] { return "section " + std::to_string(section) + " timer"; }, s.sectionTimer[section], 0);
    below([] { return std::string("branchTimer"); }, s.branchTimer, 0);
    for (LocationId id = 1; id <= used(s.locationCount, locationCapacity); ++id) {
        const Location& l = s.locations[id];
        below([&] { return placeName(s, id) + " busyTicks"; }, l.busyTicks, 0);
        for (std::size_t end = 0; end < 2; ++end) {
            below([&] { return placeName(s, id) + " couplingTicks"; }, l.couplingTicks[end], 0);
            below([&] { return placeName(s, id) + " enginePairTicks"; }, l.enginePairTicks[end], 0);
        }
    }
    for (LocoIndex e = 1; e <= used(s.locoCount, locoCapacity); ++e)
        below([&] { return "engine " + std::to_string(e) + " workTime"; }, s.locos[e].workTime, 0);
    for (TrafficIndex t = 1; t <= used(s.trafficCount, trafficCapacity); ++t)
        below([&] { return "traffic " + std::to_string(t) + " readyAt"; }, s.traffic[t].readyAt, -1);
}

void checkEnginePlaces(const GameState& s, Findings& f) {
    std::map<LocoIndex, LocationId> standsIn;
    for (LocationId id : standingBerths(s)) {
        const Location& l = s.locations[id];
        const LocationId place = id > secondBerthOffset ? id - secondBerthOffset : id;
        for (const StandingEngine& here : enginesAt(l)) {
            const LocoIndex e = here.engine;
            if (!isLoco(s, e)) continue;
            if (here.place > l.locoSlots && id == place)
                f.add(invariant::enginePlace, "engine " + std::to_string(e) + " in engine place " +
                                                  std::to_string(here.place) + " of " + placeName(s, id) +
                                                  ", which has " + std::to_string(l.locoSlots));
            const auto [first, fresh] = standsIn.emplace(e, id);
            if (!fresh)
                f.add(invariant::enginePlace, "engine " + std::to_string(e) + " stands in " +
                                                  placeName(s, first->second) + " and in " +
                                                  placeName(s, id));
            // In an incoming berth an engine is either on its way there or already stood at the place; one
            // running light off the layout by an exit has already left it.
            const int where = s.locos[e].where;
            const bool goingOff = id != place && s.locations[place].kind == kindExitPoint && where == 0;
            if (where != id && where != place && !goingOff)
                f.add(invariant::enginePlace, "engine " + std::to_string(e) + " stands in " +
                                                  placeName(s, id) + " but its where is " +
                                                  std::to_string(where));
        }
    }
    for (LocoIndex e = 1; e <= used(s.locoCount, locoCapacity); ++e) {
        const int where = s.locos[e].where;
        const auto name = [&] { return "engine " + std::to_string(e); };
        if (const LocationId place = placeOfWhere(where); place != 0) {
            const bool held =
                standsAt(s.locations[where], e) ||
                (where == place && !atRest(s, place) && standsAt(s.locations[incomingBerth(place)], e));
            if (!held)
                f.add(invariant::enginePlace, name() + " has where " + std::to_string(where) + " but " +
                                                  placeName(s, where) + " does not hold it");
            continue;
        }
        if (const DepartureIndex d = departureOfWhere(where); isDeparture(s, d)) {
            if (s.departures[d].state != departureGone)
                f.add(invariant::enginePlace, name() + " has left with departure " + std::to_string(d) +
                                                  ", which has not left (state " +
                                                  std::to_string(s.departures[d].state) + ")");
            continue;
        }
        const ArrivalIndex a = arrivalOfWhere(where);
        if (a == 0 || !isArrival(s, a)) continue;
        const bool second = where > whereSecondEngineOnArrival;
        if ((second ? s.arrivals[a].loco2 : s.arrivals[a].loco) != e)
            f.add(invariant::enginePlace, name() + " has where " + std::to_string(where) + " but arrival " +
                                              std::to_string(a) + " does not name it as its " +
                                              (second ? "second engine" : "engine"));
    }
}

void checkRakeLinks(const GameState& s, Findings& f) {
    const int count = used(s.portionCount, portionCapacity);
    const auto links = [&](PortionIndex Portion::*forward, PortionIndex Portion::*back, const char* list) {
        std::vector<bool> reached(static_cast<std::size_t>(count) + 1, false);
        for (PortionIndex p = 1; p <= count; ++p) {
            const Portion& por = s.portions[p];
            const PortionIndex n = por.*forward;
            if (n != 0 && isPortion(s, n) && s.portions[n].*back != p)
                f.add(invariant::rakeLinks, std::string(list) + ": portion " + std::to_string(p) +
                                                " leads to " + std::to_string(n) + ", which leads back to " +
                                                std::to_string(s.portions[n].*back));
            if (por.*back != 0 || n == 0) continue;
            // A head: walk to the tail; a walk longer than the table has gone round a cycle.
            int steps = 0;
            for (PortionIndex q = p; q != 0 && isPortion(s, q) && steps <= count;
                 q = s.portions[q].*forward) {
                reached[static_cast<std::size_t>(q)] = true;
                ++steps;
            }
        }
        for (PortionIndex p = 1; p <= count; ++p)
            if (!reached[static_cast<std::size_t>(p)] && s.portions[p].*back != 0 &&
                isPortion(s, s.portions[p].*back))
                f.add(invariant::rakeLinks, std::string(list) + ": portion " + std::to_string(p) +
                                                " is in a chain with no head (a cycle)");
    };
    links(&Portion::next, &Portion::prev, "rake");
    links(&Portion::depNext, &Portion::depPrev, "departure list");

    for (DepartureIndex d = 1; d <= used(s.departureCount, departureCapacity); ++d) {
        const Departure& dep = s.departures[d];
        const auto name = [&] {
            return "departure " + std::to_string(d) + " \"" + std::string(dep.code.view()) + "\"";
        };
        if (dep.firstPortion != 0 && isPortion(s, dep.firstPortion) &&
            s.portions[dep.firstPortion].depPrev != 0)
            f.add(invariant::rakeLinks, name() + " starts its list at portion " +
                                            std::to_string(dep.firstPortion) +
                                            ", which has a portion before it");
        int length = 0;
        for (PortionIndex p = dep.firstPortion; p != 0 && isPortion(s, p) && length <= count;
             p = s.portions[p].depNext) {
            ++length;
            if (s.portions[p].departure != d)
                f.add(invariant::rakeLinks, name() + " lists portion " + std::to_string(p) +
                                                ", which is for departure " +
                                                std::to_string(s.portions[p].departure));
        }
        if (!isPseudoDeparture(dep) && dep.portionCount != length)
            f.add(invariant::rakeLinks, name() + " counts " + std::to_string(dep.portionCount) +
                                            " portions but lists " + std::to_string(length));
    }
    for (PortionIndex p = 1; p <= count; ++p) {
        const Portion& por = s.portions[p];
        if (por.departure == 0 || por.depPrev != 0 || !isDeparture(s, por.departure)) continue;
        if (s.departures[por.departure].firstPortion != p)
            f.add(invariant::rakeLinks, "portion " + std::to_string(p) + " is for departure " +
                                            std::to_string(por.departure) + " but not in its list");
    }
}

/// What a berth's state says its occupant is, and whether the occupant is one.
bool occupantFits(const GameState& s, int occState, int occupant) {
    switch (occState) {
    case occEmpty:
        return occupant == 0;
    case occArrival:
        return isArrival(s, occupant);
    case occDeparture:
    case occReversingDeparture:
        return isDeparture(s, occupant);
    case occStock:
        return isPortion(s, occupant) && s.portions[occupant].prev == 0;
    case occTraffic:
        return isTraffic(s, occupant);
    default:
        return false;
    }
}

void checkOccupants(const GameState& s, Findings& f) {
    std::map<std::pair<int, int>, LocationId> standsIn; // (kind of record, record) to the place holding it
    const auto once = [&](LocationId id, int occState, int occupant) {
        const int kind = occState == occReversingDeparture ? int(occDeparture) : occState;
        if (kind < occArrival || kind > occTraffic || occupant == 0) return;
        const auto [first, fresh] = standsIn.emplace(std::pair{kind, occupant}, id);
        if (!fresh)
            f.add(invariant::occupant, "occupant " + std::to_string(occupant) + " of occState " +
                                           std::to_string(kind) + " stands in " +
                                           placeName(s, first->second) + " and in " + placeName(s, id));
    };
    for (LocationId id : standingBerths(s)) {
        const Location& l = s.locations[id];
        once(id, l.occState, l.occupant);
        once(id, l.occState2, l.occupant2);
        const bool transient = l.occState >= occFirstMoveState && l.occState < occReversingDeparture;
        // A place still showing a move under way is the berth-merged invariant's to report.
        if (!transient && !occupantFits(s, l.occState, l.occupant))
            f.add(invariant::occupant, placeName(s, id) + " has occState " + std::to_string(l.occState) +
                                           " with occupant " + std::to_string(l.occupant));
        if (!occupantFits(s, l.occState2, l.occupant2))
            f.add(invariant::occupant, placeName(s, id) + " has occState2 " + std::to_string(l.occState2) +
                                           " with occupant2 " + std::to_string(l.occupant2));
    }
}

void checkRakeLocations(const GameState& s, Findings& f) {
    const int count = used(s.portionCount, portionCapacity);
    for (LocationId id : standingBerths(s)) {
        const Location& l = s.locations[id];
        const LocationId place = id > secondBerthOffset ? id - secondBerthOffset : id;
        for (auto [state, occupant] :
             {std::pair{int(l.occState), l.occupant}, std::pair{int(l.occState2), l.occupant2}}) {
            PortionIndex head = 0;
            if (state == occStock && isPortion(s, occupant)) head = occupant;
            if (state == occTraffic && isTraffic(s, occupant)) head = s.traffic[occupant].portion;
            int steps = 0;
            for (PortionIndex p = head; p != 0 && isPortion(s, p) && steps <= count;
                 p = s.portions[p].next, ++steps)
                if (s.portions[p].location != place)
                    f.add(invariant::rakeLocation, "portion " + std::to_string(p) + " of the rake in " +
                                                       placeName(s, id) + " has location " +
                                                       std::to_string(s.portions[p].location));
        }
    }
}

void checkBerthsMerged(const GameState& s, Findings& f) {
    for (LocationId place = 1; place <= placeCount; ++place) {
        const Location& l = s.locations[place];
        if (l.busyTicks != 0) continue;
        if (l.occState >= occFirstMoveState && l.occState < occReversingDeparture)
            f.add(invariant::berthMerged,
                  placeName(s, place) + " is at rest with occState " + std::to_string(l.occState));
        const Location& berth = s.locations[incomingBerth(place)];
        const bool empty = berth.occState == occEmpty && berth.occupant == 0 && berth.occState2 == occEmpty &&
                           berth.occupant2 == 0 && enginesAt(berth).empty() && berth.busyTicks == 0;
        if (!empty)
            f.add(invariant::berthMerged,
                  placeName(s, place) + " is at rest but its incoming berth holds occState " +
                      std::to_string(berth.occState) + " occupant " + std::to_string(berth.occupant) + ", " +
                      std::to_string(enginesAt(berth).size()) + " engine(s)");
    }
}

} // namespace

std::vector<BrokenInvariant> findBrokenInvariants(const GameState& s, const InvariantInputs& inputs) {
    Findings f;
    checkCapacities(s, f);
    checkReferences(s, f);
    checkTimers(s, f);
    checkBerthsMerged(s, f);
    checkOccupants(s, f);
    checkEnginePlaces(s, f);
    checkRakeLinks(s, f);
    checkRakeLocations(s, f);
    if (inputs.scoreFromEvents && *inputs.scoreFromEvents != s.score)
        f.add(invariant::score, "score " + std::to_string(s.score) + " but the scored changes add up to " +
                                    std::to_string(*inputs.scoreFromEvents));
    return f.take();
}

} // namespace wm
