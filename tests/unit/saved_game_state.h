// Comparing two game states record by record, for the saved-game tests: the first difference is named.

#pragma once

#include <memory>
#include <string>

#include "world/game_state.h"
#include "world/location_table.h"
#include "world/new_game.h"
#include "world/saved_game_text.h"

namespace wm {

template <typename Table>
std::string firstDifferentRecord(const char* name, const Table& a, const Table& b, int count) {
    for (int i = 1; i <= count; ++i)
        if (!(a[static_cast<std::size_t>(i)] == b[static_cast<std::size_t>(i)]))
            return std::string(name) + " " + std::to_string(i);
    return "";
}

/// "" when the two states hold the same game; otherwise the first scalar or record that differs.
inline std::string stateDifference(const GameState& a, const GameState& b) {
    const auto scalar = [](const char* name, auto x, auto y) {
        return x == y ? std::string() : std::string(name);
    };
    for (std::string d : {scalar("difficulty", a.difficulty, b.difficulty),
                          scalar("dayCode", a.dayCode, b.dayCode),
                          scalar("dayName", a.dayName, b.dayName),
                          scalar("clock", a.clock, b.clock),
                          scalar("shiftStart", a.shiftStart, b.shiftStart),
                          scalar("shiftEnd", a.shiftEnd, b.shiftEnd),
                          scalar("score", a.score, b.score),
                          scalar("target", a.target, b.target),
                          scalar("locationCount", a.locationCount, b.locationCount),
                          scalar("locoCount", a.locoCount, b.locoCount),
                          scalar("departureCount", a.departureCount, b.departureCount),
                          scalar("arrivalCount", a.arrivalCount, b.arrivalCount),
                          scalar("trafficCount", a.trafficCount, b.trafficCount),
                          scalar("portionCount", a.portionCount, b.portionCount),
                          scalar("lightEngineCount", a.lightEngineCount, b.lightEngineCount),
                          scalar("watchCount", a.watchCount, b.watchCount),
                          scalar("branchTimer", a.branchTimer, b.branchTimer),
                          scalar("sectionTimer", a.sectionTimer, b.sectionTimer),
                          firstDifferentRecord("location", a.locations, b.locations, locationCapacity),
                          firstDifferentRecord("engine", a.locos, b.locos, a.locoCount),
                          firstDifferentRecord("departure", a.departures, b.departures, a.departureCount),
                          firstDifferentRecord("arrival", a.arrivals, b.arrivals, a.arrivalCount),
                          firstDifferentRecord("traffic", a.traffic, b.traffic, a.trafficCount),
                          firstDifferentRecord("portion", a.portions, b.portions, a.portionCount),
                          firstDifferentRecord("line", a.lines, b.lines, lineCapacity),
                          firstDifferentRecord("light-engine move", a.lightEngineMoves, b.lightEngineMoves,
                                               a.lightEngineCount),
                          firstDifferentRecord("watch entry", a.watchList, b.watchList, a.watchCount)})
        if (!d.empty()) return d;
    return "";
}

/// A state ready to be read into, as the game prepares one: its layout built.
inline std::unique_ptr<GameState> layoutOnly() {
    auto state = std::make_unique<GameState>();
    buildLocationTable(*state);
    return state;
}

/// Reads a saved text as the game does, named trains included; the reading says how it went.
inline SavedGameReading readAsTheGameDoes(const std::string& text, GameState& into, SavedSession& session) {
    SavedGameReading reading = readSavedGame(text, into, session);
    if (reading.fault == SavedGameFault::none) nameNamedTrains(into, into.dayCode);
    return reading;
}

} // namespace wm
