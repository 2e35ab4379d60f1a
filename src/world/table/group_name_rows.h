#pragma once
// Display names of the route codes: the lines beyond the area and the groups of places inside it. The
// places beyond the area are invented; none is a real town, works or company.

#include "world/reference_tables.h"

#include <array>
#include <string_view>

namespace wm::table {

inline constexpr std::size_t longestGroupName = 13;

// Row 14, the shed, is made from the shed's route code; it is blank here.
inline constexpr std::array<std::string_view, routeCodeCount + 1> groupNames{
    "",             // 0: no group
    "Wrennick",     // 1 WN
    "Carrowfold",   // 2 CF
    "Skelbury",     // 3 SF
    "Bramhaugh",    // 4 BA
    "Murlingham",   // 5 MU
    "Ickerdale",    // 6 IC
    "Cressingfold", // 7 CS
    "Sallowstead",  // 8 SS
    "Scarnholt",    // 9 SC
    "Gorwell Sdgs", // 10 GW
    "Drennan Quay", // 11 DR
    "Vennel Works", // 12 VE
    "Lindrith",     // 13 LI
    "",             // 14 SH: the engine shed
    "Wendmoor Stn", // 15 ST
    "Up Yard",      // 16 UY
    "Down Yard",    // 17 DY
    "Wagon Shop",   // 18 WS
    "Eelmere Sdgs", // 19 EE
    "Bracklebeck",  // 20 BB
    "Roufield",     // 21 RF
    "Rushmarrow",   // 22 RS
    "Burnisdale",   // 23 BU
    "Marrowgate",   // 24 MA
    "Saltmire Jn",  // 25 SA
};

} // namespace wm::table
