#include "rules/departure_scoring.h"

#include "rules/departure_delay.h"
#include "rules/engine_choice.h"

namespace wm {

void scoreDepartureLeaving(GameState& state, Console& console, DepartureIndex departure, LocoIndex engine,
                           LocoIndex second) {
    scoreDepartureDelay(state, console, departure, engine);
    scoreEngineChoice(state, console, departure, engine, second);
}

} // namespace wm
