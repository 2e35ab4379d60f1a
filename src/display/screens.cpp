#include "display/screens.h"

#include <array>
#include <string_view>

#include "console/palette.h"
#include "display/top_panel.h"
#include "session/game.h"
#include "session/help_contexts.h"

namespace wm {

namespace {
constexpr std::array<int, 6> menuColumns{2, 16, 30, 44, 58, 72};
constexpr std::array<std::string_view, layoutScreenCount> screenButtons{
    "Common       ", // 0
    "Shed         ", // 1
    "North Jn     ", // 2
    "Yards        ", // 3
    "South Jn     ", // 4
};
constexpr std::array<std::string_view, 6> keyItems{"A Arrivals   ", "D Departures ", "R Report     ",
                                                   "Z Details    ", "M Messages   ", "Q Quit       "};

/// Text and background of a screen button at an alert level 0..4.
void alertColours(Console& c, int level) {
    switch (level) {
    case 1:
        c.SetTextColour(palette::Black), c.SetBackColour(palette::White);
        break;
    case 2:
        c.SetTextColour(palette::Black), c.SetBackColour(palette::Yellow);
        break;
    case 3:
        c.SetTextColour(palette::Black), c.SetBackColour(palette::Violet);
        break;
    case 4:
        c.SetTextColour(palette::Black), c.SetBackColour(palette::Red);
        break;
    default:
        c.WhiteOnBrown();
        break;
    }
}
} // namespace

void DrawKeyMenu(Game& game) {
    Console& c = game.console;
    const int first = c.rows() - 5;
    c.DefaultColours();
    c.GotoCell(1, first);
    c.SetTextColour(palette::Green);
    c.WriteText("Press:");
    for (int screen = 0; screen < layoutScreenCount; ++screen) {
        alertColours(c, game.display.alertLevel[static_cast<std::size_t>(screen)]);
        c.GotoCell(menuColumns[static_cast<std::size_t>(screen)], first + 1);
        c.WriteText(screenButtons[static_cast<std::size_t>(screen)]);
    }
    c.WhiteOnBrown();
    for (std::size_t item = 0; item < keyItems.size(); ++item) {
        c.GotoCell(menuColumns[item], first + 2);
        c.WriteText(keyItems[item]);
    }
    c.DefaultColours();
}

void DrawScreen(Game& game, int screen) {
    if (screen < 0 || screen >= layoutScreenCount) return;
    RefreshTopPanel(game);
    DrawKeyMenu(game);
}

void ShowScreen(Game& game, int screen) {
    if (screen < 0 || screen >= layoutScreenCount) return;
    game.display.currentScreen = screen;
    game.display.displayMode = 0;
    game.display.helpContext = HelpFirstScreen + screen;
    game.flags.fullRedraw = true;
    game.host.requestRepaint();
}

} // namespace wm
