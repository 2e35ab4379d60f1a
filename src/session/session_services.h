#pragma once
// The running game's chance, message line, questions and cues, as the lower layers ask for them.

#include "world/game_services.h"

namespace wm {

struct Game;

class SessionServices : public GameServices {
  public:
    explicit SessionServices(Game& game) : game_(game) {}
    int rand(int n) override;
    void error(std::string_view message) override;
    void notice(std::string_view message) override;
    void bonus(std::string_view message) override;
    bool askYesNo(std::string_view question) override;
    void cue(int cue) override;

  private:
    Game& game_;
};

} // namespace wm
