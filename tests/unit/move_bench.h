#pragma once
// An empty layout to order moves on: the location table, a console on the headless host that records
// every message and score change, the game's services through that console, and a clock tick that
// counts down what the game's tick counts down.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "console/console.h"
#include "host/headless/headless_host.h"
#include "movement/move_world.h"
#include "movement/place_completion.h"
#include "world/game_state.h"
#include "world/location_table.h"

namespace wm {

struct ConsoleServices : GameServices {
    explicit ConsoleServices(Console& c) : console(c) {}
    Console& console;
    int rand(int) override { return 0; }
    void error(std::string_view message) override { console.ShowError(message); }
    void notice(std::string_view message) override { console.ShowNotice(message); }
    void bonus(std::string_view message) override { console.ShowBonus(message); }
    bool askYesNo(std::string_view question) override { return console.AskYesNo(question); }
    void cue(int) override {}
};

class MoveBench : public ::testing::Test {
  protected:
    void SetUp() override {
        buildLocationTable(state);
        state.clock = 600;
    }

    /// One tick of the clock as the game counts it: section timers, the token, then every place.
    void tick() {
        for (int section = 1; section <= sectionCount; ++section)
            if (state.sectionTimer[section] > 0) --state.sectionTimer[section];
        if (state.branchTimer > 0) --state.branchTimer;
        advancePlaces(state, [](const Completion&) {});
    }

    /// A light engine standing alone at the place, in place p.
    void standEngine(LocoIndex engine, LocationId place, int p) {
        if (state.locoCount < engine) state.locoCount = engine;
        state.locations[place].locoAt[p] = engine;
        state.locos[engine].where = place;
        state.locos[engine].number = std::to_string(44000 + engine);
        state.locos[engine].lateAllowance = 999;
    }

    std::vector<int> lockedSections() const {
        std::vector<int> out;
        for (int section = 1; section <= sectionCount; ++section)
            if (state.sectionTimer[section] > 0) out.push_back(section);
        return out;
    }

    std::string lastMessage() const { return host.messages().empty() ? "" : host.messages().back(); }

    HeadlessHost host;
    std::unique_ptr<GameState> owned = std::make_unique<GameState>();
    GameState& state = *owned;
    Console console{host, state};
    ConsoleServices services{console};
    MoveContext move;
    MoveWorld world{state, services, console, move, 3};
};

} // namespace wm
