#pragma once
// The engine report: every engine in or approaching the area, five to a row in location order, under the
// level, the points and the target.

#include <string_view>
#include <vector>

#include "world/capacities.h"

namespace wm {

class Console;
struct GameState;

inline constexpr int reportFirstRow = 7;
inline constexpr int reportRows = 22; // rows 7..28
inline constexpr int reportColumns = 5;
inline constexpr int reportColumnWidth = 18;

/// The engines standing at a place or berth (1..400), in place order, and those on trains waiting at an
/// entry point with nothing moving there; each once.
std::vector<LocoIndex> reportedEngines(const GameState& state);

/// Draws the report on a cleared console: `programDate` is the executable's date, and the heading names the
/// time, or the end of the shift once it has come.
void DrawEngineReport(Console& console, const GameState& state, const std::vector<LocoIndex>& engines,
                      std::string_view programDate);

/// The listed engine a click on the grid hits; 0 for none.
LocoIndex reportEngineAt(const std::vector<LocoIndex>& engines, int column, int row);

} // namespace wm
