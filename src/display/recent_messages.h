#pragma once
// The recent messages page: the remembered messages with their times, oldest first.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"

namespace wm {

class InfoConsole;

/// A message of more than this many characters goes on two lines.
inline constexpr int messageLineWidth = 60;
inline constexpr int recentMessageLineLimit = 20;

/// The message as it is shown: broken at its last blank within the first 60 characters, else at the last
/// blank it has, else not at all; one line when it is short enough.
std::vector<std::string> breakMessage(std::string_view message);

/// Every line of the page below its heading: "hh.mm  message", a second part indented by 7 blanks, from the
/// oldest entry to the newest, empty entries skipped, at most 20 lines.
std::vector<std::string> recentMessageLines(const std::array<HistoryEntry, Console::HistorySize + 1>& history,
                                            int newest);

/// "No messages recorded", or the heading and the lines.
void drawRecentMessages(InfoConsole& console, const std::vector<std::string>& lines);

} // namespace wm
