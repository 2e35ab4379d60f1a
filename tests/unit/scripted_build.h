#pragma once
// Builders on a fresh state with a scripted chance: each rand(n) takes the next scripted value (kept
// below n), or 0 when the script has run out; every call and every message is recorded.

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "world/build_context.h"
#include "world/game_state.h"
#include "world/sheds.h"

namespace wm {

struct ScriptedBuild : GameServices {
    explicit ScriptedBuild(ShedTable shedTable) : sheds(std::move(shedTable)) {}
    ScriptedBuild(const ScriptedBuild&) = delete; // the context refers to the members
    ScriptedBuild& operator=(const ScriptedBuild&) = delete;

    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    ShedTable sheds;
    std::deque<int> script;
    std::vector<int> randCalls;
    std::vector<std::string> errors;
    std::vector<std::string> warnings;
    BuildContext context{*state, *this, sheds};

    int rand(int n) override {
        randCalls.push_back(n);
        int value = 0;
        if (!script.empty()) {
            value = script.front();
            script.pop_front();
        }
        return n <= 0 ? 0 : value % n;
    }
    void error(std::string_view text) override { errors.emplace_back(text); }
    void notice(std::string_view text) override { warnings.emplace_back(text); }
    void bonus(std::string_view text) override { warnings.emplace_back(text); }
    bool askYesNo(std::string_view) override { return true; }
    void cue(int) override {}
};

} // namespace wm
