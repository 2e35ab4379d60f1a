#include "movement/execute_move.h"

#include "movement/leg_timing.h"
#include "world/game_state.h"
#include "world/line_tables.h"

namespace wm {

void executeMove(MoveWorld& w, LocationId from, LocationId to, std::span<const int> sections) {
    GameState& s = w.state;
    const MovingThing moving = movingThing(s, w.move, from);
    const int band = speedBand(moving.trainType);
    const int delay = legStartDelay(w, from, to, moving);
    const int arrives = lockLegSections(s, sections, delay, band);
    setLegCountdowns(s, from, to, delay, arrives, band);
}

} // namespace wm
