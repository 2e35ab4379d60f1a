#pragma once
// Turning a coupled group of portions at a place into the departure it makes up.

#include "world/capacities.h"

namespace wm {

struct GameState;

/// The departure stands formed: each portion of its list that still belongs to it is part of it (state 4)
/// and leaves any rake, and the departure's state is "formed".
void setFormed(GameState& state, DepartureIndex departure);

/// After a coupling or uncoupling at the place: the coupled group at the high-id end of the rake standing
/// there (or at the low-id end) becomes the departure it makes up, when its portions are all and only
/// that departure's, all stand ready, and the departure is a train below the light-engine type due within
/// 10 minutes. A group cut off from an uncoupled rest shares the place with it: the group at the high end
/// as the second occupant, the rest at the low end as the second occupant. True when a departure formed.
bool formFromHighEnd(GameState& state, LocationId place);
bool formFromLowEnd(GameState& state, LocationId place);

/// The same, forming the given departure from the group without testing it.
bool formDepartureFromHighEnd(GameState& state, LocationId place, DepartureIndex departure);
bool formDepartureFromLowEnd(GameState& state, LocationId place, DepartureIndex departure);

/// Both ends, the high end first, as every coupling and uncoupling asks.
void formAfterCoupling(GameState& state, LocationId place);

/// Stock standing alone at the place that is all of one train departure due within 10 minutes, or all of
/// two such departures one after the other, stands as them whatever its links: one departure coupled
/// throughout, or the one at the low end as the occupant and the other as the second occupant. True when
/// it formed.
bool formWholeStock(GameState& state, LocationId place);

/// The departure a rake makes up whole: every portion is that departure's, the rake holds all of them and
/// each stands ready; 0 otherwise. Its links need not be coupled.
DepartureIndex wholeRakeDeparture(const GameState& state, PortionIndex head);

/// A formed departure's portions, whose rake links were let go when it formed, joined again into one rake
/// coupled throughout in the order of its list, so that it can be coupled to other stock as a whole. The
/// first portion; a departure whose portions are already in a rake keeps it.
PortionIndex rakeOfFormed(GameState& state, DepartureIndex departure);

} // namespace wm
