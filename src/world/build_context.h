#pragma once

#include <functional>
#include <string_view>

namespace wm {

struct GameState;
class ShedTable;

// What the builders need besides the state: the game's one source of chance and the two kinds of message
// they give. Setup carries on after either kind.
struct BuildContext {
    GameState& state;
    std::function<int(int)> rand;                  // uniform 0..n-1
    std::function<void(std::string_view)> error;   // a builder error, e.g. "Unable to allocate loco 7"
    std::function<void(std::string_view)> warning; // a builder warning, e.g. "Loco 7 is missing"
    const ShedTable& sheds;                        // decides a new engine's facing
};

} // namespace wm
