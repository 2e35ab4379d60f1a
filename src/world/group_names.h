#pragma once

#include <string>

namespace wm {

inline constexpr int shedGroup = 14;
inline constexpr int stationGroup = 15;
inline constexpr int upYardGroup = 16;
inline constexpr int downYardGroup = 17;

// Display name (at most 13 characters) of route code 1..25, naming a line or a group of places; empty for
// any other number.
std::string groupName(int routeCode);

} // namespace wm
