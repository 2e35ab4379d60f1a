// The end of a session played through the driver: the closing penalties in the messages, the final report
// and the dialog's labels; and the report called up with "R" during play.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "script_play_fixture.h"
#include "session/help_contexts.h"

namespace wm {
namespace {

namespace fs = std::filesystem;

class EndOfShiftDriver : public ScriptPlay {
  protected:
    /// Plays one script: one driver plays one game.
    void play(std::vector<std::string> commands) { playCommands("end.script", std::move(commands)); }
    std::string fileRow(const std::string& file, int number) const {
        std::ifstream in(out / file);
        std::string line;
        for (int i = 1; i <= number && std::getline(in, line); ++i) {
        }
        return line;
    }
    int jsonNumber(const std::string& file, const std::string& key) const {
        std::ifstream in(out / file);
        std::ostringstream text;
        text << in.rdbuf();
        const std::string json = text.str();
        const auto at = json.find("\"" + key + "\":");
        return at == std::string::npos ? -1 : std::atoi(json.c_str() + at + key.size() + 3);
    }
    const std::vector<std::string>& messages() { return driver.host().messages(); }
    std::vector<std::string> messagesOfKind(const std::string& kind) {
        std::vector<std::string> out;
        for (const std::string& m : messages())
            if (m.rfind(kind + " ", 0) == 0) out.push_back(m.substr(kind.size() + 1));
        return out;
    }
    std::string row(int number) { return driver.host().rowText(number); }
    Game& game() { return driver.game(); }
};

TEST_F(EndOfShiftDriver, AWholeUnattendedWeekdayEndsWithItsPenaltiesTheReportAndTheRating) {
    play({"new-game 25 Weekday", "ticks 4400"});
    ASSERT_TRUE(game().flags.gameOver);
    EXPECT_TRUE(driver.host().terminated());
    EXPECT_EQ(game().state.clock, game().state.shiftEnd);

    // The closing penalties come after the last minute's messages and before the dialog.
    const auto& all = messages();
    ASSERT_FALSE(all.empty());
    const std::string& last = all.back();
    ASSERT_EQ(last.rfind("end ", 0), 0u) << last;
    int closing = 0;
    for (auto it = all.rbegin() + 1; it != all.rend() && it->find("late departure of ") != std::string::npos;
         ++it)
        ++closing;
    EXPECT_GT(closing, 0) << "no departure was charged at the end of the shift";
    const int score = game().state.score;
    EXPECT_NE(last.find("end Wendmoor Summer 1958 |Your rating is "), std::string::npos) << last;
    char points[32];
    std::snprintf(points, sizeof points, "Actual score was %4d points", score);
    EXPECT_NE(last.find(points), std::string::npos) << last;
    EXPECT_NE(last.find("| Score was   0% of target"), std::string::npos) << last; // far below the target

    EXPECT_NE(row(5).find("Report at end of shift - Engines in the Wendmoor area"), std::string::npos);
    EXPECT_NE(row(2).find("Points lost:"), std::string::npos);
    EXPECT_EQ(game().display.displayMode, 3);
}

TEST_F(EndOfShiftDriver, AnEarlyQuitIsRatedOnTheAdjustedScoreAndItsClosingPenaltiesAreNotLogged) {
    // The game starts in the test's own folder and writes its log there.
    const fs::path log = out / game().console.scoreLog().fileName();
    play(
        {"answer options:log=1", "menu Options1", "new-game 25 Weekday", "ticks 360", "answer yes", "key Q"});
    ASSERT_TRUE(game().flags.gameOver);
    const auto errors = messagesOfKind("error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "You lose 14 points for late departure of  1.27 to Larkhampton");
    const auto ends = messagesOfKind("end");
    ASSERT_EQ(ends.size(), 1u);
    // -14 over 2 hours of a 1438-minute shift counts as -167, 75 % below the target of 220.
    EXPECT_EQ(ends[0],
              "Wendmoor Summer 1958 |Your rating is appalling! You're fired! |Actual score was  -14 points "
              "| Adjusted score was   0% of target");
    EXPECT_FALSE(game().console.options().scoreLogging);
    EXPECT_FALSE(fs::exists(log)) << "the closing penalty was logged";
    EXPECT_NE(row(5).find("Report at  2.01 - Engines in the Wendmoor area"), std::string::npos) << row(5);
}

TEST_F(EndOfShiftDriver, ReportDuringPlayTellsWhereAClickedEngineIsAndAClickBesideOrAKeyGoesBack) {
    play({"new-game 25 Weekday", "ticks 6", "key R", "screen %OUT%/report.txt", "state %OUT%/report.json",
          "click 3 7", "info %OUT%/whereabouts.txt", "answer close", "state %OUT%/after-box.json",
          "click 95 7", "state %OUT%/after-click.json", "key R", "click 3 7", "answer close", "key PGDN",
          "state %OUT%/after-paging.json", "key R", "key ESC", "screen %OUT%/after-key.txt"});
    EXPECT_NE(fileRow("report.txt", 5).find("Report at  0.03 - Engines in the Wendmoor area"),
              std::string::npos)
        << fileRow("report.txt", 5);
    EXPECT_EQ(fileRow("report.txt", 31).substr(0, 32), "To locate an engine, click on it");
    EXPECT_EQ(jsonNumber("report.json", "displayMode"), 3);
    const std::string firstEntry = fileRow("report.txt", 7).substr(0, 18);
    ASSERT_NE(firstEntry, std::string(18, ' '));

    // The click on the first engine opens the information window on its whereabouts, with its help context.
    EXPECT_EQ(driver.host().infoShape().helpContext, 211);
    EXPECT_EQ(driver.host().infoShape().caption, "Loco location ");
    EXPECT_NE(fileRow("whereabouts.txt", 2).find(firstEntry.substr(1, 5)), std::string::npos)
        << fileRow("whereabouts.txt", 2);
    EXPECT_EQ(jsonNumber("after-box.json", "displayMode"), 3) << "the report stays after the window";
    // A click beside the grid, and a key, end the report without opening the window.
    EXPECT_EQ(jsonNumber("after-click.json", "displayMode"), 0);
    EXPECT_TRUE(driver.host().boxes().empty());
    EXPECT_EQ(jsonNumber("after-paging.json", "displayMode"), 0);
    EXPECT_EQ(fileRow("after-key.txt", 5).find("Report at"), std::string::npos);
    EXPECT_EQ(game().display.displayMode, 0);
    EXPECT_TRUE(game().flags.gameRunning);
}

TEST_F(EndOfShiftDriver, ClosingTheWindowWhileTheReportIsUpAsksToQuit) {
    play({"new-game 25 Weekday", "ticks 6", "key R", "answer no", "close"});
    const auto questions = messagesOfKind("question");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Do you really want to quit?");
    EXPECT_TRUE(game().flags.gameRunning);
    EXPECT_EQ(game().display.displayMode, 0);
}

} // namespace
} // namespace wm
