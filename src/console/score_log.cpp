#include "console/score_log.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "console/time_format.h"

namespace wm {

bool ScoreLog::create(std::string_view programPrefix) {
    std::ofstream out(fileName_, std::ios::trunc);
    out << "Score log for " << programPrefix << '\n';
    out.flush();
    return static_cast<bool>(out);
}

bool ScoreLog::append(std::string_view line) {
    // Appending never creates the file: a log that has gone away must be reported and started anew.
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(fileName_, ignored)) return false;
    std::ofstream out(fileName_, std::ios::app);
    if (!out) return false;
    out << line << '\n';
    out.flush();
    return static_cast<bool>(out);
}

std::string ScoreLog::formatEntry(int clock, int change, std::string_view reason) {
    char number[16];
    std::snprintf(number, sizeof number, "%5d", change);
    std::string line = FormatClock(clock);
    line += ' ';
    line += number;
    line += ' ';
    line += reason;
    return line;
}

} // namespace wm
