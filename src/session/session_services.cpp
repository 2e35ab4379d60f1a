#include "session/session_services.h"

#include "session/game.h"

namespace wm {

int SessionServices::rand(int n) {
    return game_.rand(n);
}
void SessionServices::error(std::string_view message) {
    game_.console.ShowError(message);
}
void SessionServices::notice(std::string_view message) {
    game_.console.ShowNotice(message);
}
void SessionServices::bonus(std::string_view message) {
    game_.console.ShowBonus(message);
}
bool SessionServices::askYesNo(std::string_view question) {
    return game_.console.AskYesNo(question);
}
void SessionServices::cue(int cue) {
    game_.console.PlayCue(cue);
}

} // namespace wm
