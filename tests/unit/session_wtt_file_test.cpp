// The working timetable file offered after a new game: written whole where the player chose, or not at
// all with a clear message.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "console/palette.h"
#include "drive/driver.h"
#include "session/wtt_file.h"

namespace wm {
namespace {

namespace fs = std::filesystem;

constexpr const char* unableToWrite = "error Unable to write file - disk may be full or write-protected";

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool said(const HeadlessHost& host, const std::string& message) {
    for (const std::string& m : host.messages())
        if (m == message) return true;
    return false;
}

class WttFile : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    /// Starts a Moderate Weekday at the driver's default seed with `answer` for the timetable dialog.
    void newGame(const std::string& answer) {
        std::string error;
        ASSERT_EQ(driver.run("wtt.script", {"answer " + answer, "new-game 15 Weekday"}, error), 0) << error;
    }

    const fs::path folder = fs::temp_directory_path() / ("wm58-wtt-" + std::to_string(::getpid()));
    Driver driver{WENDMOOR_BUILD_DIR "/", 1958};
};

TEST_F(WttFile, TheModerateWeekdayIsTheTimetableInTheDocs) {
    newGame("file:" + (folder / "WM58WTT").string());
    const fs::path written = folder / "WM58WTT.txt";
    // The committed copy was saved as /tmp/WM58WTT.txt; the heading names the file it is in.
    std::string expected = readText(fs::path(WENDMOOR_TESTS_DIR) / ".." / "docs" / "WM58WTT-weekday.txt");
    const std::string committedName = "Saved as file /tmp/WM58WTT.txt\n";
    const auto at = expected.find(committedName);
    ASSERT_NE(at, std::string::npos);
    expected.replace(at, committedName.size(), "Saved as file " + written.string() + "\n");
    EXPECT_EQ(readText(written), expected);

    EXPECT_EQ(driver.game().text.workingFolder, folder.string() + "/");
    EXPECT_EQ(driver.game().text.wttFileName, written.string());
    EXPECT_TRUE(said(driver.host(), "notice Print file " + written.string() + " created as requested"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
        << "only the timetable is left in the folder";
}

TEST_F(WttFile, AFolderThatCannotBeWrittenGivesTheMessageAndNoFile) {
    // /proc takes no new files, not even from root.
    newGame("file:/proc/WM58WTT.txt");
    EXPECT_TRUE(said(driver.host(), unableToWrite));
    EXPECT_FALSE(fs::exists("/proc/WM58WTT.txt"));
    EXPECT_FALSE(fs::exists("/proc/.WM58WTT.txt.part"));
    for (const std::string& m : driver.host().messages()) EXPECT_EQ(m.find("Print file"), std::string::npos);
    // The game goes on all the same.
    EXPECT_TRUE(driver.game().flags.gameRunning);
}

TEST_F(WttFile, AFolderThatDoesNotExistGivesTheMessageAndCreatesNothing) {
    newGame("file:" + (folder / "gone" / "WM58WTT.txt").string());
    EXPECT_TRUE(said(driver.host(), unableToWrite));
    EXPECT_FALSE(fs::exists(folder / "gone"));
}

TEST_F(WttFile, CancellingWritesNothingAndKeepsTheWorkingFolder) {
    newGame("cancel");
    EXPECT_EQ(driver.game().text.workingFolder, WENDMOOR_BUILD_DIR "/");
    EXPECT_TRUE(driver.game().text.wttFileName.empty());
    EXPECT_TRUE(driver.host().messages().empty());
}

/// Keeps the message line as it stood when the game first paused, which is while the notice is up.
class PausingHost : public HeadlessHost {
  public:
    void sleepMs(int milliseconds) override {
        if (messageLine.empty())
            for (int column = 1; column <= Columns; ++column) messageLine.push_back(cell(column, 31));
        HeadlessHost::sleepMs(milliseconds);
    }
    std::vector<RecordedCell> messageLine;
};

TEST_F(WttFile, TheNoticeIsWhiteOnBrownOnTheMessageLineForTwoSeconds) {
    PausingHost host;
    auto game = std::make_unique<Game>(host);
    game->console.SetConsoleSize(32, 100);
    game->console.ChooseLargestFontSize();
    ASSERT_TRUE(game->console.ApplyFontSize());
    game->state.dayName = "Weekday";
    const std::string path = (folder / "WM58WTT.txt").string();
    host.queueAnswer("file:" + path);
    const auto start = host.now();

    CreateWttFile(*game);

    const std::string notice = "Print file " + path + " created as requested";
    ASSERT_EQ(host.messageLine.size(), 100u);
    for (std::size_t i = 0; i < notice.size() && i < 100; ++i) {
        EXPECT_EQ(host.messageLine[i].ch, notice[i]) << i;
        EXPECT_EQ(host.messageLine[i].text, palette::White) << i;
        EXPECT_EQ(host.messageLine[i].background, palette::Brown) << i;
    }
    EXPECT_GE(host.now() - start, 2000);
    EXPECT_EQ(host.rowText(31), std::string(100, ' ')) << "the line is cleared afterwards";
    EXPECT_TRUE(fs::exists(path));
}

} // namespace
} // namespace wm
