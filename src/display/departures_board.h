#pragma once
// The departures board of a layout screen: the departures still to leave from the screen's groups of
// places (or from all of them), a page of 26 at a time, with where each train stands.

#include <string>
#include <vector>

#include "display/board_text.h"
#include "world/capacities.h"

namespace wm {

class Console;
struct GameState;

/// What a paging key or a footer panel (click regions of `departuresPanelGroup`) asks for.
enum BoardPaging : int {
    pageHome = 71,
    pageUp = 73,
    pageEnd = 79,
    pageDown = 81,
    toggleFilter = 90,
};
inline constexpr int departuresPageRows = 26; // rows 4..29

/// The groups of places a layout screen's board lists: `first` alone, or `first` to `last`.
struct BoardGroups {
    int first = 0;
    int last = 0;
    bool range() const { return last != first; }
};
BoardGroups boardGroups(int screen);

/// The departures to list in table order: those not yet left, no all-day pilot duties, booked before
/// 25.00, and with `filter` set (a screen's first group) only those of the groups.
std::vector<DepartureIndex> listedDepartures(const GameState& state, int filter, BoardGroups groups);

/// The first entry (from 1) after `code`, kept where a full page still shows.
int pagedFirst(int first, int count, int code);

/// Where the departure stands, in the words of the board's last column ("ready in platform PL3", "due
/// 10.05 from Leeds", ...); light engines are written by the board in Yellow.
std::string departureWhereabouts(const GameState& state, DepartureIndex departure);

/// What one drawing of the board needs beyond the world.
struct DeparturesPage {
    const std::vector<DepartureIndex>& list;
    int first = 1; // entry of the list on the first row, from 1
    int filter = 0;
    BoardGroups groups;
};

/// The board on a cleared console; gives the departure shown on each row.
BoardRowMap DrawDeparturesBoard(Console& console, const GameState& state, const DeparturesPage& page);

} // namespace wm
