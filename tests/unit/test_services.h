#pragma once
// A test's own stand-in for the running game's chance and message line.

#include <functional>
#include <string_view>

#include "world/game_services.h"

namespace wm {

struct TestServices : GameServices {
    std::function<int(int)> chance = [](int) { return 0; };
    /// Errors and notices alike.
    std::function<void(std::string_view)> onMessage = [](std::string_view) {};
    std::function<void(int)> onCue = [](int) {};

    TestServices() = default;
    TestServices(std::function<int(int)> c, std::function<void(std::string_view)> m)
        : chance(std::move(c)), onMessage(std::move(m)) {}

    int rand(int n) override { return n <= 0 ? 0 : chance(n); }
    void error(std::string_view message) override { onMessage(message); }
    void notice(std::string_view message) override { onMessage(message); }
    void bonus(std::string_view message) override { onMessage(message); }
    bool askYesNo(std::string_view) override { return true; }
    void cue(int cue) override { onCue(cue); }
};

} // namespace wm
