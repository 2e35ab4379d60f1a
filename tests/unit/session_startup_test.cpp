// Program start, the start screen and the close rules, through the headless host.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "drive/driver.h"
#include "session/game_choice.h"

namespace wm {
namespace {

namespace fs = std::filesystem;

/// A folder standing in for the executable's, holding whichever start-up files a test wants.
class ProgramFolder {
  public:
    explicit ProgramFolder(bool help, bool font) {
        path_ = fs::temp_directory_path() /
                ("wm58-start-" + std::to_string(++counter_) + "-" + std::to_string(::getpid()));
        fs::create_directories(path_);
        if (help) fs::copy_file(fs::path(WENDMOOR_BUILD_DIR) / "WM58.qch", path_ / "WM58.qch");
        if (font) fs::copy_file(fs::path(WENDMOOR_BUILD_DIR) / "TAVO.TTF", path_ / "TAVO.TTF");
    }
    ~ProgramFolder() { fs::remove_all(path_); }
    std::string folder() const { return path_.string() + "/"; }

  private:
    fs::path path_;
    static inline int counter_ = 0;
};

TEST(StartUp, WithoutTheHelpFileTheProgramStopsWithTheFatalBox) {
    ProgramFolder dir(false, true);
    Driver driver(dir.folder(), 1);
    EXPECT_FALSE(driver.startUp());
    EXPECT_TRUE(driver.host().terminated());
    ASSERT_EQ(driver.host().messages().size(), 1u);
    EXPECT_EQ(driver.host().messages()[0], "fatal Program cannot continue: |Help file missing  " +
                                               dir.folder() +
                                               "WM58.qch |Please see Error Messages page in Help");
}

TEST(StartUp, WithTheHelpFileButNoFontTheFontIsReported) {
    ProgramFolder dir(true, false);
    Driver driver(dir.folder(), 1);
    EXPECT_FALSE(driver.startUp());
    ASSERT_EQ(driver.host().messages().size(), 1u);
    EXPECT_NE(driver.host().messages()[0].find("Font file missing  " + dir.folder() + "TAVO.TTF"),
              std::string::npos);
}

TEST(StartUp, AVeryLongFolderIsCutInTheBoxTo240Characters) {
    Driver driver("/" + std::string(300, 'f') + "/", 1);
    EXPECT_FALSE(driver.startUp());
    ASSERT_EQ(driver.host().messages().size(), 1u);
    // the kind prefix "fatal " and the box text
    EXPECT_EQ(driver.host().messages()[0].size(), 6u + 240u);
}

TEST(StartUp, WithBothFilesTheStartScreenWaitsForAChoice) {
    ProgramFolder dir(true, true);
    Driver driver(dir.folder(), 1);
    ASSERT_TRUE(driver.startUp());
    HeadlessHost& host = driver.host();
    EXPECT_TRUE(driver.game().flags.atStartScreen);
    EXPECT_FALSE(driver.game().flags.modalOpen);
    EXPECT_TRUE(host.visible(Widget::New));
    EXPECT_TRUE(host.enabled(Widget::Resume));
    EXPECT_FALSE(host.enabled(Widget::Save1));
    EXPECT_FALSE(host.enabled(Widget::Options1));
    EXPECT_EQ(host.windowCaption, "Wendmoor Summer 1958");
    EXPECT_EQ(host.applicationTitle, "Wendmoor, Summer 1958");
    EXPECT_EQ(driver.game().state.clock, -1);
    // The window is exactly the console: 100 cells and 32 rows below the two-row panel.
    const Console& c = driver.game().console;
    EXPECT_EQ(host.clientSize().width, 100 * c.cellWidth() + 10);
    EXPECT_EQ(host.clientSize().height, 32 * c.cellHeight() + 2 * c.cellHeight() + 5);
}

TEST(StartUp, ClosingAtTheStartScreenEndsTheProgram) {
    Driver driver(WENDMOOR_BUILD_DIR "/", 1);
    ASSERT_TRUE(driver.startUp());
    EXPECT_TRUE(driver.window().FormCloseQuery());
    driver.window().FormClose();
    EXPECT_TRUE(driver.host().terminated());
}

TEST(StartUp, KeysAreIgnoredBeforeAGameStarts) {
    Driver driver(WENDMOOR_BUILD_DIR "/", 1);
    ASSERT_TRUE(driver.startUp());
    driver.window().FormKeyPress('Q');
    EXPECT_FALSE(driver.game().input.commandPending);
    EXPECT_EQ(driver.game().input.lastKey, 'Q');
}

TEST(GameChoice, ItemPositionsGiveDifficultyAndDay) {
    GameState state;
    ApplyGameChoice(state, {0, 0});
    EXPECT_EQ(state.difficulty, 5);
    EXPECT_EQ(state.dayCode, 5);
    EXPECT_EQ(state.dayName, "Weekday");
    ApplyGameChoice(state, {4, 1});
    EXPECT_EQ(state.difficulty, 25);
    EXPECT_EQ(state.dayCode, 6);
    EXPECT_EQ(state.dayName, "Saturday");
    ApplyGameChoice(state, {2, -1}); // no day chosen
    EXPECT_EQ(state.difficulty, 15);
    EXPECT_EQ(state.dayCode, 7);
    EXPECT_EQ(state.dayName, "Sunday");
}

} // namespace
} // namespace wm
