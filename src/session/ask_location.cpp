#include "session/ask_location.h"

#include <cctype>
#include <string>

#include "session/game.h"
#include "session/main_loop.h"
#include "world/location_table.h"

namespace wm {

namespace {
constexpr std::string_view InputTitle = "Input Location";
constexpr std::size_t CodeLength = 3;
} // namespace

int AskLocation(Game& g, std::string_view question) {
    g.host.focusWindow();
    const auto reply = g.host.inputBox(InputTitle, question, "");
    std::string code = reply ? reply->substr(0, CodeLength) : std::string();
    // The box may have covered part of the screen.
    g.flags.fullRedraw = true;
    if (g.flags.gameRunning && g.flags.drawingEnabled) PaintCurrentDisplay(g);
    if (code.empty()) return 0;

    code.resize(CodeLength, ' ');
    for (char& ch : code) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    const int place = findPlaceByCode(g.state, code);
    if (place == 0) g.console.ShowNotice("No section " + code);
    return place;
}

} // namespace wm
