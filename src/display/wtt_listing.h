#pragma once
// The working timetable of the day in fixed columns, as the WTT file holds it: a heading, the arrivals
// line by line with what each train becomes, then the departures group by group with what forms them.

#include <string>
#include <string_view>
#include <vector>

namespace wm {

struct GameState;

/// The whole listing, one string a line, for a file saved under `fileName` (named in the heading).
std::vector<std::string> WttListing(const GameState& state, std::string_view fileName);

/// The arrivals still to come on one approach line, ending in an empty line.
std::vector<std::string> WttArrivalsSection(const GameState& state, int line);

/// The departures still to leave from one group of places; nothing at all when none is listed.
std::vector<std::string> WttDeparturesSection(const GameState& state, int group);

} // namespace wm
