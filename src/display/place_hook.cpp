#include "display/place_hook.h"

#include "display/place_form.h"
#include "session/game.h"

namespace wm {

void DrawPlace(Game& game, const PlaceSpot& spot) {
    DrawPlaceForm(game.console, game.state, PlaceView{game.move.moveFrom, game.clock.tickPhase}, spot);
}

} // namespace wm
