#include "session/layout_screens.h"

#include "session/game.h"
#include "session/help_contexts.h"
#include "session/top_panel.h"

namespace wm {

ScreenContext screenContext(Game& game) {
    return ScreenContext{game.console, game.state, game.display.alertLevel,
                         PlaceView{game.move.moveFrom, game.clock.tickPhase}};
}

void DrawScreen(Game& game, int screen) {
    RefreshTopPanel(game);
    DrawScreen(screenContext(game), screen);
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
