#include "display/engine_report.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "console/console.h"
#include "console/time_format.h"
#include "world/game_state.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
constexpr int reportCapacity = reportRows * reportColumns;

std::string rightJustified(int value, int width) {
    char text[16];
    std::snprintf(text, sizeof text, "%*d", width, value);
    return text;
}

std::string entryText(const Loco& engine) {
    return " " + engine.number.str() + " " + std::string(locoClass(engine.classIndex).name) + " " +
           engine.shed.str() + " ";
}
} // namespace

std::vector<LocoIndex> reportedEngines(const GameState& s) {
    std::vector<LocoIndex> engines;
    std::vector<bool> listed(static_cast<std::size_t>(locoCapacity) + 1, false);
    const int last = std::min(s.locationCount, placeCount + secondBerthOffset);
    for (LocationId id = 1; id <= last; ++id) {
        const Location& l = s.locations[static_cast<std::size_t>(id)];
        const bool waitingTrain = l.kind == kindEntryPoint && l.busyTicks == 0;
        for (int place = 1; place <= 4; ++place) {
            const LocoIndex e = l.locoAt[static_cast<std::size_t>(place)];
            if (e < 1 || e > s.locoCount || listed[static_cast<std::size_t>(e)]) continue;
            if (s.locos[static_cast<std::size_t>(e)].where != id && !waitingTrain) continue;
            listed[static_cast<std::size_t>(e)] = true;
            engines.push_back(e);
        }
    }
    return engines;
}

void DrawEngineReport(Console& c, const GameState& s, const std::vector<LocoIndex>& engines,
                      std::string_view programDate) {
    c.DefaultColours();
    c.WriteTextAt(5, 2, "Difficulty level:" + rightJustified(s.difficulty / 5, 2));
    c.WriteTextAt(35, 2,
                  std::string("Points ") + (s.score < 0 ? "lost:  " : "gained:") +
                      rightJustified(s.score < 0 ? -s.score : s.score, 3));
    c.WriteTextAt(55, 2, "Points target: " + rightJustified(s.target, 3));
    c.WriteTextAt(35, 3, "Program last modified " + std::string(programDate));
    c.SetTextColour(palette::Cyan);
    c.WriteTextAt(5, 5,
                  "Report at " + (s.clock >= s.shiftEnd ? std::string("end of shift") : FormatTime(s.clock)) +
                      " - Engines in the Wendmoor area");
    c.DefaultColours();

    const int shown = std::min(static_cast<int>(engines.size()), reportCapacity);
    for (int i = 0; i < shown; ++i) {
        c.WhiteOnNavy();
        c.WriteTextAt(1 + (i % reportColumns) * reportColumnWidth, reportFirstRow + i / reportColumns,
                      entryText(s.locos[static_cast<std::size_t>(engines[static_cast<std::size_t>(i)])]));
    }
    c.DefaultColours();
    const int count = static_cast<int>(engines.size());
    const int gridRows = (shown + reportColumns - 1) / reportColumns;
    const int row = std::min(reportFirstRow + gridRows + (gridRows > 0 ? 1 : 0), reportFirstRow + reportRows);
    if (count == 0)
        c.WriteTextAt(5, row, "None");
    else
        c.WriteTextAt(5, row,
                      "Altogether" + rightJustified(count, 3) + " engine" + (count >= 2 ? "s are" : " is") +
                          " in or approaching Wendmoor");
}

LocoIndex reportEngineAt(const std::vector<LocoIndex>& engines, int column, int row) {
    if (row < reportFirstRow || row >= reportFirstRow + reportRows || column < 1) return 0;
    const int slot = (column - 1) / reportColumnWidth;
    if (slot >= reportColumns) return 0;
    const auto index = static_cast<std::size_t>((row - reportFirstRow) * reportColumns + slot);
    return index < engines.size() ? engines[index] : 0;
}

} // namespace wm
