#include "world/record_checks.h"

#include "world/game_state.h"

namespace wm {

bool isLoco(const GameState& s, int engine) {
    return engine >= 1 && engine <= s.locoCount && engine <= locoCapacity;
}

bool isArrival(const GameState& s, int arrival) {
    return arrival >= 1 && arrival <= s.arrivalCount && arrival <= arrivalCapacity;
}

bool isDeparture(const GameState& s, int departure) {
    return departure >= 1 && departure <= s.departureCount && departure <= departureCapacity;
}

bool isPortion(const GameState& s, int portion) {
    return portion >= 1 && portion <= s.portionCount && portion <= portionCapacity;
}

bool isTraffic(const GameState& s, int traffic) {
    return traffic >= 1 && traffic <= s.trafficCount && traffic <= trafficCapacity;
}

bool isPlace(LocationId place) {
    return place >= 1 && place <= placeCount;
}

} // namespace wm
