#include "display/hotspots.h"

#include "world/data_file.h"

#include <string>

namespace wm {

namespace {
constexpr std::string_view hotspotsFile = "track/hotspots.txt";
}

HotspotTable HotspotTable::parse(std::string_view text, std::string_view source) {
    HotspotTable table;
    for (const DataRow& row : splitDataTable(text, source)) {
        if (row.fields.size() != 7)
            failDataRow(source, row.line, "a row is: group, name, code, column, row, width, height");
        const int group = dataInteger(source, row, 0);
        const int code = dataInteger(source, row, 2);
        const int column = dataInteger(source, row, 3);
        const int line = dataInteger(source, row, 4);
        const int width = dataInteger(source, row, 5);
        const int height = dataInteger(source, row, 6);
        if (group < keyMenuGroup || group >= groupCount)
            failDataRow(source, row.line, "group " + std::to_string(group) + " is none of 2..9");
        if (code < 1) failDataRow(source, row.line, "a region's code is 1 or more");
        if (width < 1 || height < 1 || column < 1 || line < 1 || column + width - 1 > 100 ||
            line + height - 1 > 32)
            failDataRow(source, row.line, "the region does not lie within the 100 by 32 cells");
        table.add(group, column, line, width, height, code);
    }
    return table;
}

void HotspotTable::add(int group, int column, int row, int width, int height, int code) {
    groups_.at(group).push_back({column, row, column + width - 1, row + height - 1, code});
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
    static const HotspotTable table = HotspotTable::parse(readDataFile(hotspotsFile), hotspotsFile);
    return table;
}

int HitTest(int group, int column, int row) {
    return BuildHotspots().hitTest(group, column, row);
}

} // namespace wm
