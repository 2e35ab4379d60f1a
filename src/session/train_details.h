#pragma once
// The details of one train, asked for by a click on it in the boards.

namespace wm {

struct Game;

/// The arrival's details: where and when it comes, its engine, and what it becomes.
void ShowArrivalDetails(Game& game, int arrival);

/// The departure's details: its engine, what forms it and where it stands.
void ShowDepartureDetails(Game& game, int departure);

} // namespace wm
