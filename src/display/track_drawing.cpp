#include "display/track_drawing.h"

#include "display/section_colour.h"
#include "session/game.h"

namespace wm {

namespace {
int cursorColumn(const Console& c) {
    return c.cursorX() / c.cellWidth() + 1;
}

// One line in the section's colour with the track pen; the cursor stays where it was.
void line(Game& game, Colour colour, int x1, int y1, int x2, int y2) {
    Console& c = game.console;
    c.SetTextColour(colour);
    c.SetTrackPen(true);
    c.DrawRawLine(x1, y1, x2, y2);
    c.SetTrackPen(false);
    c.DefaultColours();
}

void straight(Game& game, Colour colour, int cells) {
    const Console& c = game.console;
    const int x = c.cursorX(), y = c.cursorY() + c.halfCell();
    line(game, colour, x + 1, y, x + cells * c.cellWidth(), y);
}

void rise(Game& game, Colour colour) {
    const Console& c = game.console;
    const int x = c.cursorX(), y = c.cursorY(), h = c.halfCell();
    line(game, colour, x + 1, y + h, x + c.cellWidth(), y + h - c.cellHeight() + 1);
}

void fall(Game& game, Colour colour) {
    const Console& c = game.console;
    const int x = c.cursorX(), y = c.cursorY(), h = c.halfCell();
    line(game, colour, x + 1, y - h, x + c.cellWidth(), y - h + c.cellHeight() - 1);
}

void advance(Game& game, int cells) {
    Console& c = game.console;
    c.GotoCell(cursorColumn(c) + cells, c.currentRow());
}
} // namespace

void DrawTrack(Game& game, int section, int cells) {
    straight(game, sectionColour(game.state, section), cells);
    advance(game, cells);
}

void DrawRiseTrack(Game& game, int section) {
    rise(game, sectionColour(game.state, section));
    advance(game, 1);
}

void DrawFallTrack(Game& game, int section) {
    fall(game, sectionColour(game.state, section));
    advance(game, 1);
}

void DrawPointsUp(Game& game, int straightSection, int diverging) {
    rise(game, sectionColour(game.state, diverging));
    DrawTrack(game, straightSection, 1);
}

void DrawPointsDown(Game& game, int straightSection, int diverging) {
    fall(game, sectionColour(game.state, diverging));
    DrawTrack(game, straightSection, 1);
}

void DrawThreeWay(Game& game, int straightSection, int rising, int falling) {
    rise(game, sectionColour(game.state, rising));
    fall(game, sectionColour(game.state, falling));
    DrawTrack(game, straightSection, 1);
}

void DrawCrossover(Game& game, bool rising, bool falling, int upperLeft, int upperRight, int lowerLeft,
                   int lowerRight) {
    Console& c = game.console;
    const int column = cursorColumn(c), row = c.currentRow();
    const int x = c.cursorX(), y = c.cursorY(), h = c.halfCell(), w = c.cellWidth(), ch = c.cellHeight();
    const GameState& s = game.state;
    straight(game, sectionColour(s, upperLeft), 1);
    advance(game, 1);
    straight(game, sectionColour(s, upperRight), 1);
    c.GotoCell(column, row + 1);
    straight(game, sectionColour(s, lowerLeft), 1);
    advance(game, 1);
    straight(game, sectionColour(s, lowerRight), 1);
    if (rising) // lower left to upper right
        line(game, crossoverDiagonalColour(s, lowerLeft, upperRight, upperLeft, lowerRight), x + 1,
             y + ch + h, x + 2 * w, y + h);
    if (falling) // upper left to lower right
        line(game, crossoverDiagonalColour(s, upperLeft, lowerRight, lowerLeft, upperRight), x + 1, y + h,
             x + 2 * w, y + ch + h);
    c.GotoCell(column + 2, row);
}

void ColouredText(Game& game, int section, std::string_view text) {
    Console& c = game.console;
    c.SetTextColour(sectionColour(game.state, section));
    c.WriteText(text);
    c.DefaultColours();
}

} // namespace wm
