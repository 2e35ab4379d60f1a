// The recent messages page: how a long message is broken and which remembered messages are listed.

#include <gtest/gtest.h>

#include <string>

#include "display/recent_messages.h"

namespace wm {
namespace {

using History = std::array<HistoryEntry, Console::HistorySize + 1>;

TEST(RecentMessages, ALongMessageIsBrokenAtItsLastBlankWithinSixtyCharactersOrTheLastOneItHas) {
    EXPECT_EQ(breakMessage(std::string(60, 'x')), std::vector<std::string>{std::string(60, 'x')});
    const std::string words = std::string(50, 'a') + " " + std::string(8, 'b') + " " + std::string(20, 'c');
    EXPECT_EQ(breakMessage(words), (std::vector<std::string>{std::string(50, 'a') + " " + std::string(8, 'b'),
                                                             std::string(20, 'c')}));
    // 70 characters, the only blank at 65: broken there.
    const std::string late = std::string(65, 'd') + " " + std::string(4, 'e');
    EXPECT_EQ(breakMessage(late), (std::vector<std::string>{std::string(65, 'd'), std::string(4, 'e')}));
    // 70 characters and no blank at all: one line.
    EXPECT_EQ(breakMessage(std::string(70, 'f')), std::vector<std::string>{std::string(70, 'f')});
}

TEST(RecentMessages, TheEntriesAreListedOldestFirstWithTheirTimesAndAtMostTwentyLines) {
    History history{};
    EXPECT_TRUE(recentMessageLines(history, 0).empty());
    // The ring's newest entry is 2: entries 3..16 are older, 1 and 2 the newest; entry 4 is empty.
    for (int i = 1; i <= Console::HistorySize; ++i) history[i] = {60 + i, "message " + std::to_string(i)};
    history[4] = {};
    std::vector<std::string> lines = recentMessageLines(history, 2);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines.front(), " 1.03  message 3");
    EXPECT_EQ(lines[1], " 1.05  message 5");
    EXPECT_EQ(lines.back(), " 1.02  message 2");
    // Long messages take two lines each; the page stops at twenty.
    const std::string longMessage = std::string(40, 'g') + " " + std::string(40, 'h');
    for (int i = 1; i <= Console::HistorySize; ++i) history[i] = {600, longMessage};
    lines = recentMessageLines(history, 16);
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[0], "10.00  " + std::string(40, 'g'));
    EXPECT_EQ(lines[1], "       " + std::string(40, 'h'));
}

} // namespace
} // namespace wm
