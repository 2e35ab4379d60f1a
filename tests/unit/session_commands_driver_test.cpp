// The 'from' / 'to' dialogue played through the driver: what the player is told, and rows 30 to 32.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "drive/driver.h"

namespace wm {
namespace {

namespace fs = std::filesystem;

class CommandsDriver : public ::testing::Test {
  protected:
    void SetUp() override {
        out = fs::temp_directory_path() / ("wm58-commands-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(out);
    }
    void TearDown() override { fs::remove_all(out); }

    /// Plays a Weekday from its start with the commands given.
    void play(std::vector<std::string> commands) {
        commands.insert(commands.begin(), "new-game 5 Weekday");
        for (std::string& line : commands)
            for (auto at = line.find("%OUT%"); at != std::string::npos; at = line.find("%OUT%"))
                line.replace(at, 5, out.string());
        std::string error;
        ASSERT_EQ(driver.run("commands.script", commands, error), 0) << error;
    }
    std::string messages() { return messagesText(driver.host()); }
    /// Row 1..32 of a screen file written by the driver.
    std::string row(const std::string& file, int number) const {
        std::ifstream in(out / file);
        std::string line;
        for (int i = 1; i <= number && std::getline(in, line); ++i) {
        }
        return line;
    }

    /// What a player sees of a row of plain characters: each with its background, and its colour unless
    /// blank.
    std::string look(const std::string& file, int number) const {
        const std::string text = row(file, number);
        const std::string colours = row(file, 33 + number);
        std::string seen;
        for (std::size_t i = 0; i < text.size() && 2 * i + 1 < colours.size(); ++i) {
            seen += text[i];
            seen += text[i] == ' ' ? '.' : colours[2 * i];
            seen += colours[2 * i + 1];
        }
        return seen;
    }

    fs::path out;
    Driver driver{WENDMOOR_BUILD_DIR "/", 1};
};

TEST_F(CommandsDriver, ATypedTwoLetterCodeNamesThePlaceWithThatCodeAndABlank) {
    play({"answer text:wn", "answer text:wn", "key SPACE"});
    EXPECT_EQ(messages(), "input Enter the location to move from, or Esc to Cancel\n"
                          "input Enter the location to move to, or action code, or Esc to Cancel\n"
                          "notice No move possible within WN \n");
}

TEST_F(CommandsDriver, ACodeNoPlaceHasIsReported) {
    play({"answer text:zq", "key SPACE"});
    EXPECT_EQ(messages(), "input Enter the location to move from, or Esc to Cancel\n"
                          "notice No section ZQ \n");
}

TEST_F(CommandsDriver, ARightClickOnAnEmptyCellDoesNothing) {
    play({"click 5 3 right", "state %OUT%/state.json"});
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(driver.host().popupsOpened(), 0);
}

TEST_F(CommandsDriver, TheFromIsDescribedWithItsEngineAndAnArrowKeyCancelsTheMouseMove) {
    // DG2 on the Yards screen holds a departure ready with its engine.
    play({"click 60 20", "screen %OUT%/from.txt", "key LEFT", "screen %OUT%/after.txt"});
    EXPECT_EQ(row("from.txt", 30).rfind(" 6.05 from Down Yard to ", 0), 0u) << row("from.txt", 30);
    EXPECT_NE(row("from.txt", 31).find(" Click on location to move to "), std::string::npos);
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(row("after.txt", 30).find_first_not_of(' '), std::string::npos);
    EXPECT_EQ(row("after.txt", 32).find_first_not_of(' '), std::string::npos);
}

TEST_F(CommandsDriver, TheFromDescriptionAndTheToPromptLookTheSameWhenTheScreenIsDrawnAgain) {
    play({"click 60 20", "screen %OUT%/before.txt", "show-screen 3", "screen %OUT%/after.txt"});
    const std::string prompt = " Click on location to move to ";
    const std::string engines = row("before.txt", 31);
    const auto at = engines.find(prompt);
    ASSERT_NE(at, std::string::npos) << engines;
    // Two colour letters a cell: highlight text on navy.
    std::string highlight;
    for (std::size_t i = 0; i < prompt.size(); ++i) highlight += "wn";
    EXPECT_EQ(row("before.txt", 33 + 31).substr(2 * at, highlight.size()), highlight);
    for (int n : {30, 31, 32}) EXPECT_EQ(look("after.txt", n), look("before.txt", n)) << "row " << n;
}

TEST_F(CommandsDriver, AWindowRepaintWhileTheToPromptWaitsKeepsTheDescriptionWholeFromColumnOne) {
    // The scenario both hosts play: the window is covered and uncovered while the 'to' prompt waits.
    std::ifstream in(fs::path(WENDMOOR_TESTS_DIR) / "scripts" / "from_and_to.txt");
    std::vector<std::string> script;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("new-game", 0) != 0) script.push_back(line);
    play(script);
    EXPECT_EQ(row("from-repainted.txt", 30).rfind(" 6.05 from Down Yard to ", 0), 0u)
        << row("from-repainted.txt", 30);
    for (int n : {30, 31, 32}) EXPECT_EQ(look("from-repainted.txt", n), look("from.txt", n)) << "row " << n;
    EXPECT_EQ(row("cancelled.txt", 30).find_first_not_of(' '), std::string::npos);
}

TEST_F(CommandsDriver, CouplingOnAShedRoadIsRefused) {
    play({"click 20 28", "answer menu:Couple1", "click 10 17 right"});
    EXPECT_EQ(driver.game().display.currentScreen, 1);
    EXPECT_EQ(driver.host().popupsOpened(), 1);
    EXPECT_EQ(messages(), "notice Coupling/uncoupling not allowed there\n");
}

TEST_F(CommandsDriver, WaterAtAPlatformWithoutAColumnIsNotPossible) {
    play({"answer menu:Water1", "click 15 17 right"});
    EXPECT_EQ(messages(), "notice That isn't possible\n");
}

TEST_F(CommandsDriver, ANavigationPanelAndTheKeyMenuChangeScreen) {
    play({"click 5 24", "state %OUT%/north.json", "click 60 28", "state %OUT%/south.json"});
    EXPECT_EQ(driver.game().display.currentScreen, 4);
    std::ifstream in(out / "north.json");
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("\"currentScreen\":2,"), std::string::npos);
}

} // namespace
} // namespace wm
