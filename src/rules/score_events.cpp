#include "rules/score_events.h"

#include <string>

#include "console/console.h"
#include "world/game_state.h"

namespace wm {

namespace {
constexpr std::size_t ReasonTextLimit = 79;

void changePoints(Console& console, int delta, std::string_view reason) {
    const int n = delta < 0 ? -delta : delta;
    console.state().score += delta;
    std::string text = delta < 0 ? "You lose " : "You gain ";
    text += std::to_string(n);
    text += " point";
    if (n > 1) text += "s";
    text += " for ";
    text += reason;
    if (text.size() > ReasonTextLimit) text.resize(ReasonTextLimit);
    if (delta < 0)
        console.ShowError(text);
    else
        console.ShowBonus(text);
    console.LogScore(delta, reason);
}
} // namespace

void LoseBonusPoints(Console& console, int points, std::string_view reason) {
    changePoints(console, -points, reason);
}

void GainBonusPoints(Console& console, int points, std::string_view reason) {
    changePoints(console, points, reason);
}

void RouteNotClear(Console& console) {
    console.state().score -= 1;
    console.LogScore(-1, "route not clear");
    console.ShowError("That route is not clear");
}

} // namespace wm
