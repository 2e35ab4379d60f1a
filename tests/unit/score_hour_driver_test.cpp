// An hour and ten minutes of a Weekday at Moderate, played through the real game with score logging on:
// every point won or lost has its reason on the message line and in the score log, and the log adds up
// to the score.

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "script_play_fixture.h"

namespace wm {
namespace {

struct LogEntry {
    int points = 0;
    std::string reason;
};

/// The score log's entries: a time, the signed points and the reason, after the heading.
std::vector<LogEntry> logEntries(const std::string& log) {
    std::vector<LogEntry> entries;
    std::istringstream lines(log);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string time;
        LogEntry entry;
        fields >> time >> entry.points;
        std::getline(fields >> std::ws, entry.reason);
        entries.push_back(entry);
    }
    return entries;
}

using ScoreHour = ScriptPlay;

TEST_F(ScoreHour, EveryChangeOfTheScoreIsLoggedWithItsReasonAndTheLogAddsUpToTheScore) {
    play("score_hour.txt");
    const std::string log = contents("score-log.txt");
    EXPECT_EQ(log.rfind("Score log for WM58", 0), 0u) << log;
    EXPECT_EQ(log, contents(std::filesystem::path(WENDMOOR_TESTS_DIR) / "expected" / "score_hour_log.txt"));

    const std::vector<LogEntry> entries = logEntries(log);
    int sum = 0;
    for (const LogEntry& entry : entries) sum += entry.points;
    EXPECT_EQ(sum, s().score);
    EXPECT_NE(s().score, 0);

    // Each kind of event the hour was played for, by the start of its reason.
    const std::vector<std::string> kinds = {
        "route not clear",
        "sending unscheduled light engine",
        "despatching unserviceable loco.",
        "sending inappropriate traffic to Bramhaugh Br; returned in BSD",
        "using LM 8F loco on  0.35",
        "passenger/parcels not in platform",
        "delaying arrival of  0.38",
        "delaying departure of  0.25",
        "providing unserviceable loco for",
    };
    std::set<std::string> seen;
    for (const std::string& kind : kinds)
        for (const LogEntry& entry : entries)
            if (entry.reason.rfind(kind, 0) == 0) seen.insert(kind);
    EXPECT_EQ(seen.size(), kinds.size()) << log;

    // The message line showed each change as it was made, in the same order: a route not clear as
    // "That route is not clear", every other change as a gain or loss with its reason.
    std::vector<std::string> expected, shown;
    for (const LogEntry& entry : entries) {
        if (entry.reason == "route not clear") {
            expected.push_back("error That route is not clear");
            continue;
        }
        const int points = entry.points < 0 ? -entry.points : entry.points;
        const std::string text = std::string(entry.points < 0 ? "You lose " : "You gain ") +
                                 std::to_string(points) + (points > 1 ? " points for " : " point for ") +
                                 entry.reason;
        expected.push_back((entry.points < 0 ? "error " : "bonus ") + text.substr(0, 79));
    }
    std::istringstream messages(contents("messages.txt"));
    for (std::string line; std::getline(messages, line);)
        if (line.rfind("error You lose ", 0) == 0 || line.rfind("bonus You gain ", 0) == 0 ||
            line == "error That route is not clear")
            shown.push_back(line);
    EXPECT_EQ(shown, expected);

    // The top panel words the score as lost points.
    EXPECT_NE(contents("end.json").find("\"pointsCaption\":\"Points lost:    47"), std::string::npos);
}

} // namespace
} // namespace wm
