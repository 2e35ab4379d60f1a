// Program start, the start screen and the close rules, through the headless host.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "drive/driver.h"
#include "session/game_choice.h"
#include "world/data_file.h"

namespace wm {
namespace {

namespace fs = std::filesystem;

/// A folder standing in for the executable's, holding whichever start-up files a test wants; the program's
/// files go in `filesIn` below it (share/wendmoor for an installed copy).
class ProgramFolder {
  public:
    explicit ProgramFolder(bool help, bool font, bool data = true, const std::string& filesIn = "") {
        path_ = fs::temp_directory_path() /
                ("wm58-start-" + std::to_string(++counter_) + "-" + std::to_string(::getpid()));
        const fs::path files = path_ / filesIn;
        fs::create_directories(files);
        if (help) fs::copy_file(fs::path(WENDMOOR_BUILD_DIR) / "WM58.qch", files / "WM58.qch");
        if (font) fs::copy_file(fs::path(WENDMOOR_BUILD_DIR) / "TAVO.TTF", files / "TAVO.TTF");
        if (data) fs::copy(WENDMOOR_DATA_DIR, files / "data", fs::copy_options::recursive);
        if (!filesIn.empty()) fs::create_directories(path_ / "bin");
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    ~ProgramFolder() {
        fs::remove_all(path_);
        // A start-up here pointed the program's data at this folder.
        setProgramDataFolder(WENDMOOR_DATA_DIR);
    }
    std::string folder(const std::string& below = "") const {
        return (below.empty() ? path_ : path_ / below).string() + "/";
    }
    void remove(const std::string& below) const { fs::remove_all(path_ / below); }

  private:
    fs::path path_;
    static inline int counter_ = 0;
};

/// An installed copy: the executable in bin, its files in share/wendmoor.
ProgramFolder installedCopy(bool help = true, bool data = true) {
    return ProgramFolder(help, true, data, "share/wendmoor");
}

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

TEST(StartUp, AnInstalledCopyReadsItsFilesFromItsShareFolderAndNamesItWhenOneIsMissing) {
    {
        const ProgramFolder dir = installedCopy();
        Driver driver(dir.folder("bin"), 1);
        ASSERT_TRUE(driver.startUp()) << driver.host().messages().front();
        EXPECT_TRUE(driver.game().flags.atStartScreen);
        EXPECT_EQ(driver.game().text.executableFolder, dir.folder("bin"));
    }
    {
        const ProgramFolder dir = installedCopy(false);
        Driver driver(dir.folder("bin"), 1);
        EXPECT_FALSE(driver.startUp());
        ASSERT_EQ(driver.host().messages().size(), 1u);
        EXPECT_NE(driver.host().messages()[0].find("Help file missing  " + dir.folder("share/wendmoor") +
                                                   "WM58.qch"),
                  std::string::npos)
            << driver.host().messages()[0];
    }
    {
        // The tables are read from the share folder too, not from anywhere the build knows of.
        const ProgramFolder dir = installedCopy(true, false);
        Driver driver(dir.folder("bin"), 1);
        EXPECT_FALSE(driver.startUp());
        ASSERT_EQ(driver.host().messages().size(), 1u);
        EXPECT_NE(driver.host().messages()[0].find(dir.folder("share/wendmoor/data")), std::string::npos)
            << driver.host().messages()[0];
    }
}

TEST(StartUp, AnExecutableFolderThatCannotBeWrittenSendsSavesAndScoreLogToTheUsersDataFolder) {
    const ProgramFolder dir = installedCopy();
    const std::string user = dir.folder("home/.local/share/wendmoor");
    {
        // A folder that does not exist cannot be written, whoever runs the test.
        dir.remove("bin");
        Driver driver(dir.folder("bin"), 1);
        driver.host().setUserDataFolder(user);
        std::string error;
        ASSERT_EQ(driver.run("installed.script", {"new-game 5 Weekday", "menu Save1"}, error), 0) << error;
        EXPECT_EQ(driver.game().text.workingFolder, user);
        EXPECT_EQ(driver.game().text.savedGameName, user + "WM58.sav");
        EXPECT_EQ(driver.game().console.scoreLog().fileName(), user + "WM58LOG.txt");
        EXPECT_TRUE(fs::is_directory(user));
    }
    {
        // A copy that can write beside itself keeps everything there, and its log where it was started.
        fs::create_directories(dir.folder("bin"));
        Driver driver(dir.folder("bin"), 1);
        driver.host().setUserDataFolder(user);
        ASSERT_TRUE(driver.startUp()) << driver.host().messages().front();
        EXPECT_EQ(driver.game().text.workingFolder, dir.folder("bin"));
        EXPECT_EQ(driver.game().console.scoreLog().fileName(), "WM58LOG.txt");
    }
}

} // namespace
} // namespace wm
