#pragma once

#include "world/capacities.h"
#include "world/records.h"

#include <optional>
#include <string_view>

namespace wm {

struct GameState;

// Code of a place the player cannot name; many places share it.
inline constexpr std::string_view unnamedPlaceCode = "aaa";

// Appends the next location with the given kind, engine places, length and code (cut to three characters),
// at rest and empty; its screen and group follow from its id.
void addLocation(GameState& state, LocationKind kind, int locoSlots, int length, std::string_view code);

// Builds the whole location table: the layout's places in id order, then the fillers up to 401, which
// include the second berths 201..400.
void buildLocationTable(GameState& state);

// A place of the layout as the location table builds it, for data that names places.
struct LayoutPlace {
    LocationKind kind;
    int locoSlots;
    std::string_view code; // three characters, a short code padded with blanks
};

// The layout's place of the id; none for a filler, a second berth or any other number.
std::optional<LayoutPlace> layoutPlace(int id);

// The last place of the layout whose code is exactly this one; 0 for none and always for "aaa".
LocationId layoutPlaceWithCode(std::string_view code);

// Some place of the layout belongs to the route-code group.
bool isPlaceGroup(int group);

// Layout screen and route group of a location id, by the id ranges of the layout.
Screen screenOfLocation(LocationId id);
int groupOfLocation(LocationId id);

// The last place 1..200 whose code is exactly this one; 0 for none and always for "aaa", which names no
// single place.
LocationId findPlaceByCode(const GameState& state, std::string_view code);

} // namespace wm
