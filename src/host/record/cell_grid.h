#pragma once
// What a console picture shows, cell by cell: the character, its colours and any track line through it.
// Both hosts keep one, so the driver writes the same screen file from either.

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/host.h"

namespace wm {

struct RecordedCell {
    char ch = ' ';
    Colour text{192, 192, 192};
    Colour background{0, 0, 0};
    char line = 0; // a track line through the cell: '-', '|', '/' or '\'
    Colour lineColour{};
};

struct RecordedLine {
    int x1, y1, x2, y2;
    Colour colour;
    int penWidth;
};

class CellGrid {
  public:
    static constexpr int Rows = 32;
    static constexpr int Columns = 100;

    /// The cell size of the console font; rows start two cells down, below the top panel.
    void setCellSize(int width, int height);
    /// Rows start this many cells down: 2 below the main window's top panel, 0 on a canvas without one.
    void setTopRows(int rows) { topRows_ = rows; }
    /// Every cell blank again, and no lines.
    void clear();

    void drawText(int x, int y, std::string_view text, Colour textColour, Colour background);
    void fillRect(int x, int y, int width, int height, Colour colour);
    void drawLine(int x1, int y1, int x2, int y2, Colour colour, int penWidth);

    const RecordedCell& cell(int column, int row) const { return cells_[row - 1][column - 1]; }
    std::string rowText(int row) const;
    /// 32 lines of 100 characters, a blank line, 32 lines of two colour letters a cell. The start
    /// buttons, which are widgets rather than cells, are written over their rows when shown.
    std::string screenDump(bool newButtonShown, bool resumeButtonShown) const;
    /// The first `rows` lines of `columns` characters, a blank line, then their colour letters: the screen
    /// file's format for a canvas smaller than the console.
    std::string cellDump(int rows, int columns) const;
    /// The track lines still on the screen, each once however often it was redrawn: a fill over a
    /// line's whole extent removes it.
    std::vector<RecordedLine> lines() const;

    /// The colour letters of the screen dump; '?' for a colour not in the palette.
    static char colourLetter(Colour colour);

  private:
    std::pair<int, int> cellAt(int x, int y) const;
    void markLineCell(int column, int row, char kind, Colour colour);

    std::array<std::array<RecordedCell, Columns>, Rows> cells_{};
    std::map<std::array<int, 4>, RecordedLine> lines_; // by end points
    int cellWidth_ = 8;
    int cellHeight_ = 17;
    int topRows_ = 2;
};

} // namespace wm
