#pragma once
// What the soak player may do next: a table of kinds of player input, each with a weight and a maker that
// turns the game as it stands into a few lines of the driver's script language (answers queued first,
// then the click, key or menu item they are for). A new command of the game is one more row.

#include <random>
#include <string>
#include <vector>

namespace wm {

struct Game;

/// What a maker sees: the running game (read only) and the soak's own chance.
struct SoakView {
    const Game& game;
    std::mt19937& random;
    bool inCommandWait; // the game waits for a command, not inside a dialogue

    /// 0 .. n-1.
    int pick(int n) const;
    bool chance(int percent) const { return pick(100) < percent; }
};

/// Lines of driver script: "answer ..." lines, then the command they are for, or "ticks 1" lines.
using SoakLines = std::vector<std::string>;

struct SoakCommandKind {
    const char* name;
    int weight;
    SoakLines (*make)(const SoakView& view);
};

/// Every kind of input the player makes, with their weights.
const std::vector<SoakCommandKind>& soakCommandKinds();

/// One kind chosen by weight.
const SoakCommandKind& chooseSoakCommand(const SoakView& view);

} // namespace wm
