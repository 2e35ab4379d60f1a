#pragma once

#include <string_view>

#include "world/game_services.h"

namespace wm {

struct GameState;
class ShedTable;

// What the builders need besides the state: the game's chance and its message line. Setup carries on
// after either kind of message.
struct BuildContext {
    GameState& state;
    GameServices& services;
    const ShedTable& sheds; // decides a new engine's facing

    int rand(int n) const { return services.rand(n); }
    /// A builder error, e.g. "Unable to allocate loco 7".
    void error(std::string_view message) const { services.error(message); }
    /// A builder warning, e.g. "Loco 7 is missing"; shown as a notice.
    void warning(std::string_view message) const { services.notice(message); }
};

} // namespace wm
