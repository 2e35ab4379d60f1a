#include "session/saved_games.h"

#include "session/game.h"

namespace wm {

bool SavingAvailable() {
    return false;
}

void SaySavingUnavailable(Game& game) {
    game.host.messageBox(BoxKind::Warning, "Saving games is not available in this version", 0);
}

bool LoadGame(Game&, const std::string&) {
    return false;
}

bool SaveGame(Game& game, const std::string&) {
    SaySavingUnavailable(game);
    return false;
}

} // namespace wm
