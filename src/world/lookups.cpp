#include "world/lookups.h"

#include "world/game_state.h"

namespace wm {

namespace {

template <typename Table, typename Matches>
int findFirst(const Table& table, int count, Matches matches) {
    for (int index = 1; index <= count && index < static_cast<int>(table.size()); ++index)
        if (matches(table[index])) return index;
    return 0;
}

} // namespace

LocoIndex findLocoByDuty(const GameState& state, int duty) {
    return findFirst(state.locos, state.locoCount, [duty](const Loco& loco) { return loco.duty == duty; });
}

DepartureIndex findDepartureByCode(const GameState& state, std::string_view code) {
    return findFirst(state.departures, state.departureCount,
                     [code](const Departure& departure) { return departure.code == code; });
}

ArrivalIndex findArrivalByCode(const GameState& state, std::string_view code) {
    return findFirst(state.arrivals, state.arrivalCount,
                     [code](const Arrival& arrival) { return arrival.code == code; });
}

TrafficIndex findTrafficByName(const GameState& state, std::string_view name) {
    return findFirst(state.traffic, state.trafficCount,
                     [name](const Traffic& block) { return block.name == name; });
}

} // namespace wm
