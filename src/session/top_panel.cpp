#include "session/top_panel.h"

#include <array>
#include <cstdio>
#include <string>

#include "console/time_format.h"
#include "session/game.h"

namespace wm {

namespace {
// Indexed by speed index 1..8; the label is 20 divided by the seconds, rounded.
constexpr std::array<int, 9> TickSeconds{0, 1, 2, 3, 4, 5, 7, 10, 20};
constexpr std::array<const char*, 9> SpeedLabels{"", "20", "10", "7", "5", "4", "3", "2", "1"};

int clampSpeed(int speedIndex) {
    return speedIndex < 1 ? 1 : speedIndex > 8 ? 8 : speedIndex;
}
} // namespace

const char* speedLabel(int speedIndex) {
    return SpeedLabels[static_cast<std::size_t>(clampSpeed(speedIndex))];
}

int tickSeconds(int speedIndex) {
    return TickSeconds[static_cast<std::size_t>(clampSpeed(speedIndex))];
}

void RefreshTopPanel(Game& game) {
    Host& host = game.host;
    std::string time = FormatTime(game.state.clock < 0 ? 0 : game.state.clock) + " ";
    switch (game.clock.tickPhase) {
    case 0:
        time += "...";
        break;
    case 1:
        time += ".. ";
        break;
    case 2:
        time += ".  ";
        break;
    default:
        time += "   ";
        break;
    }
    host.setCaption(Widget::Label4, time.substr(0, 10));
    if (game.console.options().clockRunning) {
        host.setCaption(Widget::Label1, "Speed");
        host.setCaption(Widget::Label2, std::string("x ") + speedLabel(game.clock.speedIndex));
        host.setVisible(Widget::Button1, true);
    } else {
        host.setCaption(Widget::Label1, "Single");
        host.setCaption(Widget::Label2, "Step");
        host.setVisible(Widget::Button1, false);
    }
    const int score = game.state.score;
    host.setCaption(Widget::Label5, score < 0 ? "Points lost:  " : "Points gained:");
    char points[16];
    std::snprintf(points, sizeof points, "%3d", score < 0 ? -score : score);
    host.setCaption(Widget::Label6, points);
}

} // namespace wm
