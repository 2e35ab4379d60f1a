#pragma once

#include "world/capacities.h"
#include "world/records.h"

#include <array>
#include <string_view>

namespace wm {

struct BuildContext;

// Appends an engine whose running number is one of four candidates, drawn until one no engine has yet
// (at most 51 draws; the last draw is kept, with an error, when none was free). It starts available,
// nowhere, with no lateness allowance, facing as its home shed decides.
LocoIndex addLoco(BuildContext& context, int duty, int classIndex,
                  const std::array<std::string_view, 4>& candidates, std::string_view shed);

// As addLoco, with each draw the prefix and the two digits of base + rand(range), up to 10 * range draws.
LocoIndex addLocoNumbered(BuildContext& context, int duty, int classIndex, std::string_view prefix, int base,
                          int range, std::string_view shed);

// Builds the engine table afresh from the engine list of the data folder. A missing or damaged list is a
// DataFileError.
void buildEngineTable(BuildContext& context);

// Puts the engine of the duty into engine place slot (1..4) of the place with the condition given, and
// the servicing, repair or out-of-use time that condition needs.
void placeLoco(BuildContext& context, int duty, LocationId place, int slot, EngineCondition condition);

// Puts the engine of the duty at the front of a place drawn from firstPlace..lastPlace whose last engine
// place is free; up to 201 draws, then an error.
void placeLocoInRange(BuildContext& context, int duty, LocationId firstPlace, LocationId lastPlace);

void setLocoFacing(BuildContext& context, int duty, int facing);

} // namespace wm
