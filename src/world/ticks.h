#pragma once

namespace wm {

// The clock moves in ticks; timers and work times count them.
inline constexpr int ticksPerMinute = 3;

// What the player is told of a countdown: a part minute still to run counts as a whole one.
constexpr int wholeMinutes(int ticks) {
    return (ticks + ticksPerMinute - 1) / ticksPerMinute;
}

} // namespace wm
