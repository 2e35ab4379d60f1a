#include "session/game_choice.h"

#include "world/game_state.h"

namespace wm {

void ApplyGameChoice(GameState& state, const GameChoice& choice) {
    const int item = choice.difficultyItem < 0 ? 0 : choice.difficultyItem > 4 ? 4 : choice.difficultyItem;
    state.difficulty = 5 * item + 5;
    // No day chosen (or anything past Sunday) gives Sunday.
    state.dayCode = choice.dayItem >= 0 && choice.dayItem <= 2 ? choice.dayItem + 5 : 7;
    switch (state.dayCode) {
    case 5:
        state.dayName = "Weekday";
        break;
    case 6:
        state.dayName = "Saturday";
        break;
    case 7:
        state.dayName = "Sunday";
        break;
    default:
        state.dayName = "error";
        break;
    }
}

} // namespace wm
