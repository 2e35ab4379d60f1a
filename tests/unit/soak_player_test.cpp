// The soak player: a broken invariant stops the day with what is needed to find it again, and a seed plays
// the same day every time.

#include <gtest/gtest.h>

#include "soak/soak_player.h"

namespace wm {
namespace {

/// Plays from the seed until the state is broken by hand after line `breakAt`.
SoakResult playUntilBroken(unsigned seed, long breakAt) {
    SoakPlayer player(WENDMOOR_BUILD_DIR "/", SoakSetup{seed, 10, 0});
    player.afterLine = [breakAt](Game& game, long line) {
        if (line == breakAt) game.state.sectionTimer[5] = -1;
    };
    return player.play();
}

TEST(SoakPlayer, ABrokenInvariantStopsTheDayWithSeedCommandInvariantAndState) {
    const SoakResult r = playUntilBroken(11, 300);
    ASSERT_FALSE(r.passed());
    ASSERT_FALSE(r.broken.empty());
    EXPECT_EQ(r.broken.front().name, invariant::timer);
    EXPECT_EQ(r.stoppedAtCommand, 300);
    EXPECT_EQ(r.seed, 11u);
    EXPECT_EQ(r.dayName, "Weekday");
    EXPECT_FALSE(r.recentLines.empty());
    EXPECT_NE(r.stateDump.find("\"sectionTimer\""), std::string::npos);
    const std::string report = soakFailureReport(r);
    EXPECT_NE(report.find("seed 11 level 10 Weekday"), std::string::npos) << report;
    EXPECT_NE(report.find("STOPPED at command 300, timer"), std::string::npos) << report;
    // Up to the damage the day was played by the game's own rules.
    EXPECT_GT(r.commands, 0);
    EXPECT_GT(r.tickCommands, 0);
}

TEST(SoakPlayer, TheSameSeedPlaysTheSameDay) {
    const SoakResult a = playUntilBroken(5, 400);
    const SoakResult b = playUntilBroken(5, 400);
    EXPECT_EQ(a.commands, b.commands);
    EXPECT_EQ(a.movesStarted, b.movesStarted);
    EXPECT_EQ(a.score, b.score);
    EXPECT_EQ(a.clock, b.clock);
    EXPECT_EQ(a.stateDump, b.stateDump);
    EXPECT_EQ(a.recentLines, b.recentLines);
}

} // namespace
} // namespace wm
