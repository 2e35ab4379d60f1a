#pragma once
// The information window's own character console: the main console's cell size and font, its own cursor
// and colours, cells counted from the top-left of the window's canvas.

#include <string_view>

#include "display/coloured_text.h"
#include "host/host.h"

namespace wm {

class InfoConsole {
  public:
    InfoConsole(Host& host, int cellWidth, int cellHeight);

    /// Blacks out the canvas of `rows` by `columns` cells and puts the cursor at 1,1 in the default colours.
    void Clear(int rows, int columns);
    void GotoCell(int column, int row);
    void Write(std::string_view text);
    void Write(const ColouredText& text);
    void WriteLine(std::string_view text);
    void NewLine();
    /// Half a row down, back at the left edge: a little space between blocks.
    void HalfRowDown();

    void DefaultColours(); // White on Black
    void WhiteOnNavy();
    void WhiteOnBrown();
    void SetTextColour(Colour colour) { text_ = colour; }
    void SetBackColour(Colour colour) { back_ = colour; }

    int row() const { return row_; }
    int column() const { return cellWidth_ > 0 ? x_ / cellWidth_ + 1 : 1; }
    /// The columns of the canvas as last cleared.
    int columns() const { return columns_; }
    /// Cells left on the row from the cursor.
    int room() const { return columns_ - column() + 1; }
    int cellWidth() const { return cellWidth_; }
    int cellHeight() const { return cellHeight_; }

  private:
    Host& host_;
    int cellWidth_;
    int cellHeight_;
    int x_ = 0;
    int y_ = 0;
    int row_ = 1;
    int columns_ = 80;
    Colour text_;
    Colour back_;
};

} // namespace wm
