#pragma once
// The game state as JSON, for scripted checks: scalars by name, one array per table from index 1.

#include <functional>
#include <string>

#include "host/host.h"

namespace wm {
struct Game;
class HeadlessHost;

/// The caption a window part shows now.
using CaptionOf = std::function<std::string(Widget)>;

std::string stateJson(const Game& game, const CaptionOf& caption);
std::string stateJson(const Game& game, const HeadlessHost& host);

} // namespace wm
