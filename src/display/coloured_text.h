#pragma once
// A line of text made of pieces that may carry their own colours, for descriptions that mark a part.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/host.h"

namespace wm {

class Console;

struct TextRun {
    std::string text;
    std::optional<Colour> foreground; // none: the console's colours at the time of writing
    std::optional<Colour> background;
};

class ColouredText {
  public:
    ColouredText& operator+=(std::string_view text);
    void add(std::string_view text, Colour foreground, std::optional<Colour> background = std::nullopt);

    // The whole text without its colours.
    std::string plain() const;
    const std::vector<TextRun>& runs() const { return runs_; }

  private:
    std::vector<TextRun> runs_;
};

// Writes the text at the cursor; coloured runs are written in their colours and the colours in force
// before are restored after each.
void WriteColouredText(Console& console, const ColouredText& text);

} // namespace wm
