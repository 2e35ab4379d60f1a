#pragma once
// What happens to engines on their way in: the condition an arriving engine turns up in, and the booking of
// an engine that has just left onto the train it comes back on.

#include <functional>

#include "world/capacities.h"

namespace wm {

struct GameState;

/// rand(n): a draw in 0..n-1.
using Draw = std::function<int(int)>;

/// Draws the condition, facing and work time of the arrival's engines and raises its lateness so that it
/// cannot turn up before it could have run in. Called when the arrival becomes its line's next pending one.
void drawArrivingEngine(GameState& state, ArrivalIndex arrival, const Draw& rand);

/// Books engine `engine`, which left on a departure `minutesLate` behind its booked time, onto `arrival`:
/// the arrival is made late enough for the engine to get back, and takes it as its engine (or second
/// engine when it has one already). True when the arrival is its line's next pending one, whose engine
/// condition was then drawn again.
bool bookReturningEngine(GameState& state, LocoIndex engine, ArrivalIndex arrival, int minutesLate,
                         const Draw& rand);

} // namespace wm
