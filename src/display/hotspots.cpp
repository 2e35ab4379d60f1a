#include "display/hotspots.h"

#include "display/departures_board.h"
#include "display/screens.h"
#include "world/data_file.h"
#include "world/place_reference.h"

#include <string>

namespace wm {

namespace {
constexpr std::string_view hotspotsFile = "track/hotspots.txt";
constexpr int screenColumns = 100;
constexpr int screenRows = 32;
constexpr int highestCode = 9999; // menu codes
constexpr int lastScreenGroup = firstScreenGroup + layoutScreenCount - 1;

bool isScreenLink(int code) {
    return code >= firstScreenLink && code < firstScreenLink + layoutScreenCount;
}

bool isBoardPanelCode(int group, int code) {
    if (group == arrivalsPanelGroup) return code == 1 || code == 2;
    return code == pageHome || code == pageUp || code == pageEnd || code == pageDown || code == toggleFilter;
}
} // namespace

HotspotTable HotspotTable::parse(std::string_view text, std::string_view source) {
    HotspotTable table;
    table.source_ = source;
    for (const DataRow& row : splitDataTable(text, source)) {
        if (row.fields.size() != 7)
            failDataRow(source, row.line, "a row is: group, name, code, column, row, width, height");
        const int group = dataNumber(source, row, 0, "group", keyMenuGroup, departuresPanelGroup);
        const int code = dataNumber(source, row, 2, "code", 1, highestCode);
        if (group > lastScreenGroup) {
            if (!isBoardPanelCode(group, code))
                failDataRow(source, row.line, "code " + std::to_string(code) + " is no panel of the boards");
        } else if (group != keyMenuGroup && !isScreenLink(code)) {
            layoutPlaceField(row.fields[2], source, row.line, "code");
        }
        const int column = dataNumber(source, row, 3, "column", 1, screenColumns);
        const int line = dataNumber(source, row, 4, "row", 1, screenRows);
        const int width = dataNumber(source, row, 5, "width", 1, screenColumns);
        const int height = dataNumber(source, row, 6, "height", 1, screenRows);
        if (column + width - 1 > screenColumns || line + height - 1 > screenRows)
            failDataRow(source, row.line, "the region does not lie within the 100 by 32 cells");
        table.add(group, column, line, width, height, code);
        table.groups_[static_cast<std::size_t>(group)].back().name = row.fields[1];
        table.groups_[static_cast<std::size_t>(group)].back().fileLine = row.line;
    }
    return table;
}

void HotspotTable::checkWrittenNames() const {
    for (int group = firstScreenGroup; group <= lastScreenGroup; ++group)
        for (const Hotspot& spot : groups_[static_cast<std::size_t>(group)]) {
            const std::string written =
                isScreenLink(spot.code)
                    ? std::to_string(spot.code)
                    : std::string(writtenCode(needLayoutPlace(spot.code, source_, spot.fileLine)));
            if (spot.name != written)
                failDataRow(source_, spot.fileLine,
                            "code " + std::to_string(spot.code) + " is " + quoted(written) + ", not " +
                                quoted(spot.name));
        }
}

void HotspotTable::add(int group, int column, int row, int width, int height, int code) {
    groups_.at(group).push_back({column, row, column + width - 1, row + height - 1, code, {}, 0});
}

int HotspotTable::hitTest(int group, int column, int row) const {
    if (group < 0 || group >= groupCount) return 0;
    int code = 0;
    for (const Hotspot& spot : groups_[group])
        if (spot.left <= column && column <= spot.right && spot.top <= row && row <= spot.bottom)
            code = spot.code;
    return code;
}

const HotspotTable& BuildHotspots() {
    static DataTableCache<HotspotTable> table;
    return table.get({hotspotsFile}, [](const std::vector<std::string>& texts) {
        HotspotTable read = HotspotTable::parse(texts[0], hotspotsFile);
        read.checkWrittenNames();
        return read;
    });
}

int HitTest(int group, int column, int row) {
    return BuildHotspots().hitTest(group, column, row);
}

} // namespace wm
