#pragma once
// Pieces of text the arrivals and departures boards share: fixed-width fields, how late a train is
// expected, and what an arriving train becomes.

#include <array>
#include <string>

#include "world/capacities.h"

namespace wm {

struct GameState;

/// The row of a board's footer, under its list.
inline constexpr int boardFooterRow = 30;
/// The width of a row of a board's list.
inline constexpr int boardListRowWidth = 40;

/// For each console row 1..32 of a board's list, the arrival or departure shown there; 0 for none.
using BoardRowMap = std::array<int, 33>;

/// The text with blanks added to make it `width` characters; a longer text is kept whole.
std::string padded(std::string text, int width);

/// Minutes late as the boards give them: exact within half an hour of `clock`, to 5 minutes within the
/// hour, to 10 minutes beyond; `expected` is the minute the train is expected.
int coarseLateness(int late, int expected, int clock);

/// " On time ", or the minutes and " late" or " early" ("15 late"); the caller fits it to its panel.
std::string panelLateness(int late, int expected, int clock);

/// Ten characters: " On time  ", or the minutes in three characters and " late  " or " early ".
std::string listLateness(int late, int expected, int clock);

/// The departure the arriving train goes forward as, whole: its through partner, or the one departure of
/// the day every portion of its rake leaves on; 0 when there is no such departure.
DepartureIndex singleDepartureOf(const GameState& state, ArrivalIndex arrival);

/// "10.05 Birmingham-A": a departure's time, destination and type letter.
std::string departureHeadline(const GameState& state, DepartureIndex departure);

/// What an arriving train becomes, for the lists by line: "Light engine", "Forms ...", "ECS to carriage
/// sidings", "Forms part of ...", the traffic type name, or "Multiple portions".
std::string arrivalBecomes(const GameState& state, ArrivalIndex arrival);

/// The same in the words of the summary panels: "Light engine", or "Next: " and "Empty stock",
/// "Multiple portions" or the departure's headline.
std::string arrivalNext(const GameState& state, ArrivalIndex arrival);

} // namespace wm
