#include "display/coloured_text.h"

#include "console/console.h"

namespace wm {

ColouredText& ColouredText::operator+=(std::string_view text) {
    if (!runs_.empty() && !runs_.back().foreground && !runs_.back().background)
        runs_.back().text += text;
    else
        runs_.push_back({std::string(text), std::nullopt, std::nullopt});
    return *this;
}

void ColouredText::add(std::string_view text, Colour foreground, std::optional<Colour> background) {
    runs_.push_back({std::string(text), foreground, background});
}

std::string ColouredText::plain() const {
    std::string out;
    for (const TextRun& run : runs_) out += run.text;
    return out;
}

void WriteColouredText(Console& console, const ColouredText& text) {
    const Colour foreground = console.textColour();
    const Colour background = console.backColour();
    for (const TextRun& run : text.runs()) {
        if (run.foreground) console.SetTextColour(*run.foreground);
        if (run.background) console.SetBackColour(*run.background);
        console.WriteText(run.text);
        console.SetTextColour(foreground);
        console.SetBackColour(background);
    }
}

} // namespace wm
