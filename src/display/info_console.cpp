#include "display/info_console.h"

#include "console/palette.h"

namespace wm {

InfoConsole::InfoConsole(Host& host, int cellWidth, int cellHeight)
    : host_(host), cellWidth_(cellWidth), cellHeight_(cellHeight) {
    DefaultColours();
}

void InfoConsole::Clear(int rows, int columns) {
    columns_ = columns;
    // The window's margins (and the strip the Close button sits on) are black too.
    host_.fillInfoRect(0, 0, columns * cellWidth_ + 5, rows * cellHeight_ + 30, palette::Black);
    GotoCell(1, 1);
    DefaultColours();
}

void InfoConsole::GotoCell(int column, int row) {
    x_ = (column - 1) * cellWidth_;
    y_ = (row - 1) * cellHeight_;
    row_ = row;
}

void InfoConsole::Write(std::string_view text) {
    if (text.empty()) return;
    host_.drawInfoText(x_, y_, text, text_, back_);
    x_ += static_cast<int>(text.size()) * cellWidth_;
}

void InfoConsole::Write(const ColouredText& text) {
    const Colour foreground = text_;
    const Colour background = back_;
    for (const TextRun& run : text.runs()) {
        if (run.foreground) text_ = *run.foreground;
        if (run.background) back_ = *run.background;
        Write(run.text);
        text_ = foreground;
        back_ = background;
    }
}

void InfoConsole::WriteLine(std::string_view text) {
    Write(text);
    NewLine();
}

void InfoConsole::NewLine() {
    x_ = 0;
    y_ += cellHeight_;
    ++row_;
}

void InfoConsole::HalfRowDown() {
    x_ = 0;
    y_ += cellHeight_ / 2;
}

void InfoConsole::DefaultColours() {
    text_ = palette::White;
    back_ = palette::Black;
}

void InfoConsole::WhiteOnNavy() {
    text_ = palette::White;
    back_ = palette::Navy;
}

void InfoConsole::WhiteOnBrown() {
    text_ = palette::White;
    back_ = palette::Brown;
}

} // namespace wm
