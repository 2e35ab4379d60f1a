#pragma once
// A game position as the text of a saved-game file, and back.

#include "world/saved_fields.h"

#include <string>
#include <string_view>

namespace wm {

struct GameState;

inline constexpr std::string_view savedGamePrefix = "WM58";

/// The whole file: header, tables and the AutoSave option, lines ended by CR LF.
std::string writeSavedGame(const GameState& state, const SavedSession& session);

enum class SavedGameFault {
    none,
    firstLine, // the first line holds no score: not a saved game at all
    prefix,    // a saved game of another program
    body,      // damaged, cut short, or naming what is not there
};

struct SavedGameReading {
    SavedGameFault fault = SavedGameFault::none;
    int score = 0;      // the score of the first line, once it has been read
    std::string detail; // where the file went wrong, for people and tests
};

/// Reads `text` into `state`, whose constant tables (the location layout, the line table's entry places)
/// the caller has built, and into `session`. Every count is checked against its table's capacity, every
/// index against its table and every string against its length, and the whole state against the game's
/// invariants; on any fault `state` is left part-read and must be thrown away. On success spare departures
/// are gone, engines at rest stand where their places say, and the return codes are those of the return
/// arrivals; named trains are the caller's, who knows the day's timetable.
SavedGameReading readSavedGame(std::string_view text, GameState& state, SavedSession& session);

} // namespace wm
