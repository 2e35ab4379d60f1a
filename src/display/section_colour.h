#pragma once
// The colours of track on the layout screens, read from the section timers.

#include "host/host.h"

namespace wm {
struct GameState;

/// Red while the section is occupied or locked (its timer is above 0), otherwise Yellow; section 0 (no
/// section) is always Yellow.
Colour sectionColour(const GameState& state, int section);

/// The diagonal of a crossover is Red only when both sections it joins are occupied and both sections of
/// the other road are clear: a train is crossing over rather than running along either road.
Colour crossoverDiagonalColour(const GameState& state, int joinA, int joinB, int otherA, int otherB);

} // namespace wm
