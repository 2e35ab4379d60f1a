#include "rules/reversing_destinations.h"

#include <algorithm>

#include "world/data_file.h"
#include "world/records.h"

namespace wm {

namespace {
constexpr std::string_view fileName = "reversing_destinations.txt";

// A longer text could never equal a departure's destination.
constexpr std::size_t destinationLimit = decltype(Departure::destination)::capacity;

bool listed(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}
} // namespace

LeavingSide leavingSide(int line) {
    if (line == 1 || line == 2 || line == 3 || line == 7 || line == 8) return LeavingSide::down;
    if (line == 20 || line == 21 || line == 22) return LeavingSide::up;
    return LeavingSide::neither;
}

ReversingDestinations ReversingDestinations::parse(std::string_view text, std::string_view source) {
    ReversingDestinations table;
    for (const DataRow& row : splitDataTable(text, source)) {
        if (row.fields.size() != 2) failDataRow(source, row.line, "a row is: lines, destination");
        const std::string& lines = row.fields[0];
        const std::string& destination = row.fields[1];
        std::vector<std::string>* side = lines == "down" ? &table.down_
                                         : lines == "up" ? &table.up_
                                                         : nullptr;
        if (side == nullptr)
            failDataRow(source, row.line, "lines " + quoted(lines) + " is neither down nor up");
        if (destination.empty() || destination.size() > destinationLimit)
            failDataRow(source, row.line,
                        "destination " + quoted(destination) + " is not 1 to " +
                            std::to_string(destinationLimit) + " characters");
        if (listed(*side, destination))
            failDataRow(source, row.line, "destination " + quoted(destination) + " listed twice");
        side->push_back(destination);
    }
    return table;
}

bool ReversingDestinations::reversesOnTheWay(int line, std::string_view destination) const {
    switch (leavingSide(line)) {
    case LeavingSide::down:
        return listed(down_, destination);
    case LeavingSide::up:
        return listed(up_, destination);
    case LeavingSide::neither:
        break;
    }
    return false;
}

const ReversingDestinations& loadedReversingDestinations() {
    static DataTableCache<ReversingDestinations> table;
    return table.get({fileName}, [](const std::vector<std::string>& texts) {
        return ReversingDestinations::parse(texts[0], dataFilePath(fileName));
    });
}

} // namespace wm
