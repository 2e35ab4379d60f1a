#include "display/section_colour.h"

#include "console/palette.h"
#include "world/game_state.h"

namespace wm {

namespace {
bool occupied(const GameState& state, int section) {
    return section >= 1 && section <= sectionCount &&
           state.sectionTimer[static_cast<std::size_t>(section)] > 0;
}
} // namespace

Colour sectionColour(const GameState& state, int section) {
    return occupied(state, section) ? palette::Red : palette::Yellow;
}

Colour crossoverDiagonalColour(const GameState& state, int joinA, int joinB, int otherA, int otherB) {
    const bool crossing = occupied(state, joinA) && occupied(state, joinB) && !occupied(state, otherA) &&
                          !occupied(state, otherB);
    return crossing ? palette::Red : palette::Yellow;
}

} // namespace wm
