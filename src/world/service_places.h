#pragma once
// The places of the engine shed where engines are coaled and serviced, and the turntable with a length limit.

#include "world/capacities.h"

namespace wm {

inline constexpr LocationId locoCoalSiding = 33;   // "LLC": loco coal worked here feeds the coaling point
inline constexpr LocationId coalingPoint = 37;     // "LCO"
inline constexpr LocationId firstShedRoad = 41;    // "LL6"
inline constexpr LocationId lastShedRoad = 46;     // "LL1"
inline constexpr LocationId upYardTurntable = 113; // "UTT"

/// The shed roads, where servicing and repair go on.
constexpr bool isShedRoad(LocationId place) {
    return place >= firstShedRoad && place <= lastShedRoad;
}

} // namespace wm
