#include "host/record/cell_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "console/palette.h"

namespace wm {

namespace {
struct PaletteKey {
    Colour colour;
    char letter;
};
constexpr PaletteKey Key[] = {
    {palette::Silver, 's'},  {palette::Black, 'k'},  {palette::White, 'w'}, {palette::Navy, 'n'},
    {palette::Blue, 'b'},    {palette::Brown, 'o'},  {palette::Red, 'r'},   {palette::DarkRed, 'd'},
    {palette::Grey, 'g'},    {palette::Yellow, 'y'}, {palette::Green, 'e'}, {palette::Cyan, 'c'},
    {palette::Magenta, 'm'}, {palette::Violet, 'v'},
};

void appendLatin1(std::string& out, char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x80) {
        out += byte < 0x20 ? ' ' : ch;
    } else {
        out += static_cast<char>(0xC0 | (byte >> 6));
        out += static_cast<char>(0x80 | (byte & 0x3F));
    }
}
} // namespace

char CellGrid::colourLetter(Colour colour) {
    for (const auto& entry : Key)
        if (entry.colour == colour) return entry.letter;
    return '?';
}

void CellGrid::setCellSize(int width, int height) {
    cellWidth_ = std::max(1, width);
    cellHeight_ = std::max(1, height);
}

void CellGrid::clear() {
    cells_ = {};
    lines_.clear();
}

std::pair<int, int> CellGrid::cellAt(int x, int y) const {
    const int top = topRows_ * cellHeight_;
    const int column = x >= 0 ? x / cellWidth_ + 1 : 0;
    const int row = y >= top ? (y - top) / cellHeight_ + 1 : 0;
    return {column, row};
}

void CellGrid::drawText(int x, int y, std::string_view text, Colour textColour, Colour background) {
    auto [column, row] = cellAt(x, y);
    if (row < 1 || row > Rows) return;
    for (char ch : text) {
        if (column >= 1 && column <= Columns)
            cells_[row - 1][column - 1] = {ch, textColour, background, 0, {}};
        ++column;
    }
}

void CellGrid::fillRect(int x, int y, int width, int height, Colour colour) {
    const int top = topRows_ * cellHeight_;
    for (int row = 1; row <= Rows; ++row) {
        const int cy = top + (row - 1) * cellHeight_ + cellHeight_ / 2;
        if (cy < y || cy >= y + height) continue;
        for (int column = 1; column <= Columns; ++column) {
            const int cx = (column - 1) * cellWidth_ + cellWidth_ / 2;
            if (cx < x || cx >= x + width) continue;
            cells_[row - 1][column - 1] = {' ', colour, colour, 0, {}};
        }
    }
    // A fill that covers a line wipes it: keeping it would grow the record with every redraw.
    std::erase_if(lines_, [&](const auto& entry) {
        const RecordedLine& l = entry.second;
        return std::min(l.x1, l.x2) >= x && std::max(l.x1, l.x2) <= x + width && std::min(l.y1, l.y2) >= y &&
               std::max(l.y1, l.y2) <= y + height;
    });
}

void CellGrid::markLineCell(int column, int row, char kind, Colour colour) {
    if (column < 1 || column > Columns || row < 1 || row > Rows) return;
    RecordedCell& c = cells_[row - 1][column - 1];
    c.line = kind;
    c.lineColour = colour;
}

void CellGrid::drawLine(int x1, int y1, int x2, int y2, Colour colour, int penWidth) {
    lines_[{x1, y1, x2, y2}] = {x1, y1, x2, y2, colour, penWidth};
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const char kind = dy == 0 ? '-' : dx == 0 ? '|' : (dx > 0) == (dy < 0) ? '/' : '\\';
    // Walk the segment in half-cell steps and mark every cell it passes through.
    const int steps = std::max(1, 2 * std::max(std::abs(dx) / cellWidth_, std::abs(dy) / cellHeight_) + 2);
    for (int i = 0; i <= steps; ++i) {
        // Stop short of the far end so a line ending on a cell border does not mark the next cell.
        const double t = static_cast<double>(i) / steps;
        const int x = x1 + static_cast<int>(std::lround(dx * t)) - (i == steps && dx > 0 ? 1 : 0);
        const int y = y1 + static_cast<int>(std::lround(dy * t)) - (i == steps && dy > 0 ? 1 : 0);
        auto [column, row] = cellAt(x, y);
        markLineCell(column, row, kind, colour);
    }
}

std::vector<RecordedLine> CellGrid::lines() const {
    std::vector<RecordedLine> out;
    for (const auto& [ends, line] : lines_) out.push_back(line);
    return out;
}

std::string CellGrid::rowText(int row) const {
    std::string out;
    for (int column = 1; column <= Columns; ++column) {
        const RecordedCell& c = cell(column, row);
        appendLatin1(out, c.ch == ' ' && c.line ? c.line : c.ch);
    }
    return out;
}

std::string CellGrid::cellDump(int rows, int columns) const {
    rows = std::clamp(rows, 0, Rows);
    columns = std::clamp(columns, 0, Columns);
    std::string out;
    for (int row = 1; row <= rows; ++row) {
        for (int column = 1; column <= columns; ++column) appendLatin1(out, cell(column, row).ch);
        out += '\n';
    }
    out += '\n';
    for (int row = 1; row <= rows; ++row) {
        for (int column = 1; column <= columns; ++column) {
            out += colourLetter(cell(column, row).text);
            out += colourLetter(cell(column, row).background);
        }
        out += '\n';
    }
    return out;
}

std::string CellGrid::screenDump(bool newButtonShown, bool resumeButtonShown) const {
    std::array<std::string, Rows + 1> overlay;
    if (newButtonShown) overlay[NewButtonRow] = "[ Start New Game ]";
    if (resumeButtonShown) overlay[ResumeButtonRow] = "[ Resume Saved Game ]";

    std::string out;
    for (int row = 1; row <= Rows; ++row) {
        std::string text = rowText(row);
        if (!overlay[row].empty()) {
            const std::size_t start = (Columns - overlay[row].size()) / 2;
            text.replace(start, overlay[row].size(), overlay[row]);
        }
        out += text;
        out += '\n';
    }
    out += '\n';
    for (int row = 1; row <= Rows; ++row) {
        for (int column = 1; column <= Columns; ++column) {
            const RecordedCell& c = cell(column, row);
            const bool lineOnly = c.ch == ' ' && c.line;
            out += colourLetter(lineOnly ? c.lineColour : c.text);
            out += colourLetter(c.background);
        }
        out += '\n';
    }
    return out;
}

} // namespace wm
