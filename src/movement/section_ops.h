#pragma once
// The track sections' timers and the branch token: a section is free exactly when its timer is 0, and
// only the clock tick counts them down.

#include <initializer_list>
#include <span>

#include "world/capacities.h"

namespace wm {

struct GameState;

/// The token of the single line beyond location 26 is held this long by a move onto the branch: in
/// effect until a train comes back.
inline constexpr int branchHeldTicks = 1441;

bool sectionFree(const GameState& state, int section);
bool sectionsFree(const GameState& state, std::span<const int> sections);
bool sectionsFree(const GameState& state, std::initializer_list<int> sections);
/// The two timers add up to less than 2: at most one of them is busy, and that one for its last tick.
bool atMostOneBusy(const GameState& state, int first, int second);
/// Each target is locked for exactly as long as the source section.
void copySectionTimer(GameState& state, int source, std::span<const int> targets);

/// The token is held for `add` ticks beyond the section's own timer (or beyond a whole day when the
/// section is branchHeldTicks).
void setBranchTimer(GameState& state, int section, int add);
bool branchFree(const GameState& state);

/// Nothing stands or is coming into the place: an intermediate place of a move must be clear.
bool locationClear(const GameState& state, LocationId place);

/// A section on which slow trains take longer.
bool isSlowSection(int section);
/// Ticks a train of the speed band spends on the section.
int sectionCost(int section, int band);

/// The main line a leg ending at the exit point runs off on; 0 when the place is not one of the exits.
int exitLine(LocationId place);

} // namespace wm
