#pragma once
// The pieces the location line and the compact line are made of: engine places, coupling marks and the
// text for what occupies a place, each with its colour.

#include <array>
#include <string>

#include "display/place_view.h"
#include "host/host.h"
#include "world/capacities.h"
#include "world/records.h"

namespace wm {

struct GameState;

struct PlaceCell {
    char ch = ' ';
    Colour colour{};
};

// The engine places 1..4 of a place ([0] unused) with their glyphs and colours.
std::array<PlaceCell, 5> enginePlaceCells(const GameState& state, LocationId place);

// The four coupling marks of a place: between places 1 and 2, place 2 and the occupant, the occupant and
// place 3, places 3 and 4.
std::array<PlaceCell, 4> couplingMarks(const GameState& state, LocationId place);

// Seven characters for an occupant of the place given by its occupation state and occupant, and their
// colour. trackLine: the cells show the place's track instead (nothing but engines there).
struct OccupantText {
    std::string text;
    Colour colour{};
    bool trackLine = false;
    Colour figures{}; // colour of the last three characters when figures is set apart
    bool splitColour = false;
};
OccupantText occupantText(const GameState& state, const PlaceView& view, LocationId place, OccState occState,
                          int occupant);

// A real engine index (not 0, not the no-engine mark).
bool isEngine(const GameState& state, int engine);

// An engine being worked on where it stands: marked for servicing, or taking coal or water with time left.
bool engineBeingWorked(const GameState& state, int engine);

} // namespace wm
