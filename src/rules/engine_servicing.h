#pragma once
// Engines being watered, coaled, serviced and repaired, and the yard pilots' needs at fixed times.

#include "world/completion.h"
#include "world/game_services.h"

namespace wm {

struct GameState;

/// Once per tick: every engine's work runs down where the work can go on, and finished work is reported.
void advanceEngineWork(GameState& state, const CompletionSink& report);

/// An engine watered on a platform or loop may be all a departure formed there was waiting for.
void readyAfterWatering(GameState& state, LocationId place);

/// The message line's word on finished coaling or servicing; other records say nothing.
void announceEngineWork(const GameState& state, GameServices& services, const Completion& done);

/// Once per minute: the yard pilots whose timed need falls on this minute get it.
void applyPilotNeeds(GameState& state, GameServices& services);

/// Every ten minutes: light-engine departures due soon or overdue are announced, and local ones long
/// overdue are cancelled with the trains that depend on them.
void watchLightEngines(GameState& state, GameServices& services);

/// An engine that has come to a stand at the coaling point starts coaling when it needs coal.
void startCoaling(GameState& state, int engine, GameServices& services);

} // namespace wm
