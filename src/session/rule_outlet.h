#pragma once
// The rules' view of the game's chance, message line and sound.

#include "rules/engine_servicing.h"
#include "session/game.h"

namespace wm {

inline RuleOutlet ruleOutlet(Game& g) {
    return RuleOutlet{[&g](int n) { return g.rand(n); },
                      [&g](const std::string& text) { g.console.ShowNotice(text); },
                      [&g](int cue) { g.console.PlayCue(cue); }};
}

} // namespace wm
