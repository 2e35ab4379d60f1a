#include "world/reference_tables.h"

#include <array>

namespace wm {

namespace {

constexpr std::array<LocoClass, locoClassCount> locoClasses{{
    {"Any  ", 0, 0}, // 0
    {"DMU  ", 0, 0}, // 1
    {"Jinty", 0, 3}, // 2
    {"LM 3T", 3, 3}, // 3
    {"St 3T", 3, 3}, // 4
    {"LM 4T", 4, 4}, // 5
    {"St 4T", 4, 4}, // 6
    {"LM 2P", 2, 2}, // 7
    {"Crab ", 5, 5}, // 8
    {"LM 4 ", 4, 4}, // 9
    {"LM 4F", 0, 4}, // 10
    {"LM 5 ", 5, 5}, // 11
    {"Pat  ", 6, 5}, // 12
    {"Jub  ", 6, 5}, // 13
    {"Pat 7", 7, 5}, // 14
    {"Jub 7", 7, 5}, // 15
    {"Scot ", 7, 5}, // 16
    {"PrRoy", 8, 6}, // 17
    {"PrCor", 8, 6}, // 18
    {"LM 2 ", 2, 2}, // 19
    {"LM 8F", 0, 8}, // 20
    {"LM 7F", 0, 7}, // 21
    {"Duke ", 8, 6}, // 22
    {"Brit ", 7, 7}, // 23
    {"St 5 ", 5, 5}, // 24
    {"St 4 ", 4, 4}, // 25
    {" St 2", 2, 2}, // 26
    {"WD 8F", 0, 8}, // 27
    {"St 9F", 0, 9}, // 28
}};

constexpr int lastFacingExemptClass = 6;

constexpr std::array<std::string_view, routeCodeCount + 1> routeCodes{
    "",   // 0: none
    "WN", // 1
    "CF", // 2
    "SF", // 3
    "BA", // 4
    "MU", // 5
    "IC", // 6
    "CS", // 7
    "SS", // 8
    "SC", // 9
    "GW", // 10
    "DR", // 11
    "VE", // 12
    "LI", // 13
    "SH", // 14: the engine shed
    "ST", // 15: the station platforms
    "UY", // 16: the up yard
    "DY", // 17: the down yard
    "WS", // 18
    "EE", // 19
    "BB", // 20
    "RF", // 21
    "RS", // 22
    "BU", // 23
    "MA", // 24
    "SA", // 25
};

constexpr std::array<std::string_view, trainTypeCount> trainTypeNames{
    "Express psgr", // 0
    "Troop train",  // 1
    "Excursion",    // 2
    "Relief psgr",  // 3
    "Passenger",    // 4
    "Parcels",      // 5
    "Milk train",   // 6
    "Empty stock",  // 7
    "Light engine", // 8
    "Fast freight", // 9
    "Stopping frt", // 10
    "Work train",   // 11
    "Slow freight", // 12
};

constexpr std::array<std::string_view, trafficTypeCount> trafficTypeNames{
    "Empty stock",       // 0
    "Parcels",           // 1
    "Milk",              // 2
    "General",           // 3
    "Vans",              // 4
    "Coal",              // 5
    "Loco Coal",         // 6
    "Cattle",            // 7
    "Timber",            // 8
    "Engineers",         // 9
    "Wagons for repair", // 10
    "Ballast",           // 11
    "Oil",               // 12
    "Salt",              // 13
};

constexpr std::array<std::string_view, conditionCount> conditionLetters{
    "a", // 0 available
    "w", // 1 needs water
    "c", // 2 needs coal
    "s", // 3 needs servicing
    "r", // 4 needs repair
    "o", // 5 out of use for the day
};

template <typename Table>
std::string_view nameIn(const Table& table, int index) {
    return index >= 0 && index < static_cast<int>(table.size()) ? table[index] : std::string_view();
}

} // namespace

const LocoClass& locoClass(int classIndex) {
    return classIndex >= 0 && classIndex < locoClassCount ? locoClasses[classIndex] : locoClasses[0];
}

bool facingExempt(int classIndex) {
    return classIndex >= 0 && classIndex <= lastFacingExemptClass;
}

std::string_view routeCode(int code) {
    return code >= 1 ? nameIn(routeCodes, code) : std::string_view();
}

std::string_view trainTypeName(int trainType) {
    return nameIn(trainTypeNames, trainType);
}

bool isPassengerTrain(int trainType) {
    return trainType >= 0 && trainType <= 4;
}
bool isCallingTrain(int trainType) {
    return trainType >= 0 && trainType <= 5;
}
bool isFreightFamily(int trainType) {
    return trainType >= 8 && trainType <= 12;
}
bool isLightEngine(int trainType) {
    return trainType == 8;
}
bool isWorkTrain(int trainType) {
    return trainType == 11;
}
bool isTrafficTrain(int trainType) {
    return trainType >= 9 && trainType <= 12;
}
bool isFullyFitted(int trainType) {
    return trainType == 9;
}
bool isUnbraked(int trainType) {
    return trainType == 12;
}
bool takesNoTraffic(int trainType) {
    return trainType == 6 || trainType == 11;
}

std::string_view trafficTypeName(int trafficType) {
    return nameIn(trafficTypeNames, trafficType);
}

std::string_view conditionLetter(EngineCondition condition) {
    return nameIn(conditionLetters, condition);
}

std::string_view dayNameFor(int dayCode) {
    switch (dayCode) {
    case 5:
        return "Weekday";
    case 6:
        return "Saturday";
    case 7:
        return "Sunday";
    default:
        return "error";
    }
}

} // namespace wm
