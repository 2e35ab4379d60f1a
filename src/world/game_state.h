#pragma once

#include "world/capacities.h"
#include "world/records.h"

#include <array>
#include <string>

namespace wm {

// Everything one game consists of: the tables of records (indexed from 1, index 0 unused) with their
// counts, and the scalars. Procedures change it in place. It is a few hundred kilobytes, so keep it static
// or on the heap rather than on the stack.
struct GameState {
    GameState() { reset(); }

    int difficulty = 5;  // 5, 10, 15, 20, 25 from "Very easy" to "Very hard"
    int dayCode = 0;     // 5 weekday, 6 Saturday, 7 Sunday
    std::string dayName; // from dayNameFor(dayCode), at most 8 characters
    int clock = -1;      // minutes since midnight of the game day; -1 before a game starts
    int shiftStart = 0;  // first minute of the game day
    int shiftEnd = 1440; // last minute of the game day
    int score = 0;       // net points
    int target = 0;      // points for a full rating, set by the day's setup

    int locationCount = 0;
    int locoCount = 0;
    int departureCount = 0;
    int arrivalCount = 0;
    int trafficCount = 0;
    int portionCount = 0;
    int lightEngineCount = 0;
    int watchCount = 0;

    std::array<Location, locationCapacity + 1> locations{};
    std::array<Loco, locoCapacity + 1> locos{};
    std::array<Departure, departureCapacity + 1> departures{};
    std::array<Arrival, arrivalCapacity + 1> arrivals{};
    std::array<Traffic, trafficCapacity + 1> traffic{};
    std::array<Portion, portionCapacity + 1> portions{};
    std::array<Line, lineCapacity + 1> lines{};
    std::array<LightEngineMove, lightEngineMoveCapacity + 1> lightEngineMoves{};
    std::array<WatchEntry, watchListCapacity + 1> watchList{};

    std::array<int, sectionCount + 1> sectionTimer{}; // ticks each route section stays locked; 0 free
    int branchTimer = 0;                              // ticks until the branch token is free; 0 free

    // Back to the state before any game: every scalar at its reset value, every table empty and zeroed,
    // the timers cleared and the line table at its starting values.
    void reset();
};

} // namespace wm
