#pragma once

#include <string_view>

namespace wm {

struct BuildContext;
struct GameState;
struct Chance;

// How the conditional entries of a day are decided: by a fresh draw each (play), or all taken or all
// refused (tests). Entries that depend on another entry still follow it.
enum class ChancePolicy {
    drawn,
    allTaken,
    allRefused,
};

// The data files of a day code: 1..5 "weekday", 6 "saturday", 7 "sunday"; empty for any other.
std::string_view dayFileName(int dayCode);

// Whether a conditional entry is built, drawing rand(100) for a fixed or level chance under the drawn
// policy. A minute rule always runs.
bool chanceAllows(BuildContext& context, const Chance& chance, ChancePolicy policy);

// The engines, the day's departures with its light-engine moves, traffic and arrivals, the return
// arrivals, the engines on shed and the stock of the starting position, with the shift and target. Any
// day code other than 1..7 builds the engines and no timetable.
void buildNewGameTables(BuildContext& context, int dayCode, ChancePolicy policy = ChancePolicy::drawn);

// Gives every arrival and departure the name of the last named-train range holding its code.
void nameNamedTrains(GameState& state, int dayCode);

// The light-engine departures that need no stock and have not left, pilots excepted.
void buildWatchList(GameState& state);

} // namespace wm
