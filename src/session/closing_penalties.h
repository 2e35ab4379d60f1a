#pragma once
// What the end of a session still charges: passenger trains the player kept waiting at the signals, and
// main-line departures that never got away.

namespace wm {

class Console;
struct GameState;

/// Each line's next passenger train that has been held at its signal and is overdue there costs the minutes
/// it was held, beyond its own lateness, the level's tolerance and the grace of its type.
void ChargeHeldArrivals(GameState& state, Console& console);

/// Each main-line departure still in the area after its time costs the minutes it is late, less what its
/// feeding arrival brought, the grace of its type and its own allowance; none while its train has not come
/// in, and none for a figure of 500 or more.
void ChargeLateDepartures(GameState& state, Console& console);

} // namespace wm
