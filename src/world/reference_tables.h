#pragma once

#include "world/records.h"

#include <string_view>

namespace wm {

inline constexpr int locoClassCount = 29;   // rows 0..28
inline constexpr int routeCodeCount = 25;   // rows 1..25
inline constexpr int trainTypeCount = 13;   // rows 0..12
inline constexpr int trafficTypeCount = 14; // rows 0..13
inline constexpr int conditionCount = 6;    // rows 0..5

// An engine class. A power of 0 means the class may not work such a train.
struct LocoClass {
    std::string_view name; // 5 characters, padded with blanks
    int passengerPower;
    int freightPower;
};

// Row 0..28 of the class table; an index outside it gives row 0, the wildcard "Any  ".
const LocoClass& locoClass(int classIndex);

// Train type predicates.
bool isPassengerTrain(int trainType); // 0..4: must use a platform
bool isCallingTrain(int trainType);   // 0..5: passenger and parcels trains, which call at places on the way
bool isFreightFamily(int trainType);  // 8..12: queued apart from the passenger family 0..7 on a line
bool isLightEngine(int trainType);    // 8: a light engine or a pilot duty
bool isTrafficTrain(int trainType);   // 9..12: carries Traffic
bool isWorkTrain(int trainType);      // 11: an engineers' train, which may run either way and be pushed
bool isFullyFitted(int trainType);    // 9
bool isUnbraked(int trainType);       // 12
bool takesNoTraffic(int trainType);   // 6 and 11

// The class's power for a train of the type: freight power for light engines and freight trains.
inline int powerFor(const LocoClass& c, int trainType) {
    return isFreightFamily(trainType) ? c.freightPower : c.passengerPower;
}

// Classes 0..6 (the wildcard, the diesel unit and the tank engines) show no facing marker and are exempt
// from the facing rule.
bool facingExempt(int classIndex);

// Two-letter code of route code 1..25 (a line, or a group of places); empty outside that range.
std::string_view routeCode(int code);

// Listing name of train type 0..12; empty outside that range.
std::string_view trainTypeName(int trainType);

// Name of traffic type 0..13; empty outside that range.
std::string_view trafficTypeName(int trafficType);

// Letter shown beside an engine for condition 0..5; empty outside that range.
std::string_view conditionLetter(EngineCondition condition);

// Name of the day for day code 5, 6 or 7; "error" for any other.
std::string_view dayNameFor(int dayCode);

} // namespace wm
