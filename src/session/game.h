#pragma once
// Everything one run of the program holds: the platform, the world, the console and the session.

#include <random>

#include "console/console.h"
#include "console/input_state.h"
#include "host/host.h"
#include "movement/move_context.h"
#include "session/board_state.h"
#include "session/info_window.h"
#include "session/session_services.h"
#include "session/session_state.h"
#include "world/game_state.h"

namespace wm {

struct Game {
    explicit Game(Host& platform) : host(platform), console(platform, state) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Host& host;
    GameState state;
    Console console;
    InputState input;
    SessionFlags flags;
    ClockState clock;
    DisplayState display;
    AlertState alerts;
    BoardState boards; // what the open board shows
    SessionText text;
    MoveContext move; // the move being ordered in this command cycle
    InfoWindowState info;
    SessionServices services{*this};
    std::mt19937 random{0};
    /// Tests and tools fix the seed; play seeds from the time of day.
    bool hasFixedSeed = false;
    unsigned fixedSeed = 0;

    /// 0 .. n-1, the game's one source of chance.
    int rand(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(random); }
};

} // namespace wm
