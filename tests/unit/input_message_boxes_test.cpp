// The console's modal boxes: the three message kinds under "Wait on error", the Yes/No question and the
// fatal start-up box.

#include <gtest/gtest.h>

#include <memory>

#include "console/console.h"
#include "host/headless/headless_host.h"
#include "world/game_state.h"

namespace wm {
namespace {

class MessageBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        console.SetConsoleSize(32, 100);
        console.ChooseLargestFontSize();
        ASSERT_TRUE(console.ApplyFontSize());
    }
    HeadlessHost host;
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    Console console{host, *state};
};

TEST_F(MessageBoxTest, WithWaitOnErrorEachMessageKindHasItsOwnBoxAndLeavesTheMessageLineAlone) {
    console.options().waitOnError = true;
    const auto start = host.now();
    console.ShowError("That route is not clear");
    console.ShowNotice("That isn't possible");
    console.ShowBonus("You gain 2 points for prompt despatch");
    ASSERT_EQ(host.boxes().size(), 3u);
    EXPECT_EQ(host.boxes()[0].kind, BoxKind::Error);
    EXPECT_EQ(host.boxes()[1].kind, BoxKind::Warning);
    EXPECT_EQ(host.boxes()[2].kind, BoxKind::Information);
    for (const RecordedBox& box : host.boxes()) EXPECT_EQ(box.helpContext, 0);
    EXPECT_EQ(host.boxes()[1].text, "That isn't possible");
    EXPECT_EQ(host.now(), start);
    EXPECT_EQ(host.rowText(31), std::string(100, ' '));
    EXPECT_EQ(host.soundsPlayed(), (std::vector<std::string>{"snderror.wav", "sndbonus.wav"}));
    EXPECT_EQ(console.newestHistoryIndex(), 3);
}

TEST_F(MessageBoxTest, AskYesNoIsTrueOnlyWhenYesIsChosen) {
    host.queueAnswer("no");
    EXPECT_FALSE(console.AskYesNo("Do you really want to quit?"));
    host.queueAnswer("yes");
    EXPECT_TRUE(console.AskYesNo("Do you really want to quit?"));
    EXPECT_EQ(host.messages().back(), "question Do you really want to quit?");
    EXPECT_TRUE(host.boxes().empty());
}

TEST_F(MessageBoxTest, TheFatalBoxFramesItsDetailPointsToHelpAndIsCutTo240Characters) {
    console.FatalSetupError("Windows has lost the Font file");
    ASSERT_EQ(host.boxes().size(), 1u);
    EXPECT_EQ(host.boxes()[0].kind, BoxKind::Error);
    EXPECT_EQ(host.boxes()[0].helpContext, 261);
    EXPECT_EQ(host.boxes()[0].text, "Program cannot continue:\r\nWindows has lost the Font file\r\nPlease "
                                    "see Error Messages page in Help");

    console.FatalSetupError("Font file missing  /" + std::string(260, 'd') + "/TAVO.TTF");
    ASSERT_EQ(host.boxes().size(), 2u);
    EXPECT_EQ(host.boxes()[1].text.size(), 240u);
    EXPECT_EQ(host.boxes()[1].text.rfind("Program cannot continue:\r\nFont file missing  /ddd", 0), 0u);
}

} // namespace
} // namespace wm
