#include "display/track_drawing.h"

#include "console/console.h"
#include "display/section_colour.h"
#include "world/game_state.h"

namespace wm {

namespace {
int cursorColumn(const Console& c) {
    return c.cursorX() / c.cellWidth() + 1;
}

// One line in the section's colour with the track pen; the cursor stays where it was.
void line(const TrackPen& pen, Colour colour, int x1, int y1, int x2, int y2) {
    Console& c = pen.console;
    c.SetTextColour(colour);
    c.SetTrackPen(true);
    c.DrawRawLine(x1, y1, x2, y2);
    c.SetTrackPen(false);
    c.DefaultColours();
}

void straight(const TrackPen& pen, Colour colour, int cells) {
    const Console& c = pen.console;
    const int x = c.cursorX(), y = c.cursorY() + c.halfCell();
    line(pen, colour, x + 1, y, x + cells * c.cellWidth(), y);
}

void rise(const TrackPen& pen, Colour colour) {
    const Console& c = pen.console;
    const int x = c.cursorX(), y = c.cursorY(), h = c.halfCell();
    line(pen, colour, x + 1, y + h, x + c.cellWidth(), y + h - c.cellHeight() + 1);
}

void fall(const TrackPen& pen, Colour colour) {
    const Console& c = pen.console;
    const int x = c.cursorX(), y = c.cursorY(), h = c.halfCell();
    line(pen, colour, x + 1, y - h, x + c.cellWidth(), y - h + c.cellHeight() - 1);
}

void advance(const TrackPen& pen, int cells) {
    Console& c = pen.console;
    c.GotoCell(cursorColumn(c) + cells, c.currentRow());
}
} // namespace

void DrawTrack(const TrackPen& pen, int section, int cells) {
    straight(pen, sectionColour(pen.state, section), cells);
    advance(pen, cells);
}

void DrawRiseTrack(const TrackPen& pen, int section) {
    rise(pen, sectionColour(pen.state, section));
    advance(pen, 1);
}

void DrawFallTrack(const TrackPen& pen, int section) {
    fall(pen, sectionColour(pen.state, section));
    advance(pen, 1);
}

void DrawPointsUp(const TrackPen& pen, int straightSection, int diverging) {
    rise(pen, sectionColour(pen.state, diverging));
    DrawTrack(pen, straightSection, 1);
}

void DrawPointsDown(const TrackPen& pen, int straightSection, int diverging) {
    fall(pen, sectionColour(pen.state, diverging));
    DrawTrack(pen, straightSection, 1);
}

void DrawThreeWay(const TrackPen& pen, int straightSection, int rising, int falling) {
    rise(pen, sectionColour(pen.state, rising));
    fall(pen, sectionColour(pen.state, falling));
    DrawTrack(pen, straightSection, 1);
}

void DrawCrossover(const TrackPen& pen, bool rising, bool falling, int upperLeft, int upperRight,
                   int lowerLeft, int lowerRight) {
    Console& c = pen.console;
    const int column = cursorColumn(c), row = c.currentRow();
    const int x = c.cursorX(), y = c.cursorY(), h = c.halfCell(), w = c.cellWidth(), ch = c.cellHeight();
    const GameState& s = pen.state;
    straight(pen, sectionColour(s, upperLeft), 1);
    advance(pen, 1);
    straight(pen, sectionColour(s, upperRight), 1);
    c.GotoCell(column, row + 1);
    straight(pen, sectionColour(s, lowerLeft), 1);
    advance(pen, 1);
    straight(pen, sectionColour(s, lowerRight), 1);
    if (rising) // lower left to upper right
        line(pen, crossoverDiagonalColour(s, lowerLeft, upperRight, upperLeft, lowerRight), x + 1, y + ch + h,
             x + 2 * w, y + h);
    if (falling) // upper left to lower right
        line(pen, crossoverDiagonalColour(s, upperLeft, lowerRight, lowerLeft, upperRight), x + 1, y + h,
             x + 2 * w, y + ch + h);
    c.GotoCell(column + 2, row);
}

void ColouredText(const TrackPen& pen, int section, std::string_view text) {
    Console& c = pen.console;
    c.SetTextColour(sectionColour(pen.state, section));
    c.WriteText(text);
    c.DefaultColours();
}

} // namespace wm
