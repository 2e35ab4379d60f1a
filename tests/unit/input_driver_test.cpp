// The typed location prompt in a running game, played through the headless driver.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "drive/driver.h"

namespace wm {
namespace {

namespace fs = std::filesystem;

TEST(InputDriver, ABadTypedCodeShowsTheNoSectionNoticeInTheMessages) {
    const fs::path out =
        fs::temp_directory_path() / ("wm58-input-drive-" + std::to_string(::getpid()) + ".txt");
    Driver driver(WENDMOOR_BUILD_DIR "/", 1958);
    std::string error;
    ASSERT_EQ(driver.run("input.script",
                         {"new-game 5 Weekday", "answer text:wn", "ask-location from", "answer text:Zq",
                          "ask-location to", "messages " + out.string()},
                         error),
              0)
        << error;
    std::ifstream in(out);
    std::ostringstream text;
    text << in.rdbuf();
    fs::remove(out);
    EXPECT_EQ(text.str(), "input Enter the location to move from, or Esc to Cancel\n"
                          "input Enter the location to move to, or action code, or Esc to Cancel\n"
                          "notice No section ZQ \n");
    EXPECT_EQ(driver.lastAskedLocation(), 0);
    // The notice stood on the message line for its two seconds and the game went on.
    EXPECT_TRUE(driver.game().flags.gameRunning);
}

TEST(InputDriver, AskLocationNeedsARunningGameAndAKnownQuestion) {
    Driver driver(WENDMOOR_BUILD_DIR "/", 1958);
    std::string error;
    EXPECT_EQ(driver.run("a.script", {"ask-location from"}, error), 1);
    EXPECT_EQ(error, "a.script:1: ask-location: no game is running");
    Driver again(WENDMOOR_BUILD_DIR "/", 1958);
    EXPECT_EQ(again.run("b.script", {"new-game 5 Weekday", "ask-location where"}, error), 1);
    EXPECT_EQ(error, "b.script:2: ask-location: the question can only be \"from\" or \"to\"");
}

} // namespace
} // namespace wm
