#pragma once
// The game state as JSON, for scripted checks: scalars by name, one array per table from index 1.

#include <string>

namespace wm {
struct Game;
class HeadlessHost;

std::string stateJson(const Game& game, const HeadlessHost& host);

} // namespace wm
