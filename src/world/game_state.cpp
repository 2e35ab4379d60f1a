#include "world/game_state.h"

#include "world/line_tables.h"

namespace wm {

namespace {

template <typename Record, std::size_t Size>
void clearTable(std::array<Record, Size>& table) {
    table.fill(Record{});
}

void initialiseLines(std::array<Line, lineCapacity + 1>& lines) {
    for (int line = 1; line <= lineCapacity; ++line) {
        const LineEntry entry = lineEntry(line);
        Line& record = lines[line];
        record.entryPlace = entry.entryPlace;
        record.signalIndex = entry.signalIndex;
        record.nextPassenger = 1;
        record.nextFreight = 1;
        record.lastArrival = 0;
        record.chosenArrival = 0;
        record.waitCount = 0;
    }
}

} // namespace

void GameState::reset() {
    difficulty = 5;
    dayCode = 0;
    dayName.clear();
    clock = -1;
    shiftStart = 0;
    shiftEnd = 1440;
    score = 0;
    target = 0;

    locationCount = 0;
    locoCount = 0;
    departureCount = 0;
    arrivalCount = 0;
    trafficCount = 0;
    portionCount = 0;
    lightEngineCount = 0;
    watchCount = 0;

    clearTable(locations);
    clearTable(locos);
    clearTable(departures);
    clearTable(arrivals);
    clearTable(traffic);
    clearTable(portions);
    clearTable(lines);
    clearTable(lightEngineMoves);
    clearTable(watchList);
    sectionTimer.fill(0);
    branchTimer = 0;

    initialiseLines(lines);
}

} // namespace wm
