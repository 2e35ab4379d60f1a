#include "world/placements.h"

#include "world/build_context.h"
#include "world/game_state.h"
#include "world/lookups.h"
#include "world/rakes.h"
#include "world/route_compatibility.h"
#include "world/ticks.h"
#include "world/train_builders.h"

#include <string>

namespace wm {

namespace {

constexpr int neverReadyMinutes = 1600; // longer than the day
constexpr int departureLead = 571;      // minutes before the departure's time the work is done
constexpr int earlyTrafficAllowance = 480;
constexpr int latestWorkMinutes = 710;
constexpr int workSpread = 25;
constexpr int wrongGroupCredit = 90;
constexpr int shortestRestartMinutes = 5;

// Minutes of work for traffic that goes to no real departure.
int unboundWorkBase(int trafficType) {
    switch (trafficType) {
    case trafficParcels:
    case trafficSalt:
        return 90;
    case trafficMilk:
    case trafficTimber:
        return 120;
    case trafficLocoCoal:
        return 300;
    case trafficCattle:
        return 180;
    default:
        return 360;
    }
}

bool comesEarly(int trafficType) {
    return trafficType == trafficParcels || trafficType == trafficMilk || trafficType == trafficLocoCoal ||
           trafficType == trafficWagonsForRepair;
}

// A new portion standing at the place, in no rake yet.
PortionIndex standingPortion(GameState& state, LocationId place, TrafficIndex traffic,
                             DepartureIndex departure, PortionState portionState) {
    const PortionIndex portion = newPortion(state, 0, traffic, departure);
    state.portions[portion].portionState = portionState;
    state.portions[portion].location = place;
    return portion;
}

// Adds the portion at the tail of the rake standing at the place, or starts one there.
void appendToPlaceRake(GameState& state, LocationId place, PortionIndex portion, bool coupleToPrevious) {
    Location& location = state.locations[place];
    const PortionIndex head = location.occState == occStock ? location.occupant : 0;
    location.occupant = appendPortion(state, head, portion, coupleToPrevious);
    location.occState = occStock;
}

} // namespace

void checkPlacement(BuildContext& context, LocationId place, DepartureIndex departure) {
    if (departure == 0) return;
    const GameState& state = context.state;
    const Departure& booked = state.departures[departure];
    if (!booked.code.empty() && booked.code.view().back() == '#') return;
    const Location& location = state.locations[place];
    if (routesCompatible(booked.group, location.group)) return;
    context.warning("WARNING: part of " + booked.code.str() + " wrongly placed in " + location.code.str());
}

int startingWorkMinutes(BuildContext& context, TrafficIndex traffic) {
    GameState& state = context.state;
    const Traffic& block = state.traffic[traffic];
    if (block.departure == 0) return neverReadyMinutes;
    Departure& departure = state.departures[block.departure];
    if (isPseudoDeparture(departure)) {
        const int base = unboundWorkBase(block.trafficType);
        return base + context.rand(base);
    }
    int minutes = departure.time - context.rand(workSpread) - departureLead;
    if (comesEarly(block.trafficType)) minutes += earlyTrafficAllowance - state.shiftStart;
    if (minutes > latestWorkMinutes) minutes = latestWorkMinutes - context.rand(workSpread);
    if (minutes <= 0) minutes = 1;
    if (block.route != departure.group) minutes -= wrongGroupCredit;
    departure.state = departureBuilt;
    if (minutes <= 0) minutes = shortestRestartMinutes + context.rand(5);
    return minutes;
}

void placeTraffic(BuildContext& context, LocationId place, std::string_view trafficName) {
    GameState& state = context.state;
    const TrafficIndex traffic = findTrafficByName(state, trafficName);
    if (traffic == 0) return;
    Location& location = state.locations[place];
    location.occState = occTraffic;
    location.occupant = traffic;
    const DepartureIndex departure = state.traffic[traffic].departure;
    standingPortion(state, place, traffic, departure, portionBeingWorked);
    state.traffic[traffic].readyAt = ticksPerMinute * startingWorkMinutes(context, traffic);
    checkPlacement(context, place, departure);
}

void placeTrafficStock(BuildContext& context, LocationId place, std::string_view trafficName) {
    GameState& state = context.state;
    const TrafficIndex traffic = findTrafficByName(state, trafficName);
    if (traffic == 0) return;
    const DepartureIndex departure = state.traffic[traffic].departure;
    const PortionIndex portion = standingPortion(state, place, traffic, departure, portionStanding);
    state.locations[place].occState = occStock;
    state.locations[place].occupant = portion;
    if (departure != 0 && !isPseudoDeparture(state.departures[departure]))
        state.departures[departure].state = departureBuilt;
    checkPlacement(context, place, departure);
}

void addTrafficToRake(BuildContext& context, LocationId place, std::string_view trafficName) {
    GameState& state = context.state;
    const TrafficIndex traffic = findTrafficByName(state, trafficName);
    if (traffic == 0) return;
    const DepartureIndex departure = state.traffic[traffic].departure;
    const PortionIndex portion = standingPortion(state, place, traffic, departure, portionDetached);
    appendToPlaceRake(state, place, portion, true);
    checkPlacement(context, place, departure);
}

void addStockToRake(BuildContext& context, LocationId place, std::string_view departureCode) {
    GameState& state = context.state;
    const DepartureIndex departure = findDepartureByCode(state, departureCode);
    if (departure == 0) return;
    const PortionIndex portion = standingPortion(state, place, 0, departure, portionStanding);
    appendToPlaceRake(state, place, portion, false);
    state.departures[departure].state = departureGathering;
    checkPlacement(context, place, departure);
}

void placeDeparture(BuildContext& context, LocationId place, std::string_view departureCode, int duty,
                    int end) {
    GameState& state = context.state;
    const DepartureIndex departure = findDepartureByCode(state, departureCode);
    if (departure == 0) return;
    // A duty with no engine is reported and the departure stands without one, rather than coupled to
    // nothing.
    LocoIndex engine = 0;
    if (duty != 0) {
        engine = findLocoByDuty(state, duty);
        if (engine == 0) context.warning("Loco " + std::to_string(duty) + " is missing");
    }

    const PortionIndex portion = standingPortion(state, place, 0, departure, portionStanding);
    Location& location = state.locations[place];
    Departure& standing = state.departures[departure];
    if (standing.portionCount == 1) {
        location.occState = occDeparture;
        location.occupant = departure;
        standing.location = place;
        standing.state = engine != 0 ? departureReady : departureFormed;
    } else {
        location.occState = occStock;
        location.occupant = portion;
        standing.state = departureGathering;
    }
    if (engine == 0) return;

    const int side = end == highEnd ? highEnd : lowEnd;
    location.endFlag[static_cast<std::size_t>(side)] = 1;
    state.portions[portion].portionState = portionInFormed;
    location.locoAt[static_cast<std::size_t>(side + 2)] = engine;
    state.locos[engine].facing = side ^ 1;
    state.locos[engine].where = place;
}

} // namespace wm
