#pragma once
// A train sent off the line it belongs to: a passenger train for one route turned onto another's tracks.

#include <optional>
#include <string>

#include "movement/move_world.h"
#include "world/capacities.h"

namespace wm {

/// Why the move takes a train of the route code (an arrival's group, a departure's line) off its line;
/// nothing when it stays on it. `costsPoint` is false for a train that would run through without calling.
struct WrongLine {
    std::string reason;
    bool costsPoint = true;
};
std::optional<WrongLine> wrongLine(int code, LocationId from, LocationId to);

/// True when the move keeps to the train's line; otherwise the point is charged (or the message shown)
/// and the move is refused.
bool checkWrongLine(MoveWorld& world, int code, LocationId from, LocationId to);

} // namespace wm
