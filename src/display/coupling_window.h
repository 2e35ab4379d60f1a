#pragma once
// The coupling window: every engine and portion at a place listed a row each, top to bottom from the
// low-id end, with its coupling mark. A click changes one coupling; the engine couplings as edited take
// effect when the window closes, each after the usual three-tick change.

#include <array>
#include <vector>

#include "world/capacities.h"
#include "world/records.h"

namespace wm {

struct GameState;
class InfoConsole;

enum class CouplingRowKind {
    engine,  // an engine at an end; a click couples or uncouples that end to the train
    portion, // a portion of a rake; a click couples or uncouples it to the next
    train,   // an arrival or departure listed whole; nothing to click
};

struct CouplingRow {
    CouplingRowKind kind = CouplingRowKind::train;
    int berth = 0;       // 0 the place itself, 1 its second berth
    int end = 0;         // engines: the end they stand at
    int enginePlace = 0; // engines: 1..4
    int item = 0;        // the engine, portion, arrival or departure
    OccState occState = occEmpty;
};

struct CouplingEdit {
    LocationId place = 0;
    /// The end flags as edited, [berth][end]; stored when the window closes.
    std::array<std::array<int, 2>, 2> endFlag{};
};

/// The first console row of the list; the rows above hold the heading.
inline constexpr int firstCouplingRow = 3;
/// The window has room for this many rows.
inline constexpr int couplingRowLimit = 25;

/// Starts an edit of the place's couplings as they stand.
CouplingEdit startCouplingEdit(const GameState& state, LocationId place);

/// The rows, in the order they are drawn from firstCouplingRow on.
std::vector<CouplingRow> couplingRows(const GameState& state, LocationId place);

/// Whether the row shows a coupling: an engine's to the train (or to the engine beyond it), a portion's to
/// the next; in the edit's terms for engine ends.
bool rowCoupled(const GameState& state, const CouplingEdit& edit, const CouplingRow& row);

/// A coupling change is already counting down at the row's end: it cannot be changed again yet.
bool rowChanging(const GameState& state, const CouplingEdit& edit, const CouplingRow& row);

/// A click on console row `consoleRow`: toggles that row's coupling. False when the row offers none.
bool toggleCouplingRow(GameState& state, CouplingEdit& edit, int consoleRow);

/// Draws the heading and the rows.
void drawCouplingWindow(InfoConsole& console, const GameState& state, const CouplingEdit& edit);

/// On closing: each end whose flag was changed stores it and starts its three-tick change, a lone engine
/// there moving to the other place of its end; then the stock there forms what it now makes up.
void applyCouplings(GameState& state, const CouplingEdit& edit);

} // namespace wm
