#pragma once
// Every change of the score goes through here: the points change, the change is logged, and the console
// shows the reason.

#include <string_view>

namespace wm {

class Console;

/// "You lose N point(s) for " + reason, as an error.
void LoseBonusPoints(Console& console, int points, std::string_view reason);
/// "You gain N point(s) for " + reason, as a bonus.
void GainBonusPoints(Console& console, int points, std::string_view reason);
/// A route that is not clear costs one point; the message says only that.
void RouteNotClear(Console& console);

} // namespace wm
