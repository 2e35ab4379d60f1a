#pragma once
// What a move reads and changes: the game's records, its chance, messages and questions, the console that
// shows score changes, the move being ordered and where the clock stands within its minute.

#include "movement/move_context.h"
#include "world/game_services.h"

namespace wm {

struct GameState;
class Console;

struct MoveWorld {
    GameState& state;
    GameServices& services;
    Console& console; // score changes are shown and logged through it
    MoveContext& move;
    int tickPhase = 3; // ticks left in this minute: 3, 2, 1
};

} // namespace wm
