#include "rules/traffic_places.h"

#include "world/game_state.h"
#include "world/record_checks.h"

#include <initializer_list>
#include <utility>

namespace wm {

namespace {

constexpr int sundayCode = 7;
constexpr int workStarts = 8 * 60; // goods work runs after 08:00
constexpr int workEnds = 20 * 60;  // and is not begun afresh from 20:00
constexpr int finishingTicks = 90; // work this close to its end is finished after hours

using Range = std::pair<int, int>;

bool inRanges(int id, std::initializer_list<Range> ranges) {
    for (const auto& [first, last] : ranges)
        if (id >= first && id <= last) return true;
    return false;
}

// Sidings with a dock for parcels and milk.
bool parcelsDock(int id) {
    return inRanges(id, {{93, 94}, {107, 110}});
}

// Goods sidings and works for every other type.
bool goodsSiding(int id) {
    return inRanges(
        id, {{16, 19}, {32, 33}, {77, 78}, {81, 81}, {87, 89}, {91, 91}, {121, 123}, {127, 130}, {160, 162}});
}

// Work at these places takes the high end's engine places, at the second list the low end's.
bool needsHighEndFree(int id) {
    return inRanges(id, {{69, 70}, {72, 73}, {77, 78}, {81, 81}, {87, 94}, {121, 123}, {181, 182}});
}
bool needsLowEndFree(int id) {
    return inRanges(id, {{9, 19}, {30, 33}, {71, 71}, {107, 110}, {127, 128}, {160, 162}});
}

} // namespace

bool placeAccepts(const GameState& state, TrafficIndex traffic, LocationId place) {
    if (traffic < 1 || traffic > state.trafficCount || place < 1 || place > placeCount) return false;
    const Traffic& t = state.traffic[traffic];
    const Location& p = state.locations[place];
    if (t.route != p.group) return false;
    switch (t.trafficType) {
    case trafficEmptyStock:
        return false;
    case trafficParcels:
    case trafficMilk:
        if (!parcelsDock(place)) return false;
        break;
    default:
        if (!goodsSiding(place)) return false;
        if (t.trafficType == trafficLocoCoal && place != 33) return false;
        if (t.trafficType == trafficWagonsForRepair && place != 161 && place != 162) return false;
        if (t.trafficType == trafficOil && place != 127) return false;
        break;
    }
    if (needsHighEndFree(place) && (p.locoAt[innerPlace(highEnd)] != 0 || p.locoAt[outerPlace(highEnd)] != 0))
        return false;
    if (needsLowEndFree(place) && (p.locoAt[innerPlace(lowEnd)] != 0 || p.locoAt[outerPlace(lowEnd)] != 0))
        return false;
    return true;
}

TrafficIndex singleTrafficAtPlace(const GameState& state, PortionIndex rake, LocationId place) {
    if (!isPlace(place) || !isPortion(state, rake)) return 0;
    const Location& p = state.locations[place];
    if (p.occState != occStock || p.occState2 != occEmpty || p.occupant != rake) return 0;
    if (hasEngineAtEnd(p, lowEnd) || hasEngineAtEnd(p, highEnd)) return 0;
    const Portion& portion = state.portions[rake];
    if (portion.next != 0 || !isTraffic(state, portion.traffic)) return 0;
    if (state.traffic[portion.traffic].route != p.group || portion.portionState >= portionBeingWorked)
        return 0;
    return portion.traffic;
}

bool trafficWorkedNow(const GameState& state, TrafficIndex traffic) {
    if (traffic < 1 || traffic > state.trafficCount) return false;
    const Traffic& t = state.traffic[traffic];
    switch (t.trafficType) {
    case trafficParcels:
    case trafficMilk:
    case trafficLocoCoal:
    case trafficWagonsForRepair:
        return true;
    default:
        return state.dayCode != sundayCode && state.clock > workStarts &&
               (state.clock < workEnds || t.readyAt < finishingTicks);
    }
}

} // namespace wm
