#pragma once

#include "world/capacities.h"
#include "world/records.h"

#include <string_view>

namespace wm {

struct BuildContext;
struct GameState;

// The builders a day's timetable is written in. Each appends one record and links it to the records it
// names by code; a code that names nothing leaves the link out without a word.

// A departure as booked, with its engine found by duty (none when no engine has the duty). Hour 48 makes
// a pseudo-departure.
DepartureIndex addDeparture(BuildContext& context, int line, int hour, int minute, int group,
                            std::string_view code, std::string_view returnCode, std::string_view destination,
                            int trainType, int duty, std::string_view shed);

// An arrival, its engine marked as coming in on it, its first portion (a departure code starting with a
// digit, a traffic name starting with a letter, or blank) and its drawn lateness. Origin "spare" makes an
// arrival that does not run.
ArrivalIndex addArrival(BuildContext& context, int line, int hour, int minute, int group,
                        std::string_view code, std::string_view firstPortion, std::string_view origin,
                        int duty, int condCode, int trainType);

// Minutes late an arrival is expected, from a draw of rand(100): most run to time, some up to two early or
// 13 late; a lateness above the difficulty is dropped.
int initialLateness(int draw, int difficulty);

// A further portion at the tail of a running arrival's train, coupled to the one before it.
PortionIndex addArrivalPortion(BuildContext& context, std::string_view arrivalCode,
                               std::string_view portionName);

// A block of traffic, not yet worked, going forward on the departure named (none for four blanks).
TrafficIndex addTraffic(BuildContext& context, int route, std::string_view name,
                        std::string_view departureCode, int trafficType);

// A new portion, still on its train: at the tail of the arrival's rake (coupled to the one before it) and
// of the departure's list, carrying the traffic. Each of the three may be 0.
PortionIndex newPortion(GameState& state, ArrivalIndex arrival, TrafficIndex traffic,
                        DepartureIndex departure);

// A light-engine movement of a yard pilot at a time drawn from ten minutes early to nine late.
void addLightEngineMove(BuildContext& context, int time, int line, int duty, EngineCondition flag);

// The departure exists and has not been cancelled.
bool departureRuns(const GameState& state, std::string_view code);

// Books the departure's engine back on the arrival.
void setReturnArrival(GameState& state, std::string_view departureCode, std::string_view arrivalCode);

// Links every departure to the arrivals its engines come back on, once all the day's tables are built.
void resolveReturnArrivals(GameState& state);

} // namespace wm
