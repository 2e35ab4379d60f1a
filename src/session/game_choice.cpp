#include "session/game_choice.h"

#include "world/game_state.h"
#include "world/reference_tables.h"

namespace wm {

void ApplyGameChoice(GameState& state, const GameChoice& choice) {
    const int item = choice.difficultyItem < 0 ? 0 : choice.difficultyItem > 4 ? 4 : choice.difficultyItem;
    state.difficulty = 5 * item + 5;
    // No day chosen (or anything past Sunday) gives Sunday.
    state.dayCode = choice.dayItem >= 0 && choice.dayItem <= 2 ? choice.dayItem + 5 : 7;
    state.dayName = std::string(dayNameFor(state.dayCode));
}

} // namespace wm
