#include "session/saved_games.h"

#include "session/game.h"

namespace wm {

bool LoadGame(Game&, const std::string&) {
    return false;
}

bool SaveGame(Game& game, const std::string&) {
    game.host.messageBox(BoxKind::Warning, "Saving games is not available in this version", 0);
    return false;
}

} // namespace wm
