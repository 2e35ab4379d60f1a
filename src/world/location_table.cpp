#include "world/location_table.h"

#include "world/game_state.h"
#include "world/table/location_rows.h"

namespace wm {

namespace {

constexpr int fillerLocoSlots = 4;
constexpr int fillerLength = 10;

int locoSlotsOf(int id) {
    for (const table::LocoSlotsRow& row : table::locoSlotExceptions)
        if (row.id == id) return row.locoSlots;
    return 4;
}

constexpr bool rowsAreWellFormed() {
    for (std::size_t i = 0; i < table::locationRows.size(); ++i) {
        const table::LocationRow& row = table::locationRows[i];
        if (row.id != static_cast<int>(i) + 1 || row.code.size() != 3) return false;
    }
    return true;
}

static_assert(rowsAreWellFormed(), "layout rows run 1..194 in id order with three-character codes");

} // namespace

std::optional<LayoutPlace> layoutPlace(int id) {
    if (id < 1 || id > table::lastLayoutPlace) return std::nullopt;
    const table::LocationRow& row = table::locationRows[static_cast<std::size_t>(id - 1)];
    return LayoutPlace{row.kind, locoSlotsOf(id), row.code};
}

LocationId layoutPlaceWithCode(std::string_view code) {
    if (code == unnamedPlaceCode) return 0;
    LocationId found = 0;
    for (const table::LocationRow& row : table::locationRows)
        if (row.code == code) found = row.id;
    return found;
}

bool isPlaceGroup(int group) {
    for (const table::GroupRange& range : table::groupRanges)
        if (range.group == group) return true;
    return false;
}

Screen screenOfLocation(LocationId id) {
    for (const table::ScreenRange& range : table::screenRanges)
        if (id >= range.first && id <= range.last) return range.screen;
    return table::defaultScreen;
}

int groupOfLocation(LocationId id) {
    for (const table::GroupRange& range : table::groupRanges)
        if (id >= range.first && id <= range.last) return range.group;
    return 0;
}

void addLocation(GameState& state, LocationKind kind, int locoSlots, int length, std::string_view code) {
    const LocationId id = ++state.locationCount;
    Location& place = state.locations[id];
    place = Location{};
    place.kind = kind;
    place.locoSlots = locoSlots;
    place.length = length;
    place.code = code;
    place.screen = screenOfLocation(id);
    place.group = groupOfLocation(id);
}

void buildLocationTable(GameState& state) {
    state.locationCount = 0;
    for (const table::LocationRow& row : table::locationRows)
        addLocation(state, row.kind, locoSlotsOf(row.id), row.length, row.code);
    while (state.locationCount < locationCapacity)
        addLocation(state, kindSiding, fillerLocoSlots, fillerLength, unnamedPlaceCode);
}

LocationId findPlaceByCode(const GameState& state, std::string_view code) {
    if (code == unnamedPlaceCode) return 0;
    LocationId found = 0;
    for (LocationId id = 1; id <= placeCount && id <= state.locationCount; ++id)
        if (state.locations[id].code == code) found = id;
    return found;
}

} // namespace wm
