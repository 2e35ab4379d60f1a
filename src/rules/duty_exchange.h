#pragma once
// When one engine works a train booked to another of its class, the two swap the duties still to come, so
// that each engine's day goes on where it now is.

#include "world/capacities.h"

namespace wm {

struct GameState;

/// Duty of the standby diesel unit, which takes the later duties of an engine used where none was booked.
inline constexpr int standbyUnitDuty = 900;

/// `used` has worked `departure` in place of `booked`: in every later departure not yet sent away, as train
/// or second engine, a booking of `used` becomes `booked` (the standby unit when nothing was booked), and
/// a booking of `booked` becomes `used` when `booked` comes before the standby unit in the engine table.
void exchangeLaterDuties(GameState& state, DepartureIndex departure, LocoIndex used, LocoIndex booked);

} // namespace wm
