#pragma once

#include "world/capacities.h"
#include "world/records.h"

#include <array>

namespace wm {

struct GameState;

// The engine places of a place are numbered 1..locoSlots from its low-id end; places 1-2 form the low end
// and 3-4 the high end of a four-place road.

// A real engine of a place and the engine place it stands in.
struct StandingEngine {
    int place = 0;
    LocoIndex engine = 0;
};

// The real engines of a place, low-id end first.
struct EnginesHere {
    std::array<StandingEngine, 4> standing{};
    int count = 0;

    const StandingEngine* begin() const { return standing.data(); }
    const StandingEngine* end() const { return standing.data() + count; }
    bool empty() const { return count == 0; }
    int size() const { return count; }
    const StandingEngine& front() const { return standing[0]; }
    const StandingEngine& back() const { return standing[static_cast<std::size_t>(count - 1)]; }
};

EnginesHere enginesAt(const Location& location);

// A real engine stands in one of the place's engine places.
bool standsAt(const Location& location, LocoIndex engine);

// Every engine moves one place towards the high end and the engine takes place 1; the caller makes sure the
// last place was free.
void pushLocoFront(GameState& state, LocationId place, LocoIndex engine);

// Engines in places 2..n move down one place and the last place becomes free. Place 1's engine leaves the
// place; its where is the caller's to set.
void popLocoFront(GameState& state, LocationId place);

// The engine takes the free place with the lowest number; the caller makes sure there is one.
void putLocoFirstFree(GameState& state, LocationId place, LocoIndex engine);

// The occupied place with the highest number becomes free.
void removeLastLoco(GameState& state, LocationId place);

// Engines at the ends of a road close up towards its middle: 1 to 2, and 4 to 3, when that place is free.
void closeUpLocos(GameState& state, LocationId place);

// Makes every engine in the place's engine places stand at the place.
void syncLocoWhere(GameState& state, LocationId place);

// syncLocoWhere for every place 1..200 where no movement is under way.
void syncAllLocoWhere(GameState& state);

// True when an engine in the place's engine places believes it stands elsewhere. For a second berth, and
// for a place in the middle of a move (occupancy state 10), the caller's default is returned.
bool locoWhereMismatch(const GameState& state, LocationId place, bool callerDefault);

} // namespace wm
