#pragma once
// How much of a train's delay the level lets pass unnoticed.

namespace wm {

/// Minutes of delay never counted: 2 at "Very easy" and "Easy", 1 at "Moderate" and "Hard", 0 at "Very hard".
constexpr int delayTolerance(int difficulty) {
    return (30 - difficulty) / 10;
}

/// The minutes of a delay that count against the player at the level.
constexpr int countedDelay(int minutes, int difficulty) {
    return minutes - delayTolerance(difficulty);
}

} // namespace wm
