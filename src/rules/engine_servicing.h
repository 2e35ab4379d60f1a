#pragma once
// Engines being watered, coaled, serviced and repaired, and the yard pilots' needs at fixed times.

#include <functional>
#include <string>

namespace wm {

struct GameState;

/// Where the rules speak to the player and draw chance.
struct RuleOutlet {
    std::function<int(int)> rand;
    std::function<void(const std::string&)> notice;
    std::function<void(int)> cue;
};

/// Once per tick: every engine's work runs down where the work can go on, and finished work is reported.
void advanceEngineWork(GameState& state, const RuleOutlet& outlet);

/// Once per minute: the yard pilots whose timed need falls on this minute get it.
void applyPilotNeeds(GameState& state, const RuleOutlet& outlet);

/// Every ten minutes: light-engine departures due soon or overdue are announced, and local ones long
/// overdue are cancelled with the trains that depend on them.
void watchLightEngines(GameState& state, const RuleOutlet& outlet);

/// An engine that has come to a stand at the coaling point starts coaling when it needs coal.
void startCoaling(GameState& state, int engine, const RuleOutlet& outlet);

} // namespace wm
