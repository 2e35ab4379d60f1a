// The headless driver plays the real game from scripts; reviewers rely on its commands and outputs.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "drive/driver.h"

namespace wm {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class DriverTest : public ::testing::Test {
  protected:
    void SetUp() override {
        out = fs::temp_directory_path() / ("wm58-drive-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(out);
    }
    void TearDown() override { fs::remove_all(out); }

    int run(const std::vector<std::string>& script, std::string* error = nullptr) {
        std::vector<std::string> lines;
        for (std::string line : script) {
            for (auto at = line.find("%OUT%"); at != std::string::npos; at = line.find("%OUT%"))
                line.replace(at, 5, out.string());
            lines.push_back(line);
        }
        std::string message;
        const int status = driver.run("test.script", lines, message);
        if (error) *error = message;
        return status;
    }

    fs::path out;
    Driver driver{WENDMOOR_BUILD_DIR "/", 1958};
};

TEST_F(DriverTest, TheStartScreenMatchesTheExpectedText) {
    std::ifstream in(fs::path(WENDMOOR_TESTS_DIR) / "scripts" / "start_screen.txt");
    std::vector<std::string> script;
    for (std::string line; std::getline(in, line);) script.push_back(line);
    ASSERT_EQ(run(script), 0);
    EXPECT_EQ(readFile(out / "start-screen.txt"),
              readFile(fs::path(WENDMOOR_TESTS_DIR) / "expected" / "start-screen.txt"));
}

TEST_F(DriverTest, AFailingCommandNamesItsLine) {
    std::string error;
    EXPECT_EQ(run({"# a comment", "", "click 1 2 left"}, &error), 1);
    EXPECT_EQ(error, "test.script:3: click: the third argument can only be \"right\"");
    EXPECT_EQ(run({"frobnicate"}, &error), 1);
    EXPECT_EQ(error, "test.script:1: unknown command \"frobnicate\"");
}

TEST_F(DriverTest, TicksNeedARunningGame) {
    std::string error;
    EXPECT_EQ(run({"ticks 3"}, &error), 1);
    EXPECT_EQ(error, "test.script:1: ticks: no game is running");
}

TEST_F(DriverTest, ANewGameRunsTheClockThreeTicksAMinute) {
    ASSERT_EQ(run({"new-game 25 Sunday", "ticks 7", "state %OUT%/state.json"}), 0);
    const std::string state = readFile(out / "state.json");
    EXPECT_NE(state.find("\"clock\":3,"), std::string::npos) << state.substr(0, 200);
    EXPECT_NE(state.find("\"tickPhase\":2,"), std::string::npos);
    EXPECT_NE(state.find("\"difficulty\":25,"), std::string::npos);
    EXPECT_NE(state.find("\"dayName\":\"Sunday\""), std::string::npos);
    // Sunday at "Very hard": 2 x (25 div 5) + 25
    EXPECT_NE(state.find("\"target\":35,"), std::string::npos);
    EXPECT_NE(state.find("\"locations\":["), std::string::npos);
    EXPECT_NE(state.find("\"lines\":[{\"entryPlace\":55,\"signalIndex\":169"), std::string::npos);
}

TEST_F(DriverTest, QuittingBeforeTheEndAsksAndNoGoesOnWithoutATick) {
    ASSERT_EQ(run({"new-game 5 Weekday", "ticks 2", "answer no", "key Q", "state %OUT%/after-no.json",
                   "answer yes", "key q", "messages %OUT%/messages.txt"}),
              0);
    // Quitting in the first minutes rates the session at the first hour's floor.
    EXPECT_EQ(
        readFile(out / "messages.txt"),
        "question Do you really want to quit?\n"
        "question Do you really want to quit?\n"
        "end Wendmoor Summer 1958 |Your rating is fair. |Actual score was    0 points | Adjusted score was  "
        "50% of target\n");
    const std::string afterNo = readFile(out / "after-no.json");
    EXPECT_NE(afterNo.find("\"tickPhase\":1,"), std::string::npos); // still two ticks in
    EXPECT_NE(afterNo.find("\"gameRunning\":1,"), std::string::npos);
    EXPECT_TRUE(driver.host().terminated());
    EXPECT_TRUE(driver.game().flags.gameOver);
}

TEST_F(DriverTest, SpeedKeysStopAtTheEndsOfTheTable) {
    ASSERT_EQ(run({"new-game 5 Weekday", "key -", "key -", "key -", "key -", "state %OUT%/slow.json"}), 0);
    EXPECT_NE(readFile(out / "slow.json").find("\"speedIndex\":8,"), std::string::npos);
    EXPECT_EQ(driver.host().caption(Widget::Label2), "x 1");
}

TEST_F(DriverTest, TheTopPanelShowsTheTimeWithItsTickDots) {
    ASSERT_EQ(run({"new-game 5 Weekday", "ticks 1", "state %OUT%/1.json", "ticks 1", "state %OUT%/2.json",
                   "ticks 1", "state %OUT%/3.json"}),
              0);
    EXPECT_NE(readFile(out / "1.json").find("\"timeCaption\":\" 0.01 .  \""), std::string::npos);
    EXPECT_NE(readFile(out / "2.json").find("\"timeCaption\":\" 0.01 .. \""), std::string::npos);
    EXPECT_NE(readFile(out / "3.json").find("\"timeCaption\":\" 0.02    \""), std::string::npos);
    EXPECT_NE(readFile(out / "3.json").find("\"speedCaption\":\"Speed x 4\""), std::string::npos);
}

TEST_F(DriverTest, TheSelectGameAndOptionsDialogsTakeScriptedAnswers) {
    // Item positions: "Very hard" and no day at all, which plays Sunday.
    ASSERT_EQ(
        run({"answer choice:4,-1", "menu New", "state %OUT%/new.json",
             "answer options:clock=0,font=14,sound=0,log=1,wait=1,hide=1", "menu Options1",
             "state %OUT%/single.json", "answer options:clock=1", "menu Options1", "state %OUT%/running.json",
             "answer cancel", "menu Options1", "state %OUT%/cancelled.json"}),
        0);
    const std::string started = readFile(out / "new.json");
    EXPECT_NE(started.find("\"difficulty\":25,"), std::string::npos);
    EXPECT_NE(started.find("\"dayName\":\"Sunday\""), std::string::npos);
    EXPECT_NE(started.find("\"gameRunning\":1,"), std::string::npos);

    const std::string single = readFile(out / "single.json");
    for (const char* field :
         {"\"clockRunning\":0,", "\"fontSize\":14,", "\"sound\":0,", "\"scoreLogging\":1,",
          "\"waitOnError\":1,", "\"hideLocoData\":1,", "\"tickPhase\":3,"})
        EXPECT_NE(single.find(field), std::string::npos) << field;

    // Switching the clock back on gives a tick at once.
    const std::string running = readFile(out / "running.json");
    EXPECT_NE(running.find("\"clockRunning\":1,"), std::string::npos);
    EXPECT_NE(running.find("\"tickPhase\":2,"), std::string::npos);
    EXPECT_NE(running.find("\"fontSize\":14,"), std::string::npos);

    EXPECT_NE(readFile(out / "cancelled.json").find("\"clockRunning\":1,"), std::string::npos);
}

TEST_F(DriverTest, HelpIsReachedByTheMenuF1AndZ) {
    ASSERT_EQ(run({"new-game 5 Weekday", "menu Locos1", "menu Bonuses1", "menu Intro1", "menu Topics1",
                   "key F1", "key Z"}),
              0);
    // The Yards screen is shown at the start, so the current context is that screen's.
    EXPECT_EQ(driver.host().helpOpened(), (std::vector<int>{250, 300, 75, 4, 124, 124}));
}

TEST_F(DriverTest, OptionsWhileAnotherGameDialogIsOpenOnlySoundsTheNotifyCue) {
    ASSERT_EQ(run({"new-game 5 Weekday"}), 0);
    Game& game = driver.game();
    game.flags.modalOpen = true;
    driver.host().queueAnswer("options:clock=0");
    game.console.options().sound = true;
    const auto soundsBefore = driver.host().soundsPlayed().size();
    driver.window().ComponentClick("Options1");
    ASSERT_EQ(driver.host().soundsPlayed().size(), soundsBefore + 1);
    EXPECT_EQ(driver.host().soundsPlayed().back(), "sndnotify.wav");
    EXPECT_TRUE(game.console.options().clockRunning);
}

TEST_F(DriverTest, ABadOptionsAnswerIsRefusedWithItsKeys) {
    std::string error;
    EXPECT_EQ(run({"answer options:font=40"}, &error), 1);
    EXPECT_NE(error.find("answer: bad options list \"font=40\""), std::string::npos) << error;
    EXPECT_EQ(run({"answer options:colour=1"}, &error), 1);
}

TEST_F(DriverTest, PlusAtTheFastestSpeedChangesNothing) {
    ASSERT_EQ(
        run({"new-game 5 Weekday", "key +", "key +", "key +", "key +", "key +", "state %OUT%/fast.json"}), 0);
    const std::string fast = readFile(out / "fast.json");
    EXPECT_NE(fast.find("\"speedIndex\":1,"), std::string::npos);
    EXPECT_NE(fast.find("\"clock\":1,"), std::string::npos); // keys are not ticks while the clock runs
    EXPECT_EQ(driver.host().caption(Widget::Label2), "x 20");
}

TEST_F(DriverTest, InSingleStepEachPlusIsExactlyOneTick) {
    ASSERT_EQ(run({"new-game 5 Weekday", "answer options:clock=0", "menu Options1", "wait 60000",
                   "state %OUT%/still.json", "key +", "state %OUT%/one.json", "key +", "key +",
                   "state %OUT%/three.json", "screen %OUT%/screen.txt"}),
              0);
    EXPECT_NE(readFile(out / "still.json").find("\"clock\":1,\"difficulty\""), std::string::npos);
    EXPECT_NE(readFile(out / "still.json").find("\"tickPhase\":3,"), std::string::npos);
    EXPECT_NE(readFile(out / "one.json").find("\"tickPhase\":2,"), std::string::npos);
    const std::string three = readFile(out / "three.json");
    EXPECT_NE(three.find("\"clock\":2,"), std::string::npos);
    EXPECT_NE(three.find("\"tickPhase\":3,"), std::string::npos);
    EXPECT_NE(readFile(out / "screen.txt").find("Click + sign to right of Single Step to advance clock"),
              std::string::npos);
}

TEST_F(DriverTest, InSingleStepMinusGivesNoTickAndPlusGivesOne) {
    ASSERT_EQ(run({"new-game 5 Weekday", "answer options:clock=0", "menu Options1", "state %OUT%/still.json",
                   "key -", "menu Button1", "state %OUT%/minus.json", "key +", "state %OUT%/plus.json"}),
              0);
    const std::string still = readFile(out / "still.json");
    const std::string minus = readFile(out / "minus.json");
    for (const char* field : {"\"clock\":1,\"difficulty\"", "\"tickPhase\":3,", "\"speedIndex\":5,"}) {
        EXPECT_NE(still.find(field), std::string::npos) << field;
        EXPECT_NE(minus.find(field), std::string::npos) << field;
    }
    EXPECT_NE(readFile(out / "plus.json").find("\"tickPhase\":2,"), std::string::npos);
}

TEST_F(DriverTest, FifteenQuietTicksSpeedTheClockUpUntilAKeyIsPressed) {
    ASSERT_EQ(run({"new-game 5 Saturday", "ticks 14", "screen %OUT%/before.txt", "ticks 1",
                   "screen %OUT%/after.txt", "state %OUT%/after.json", "key -", "screen %OUT%/reset.txt",
                   "state %OUT%/reset.json"}),
              0);
    const std::string message = " Speeded up until next need for action ";
    EXPECT_EQ(readFile(out / "before.txt").find(message), std::string::npos);
    EXPECT_NE(readFile(out / "after.txt").find(message), std::string::npos);
    EXPECT_NE(readFile(out / "after.json").find("\"speededUp\":1,"), std::string::npos);
    EXPECT_NE(readFile(out / "reset.json").find("\"speededUp\":0,"), std::string::npos);
    EXPECT_NE(readFile(out / "reset.json").find("\"quietTicks\":15,"), std::string::npos);
    EXPECT_EQ(readFile(out / "reset.txt").find(message), std::string::npos);
}

TEST_F(DriverTest, WhileTheClockRacesTheSpeedUpMessageStandsOnceOnTheMessageLine) {
    ASSERT_EQ(run({"new-game 5 Saturday", "ticks 20", "show-screen 3", "screen %OUT%/screen.txt",
                   "state %OUT%/state.json"}),
              0);
    ASSERT_NE(readFile(out / "state.json").find("\"speededUp\":1,"), std::string::npos);
    std::istringstream screen(readFile(out / "screen.txt"));
    std::string row;
    for (int n = 1; n <= 31; ++n) std::getline(screen, row);
    const std::string message = " Speeded up until next need for action ";
    EXPECT_EQ(row, message + std::string(100 - message.size(), ' '));
}

TEST_F(DriverTest, TheShiftEndsAtItsLastMinuteWithoutAQuestion) {
    // A whole Weekday with no player input: the trains wait at the entries until the shift is over.
    ASSERT_EQ(run({"new-game 5 Weekday", "state %OUT%/start.json", "ticks 5000"}), 0);
    const std::string start = readFile(out / "start.json");
    EXPECT_NE(start.find("\"departureCount\":"), std::string::npos);
    const Game& game = driver.game();
    for (int line : {1, 2, 7, 20, 21, 22}) {
        const Location& entry = game.state.locations[game.state.lines[line].entryPlace];
        EXPECT_EQ(entry.occState, occArrival) << "line " << line;
        EXPECT_NE(entry.occupant, 0) << "line " << line;
    }
    EXPECT_TRUE(driver.game().flags.gameOver);
    EXPECT_TRUE(driver.host().terminated());
    EXPECT_EQ(driver.game().state.clock, 1439);
    EXPECT_EQ(messagesText(driver.host()).find("question"), std::string::npos);
}

TEST_F(DriverTest, AGameLeftByTheEndOfAScriptCannotBeDrivenFurther) {
    ASSERT_EQ(run({"new-game 5 Weekday"}), 0);
    std::string error;
    EXPECT_EQ(run({"ticks 1"}, &error), 1);
    EXPECT_EQ(error, "test.script:1: the game was left when the previous script ended inside it");
}

} // namespace
} // namespace wm
