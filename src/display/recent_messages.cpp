#include "display/recent_messages.h"

#include "console/palette.h"
#include "console/time_format.h"
#include "display/info_console.h"

namespace wm {

namespace {
constexpr int secondLineIndent = 7; // under the message, past "hh.mm  "
constexpr int firstMessageRow = 4;
} // namespace

std::vector<std::string> breakMessage(std::string_view message) {
    if (static_cast<int>(message.size()) <= messageLineWidth) return {std::string(message)};
    std::size_t at = message.substr(0, messageLineWidth).rfind(' ');
    if (at == std::string_view::npos) at = message.rfind(' ');
    if (at == std::string_view::npos) return {std::string(message)};
    return {std::string(message.substr(0, at)), std::string(message.substr(at + 1))};
}

std::vector<std::string> recentMessageLines(const std::array<HistoryEntry, Console::HistorySize + 1>& history,
                                            int newest) {
    std::vector<std::string> lines;
    if (newest < 1 || newest > Console::HistorySize) return lines;
    for (int step = 1; step <= Console::HistorySize; ++step) {
        const HistoryEntry& entry =
            history[static_cast<std::size_t>((newest + step - 1) % Console::HistorySize + 1)];
        if (entry.clock == -1) continue;
        const std::vector<std::string> parts = breakMessage(entry.text);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (static_cast<int>(lines.size()) >= recentMessageLineLimit) return lines;
            lines.push_back((i == 0 ? FormatTime(entry.clock) + "  " : std::string(secondLineIndent, ' ')) +
                            parts[i]);
        }
    }
    return lines;
}

void drawRecentMessages(InfoConsole& c, const std::vector<std::string>& lines) {
    c.GotoCell(2, 2);
    if (lines.empty()) {
        c.Write("No messages recorded");
        return;
    }
    c.SetTextColour(palette::HighlightText);
    c.SetBackColour(palette::Grey);
    c.Write("Time   Message");
    c.DefaultColours();
    int row = firstMessageRow;
    for (const std::string& line : lines) {
        c.GotoCell(2, row++);
        c.Write(line);
    }
}

} // namespace wm
