// Save, Save As, Resume and ReLoad from the menu and the start screen: the position kept and taken up
// again, bad files refused with the running game untouched, and failed saves keeping the previous file.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <regex>

#include "drive/state_json.h"
#include "saved_game_state.h"
#include "script_play_fixture.h"

namespace wm {
namespace {

namespace fs = std::filesystem;

class Saving : public ScriptPlay {
  protected:
    std::string boxes() {
        std::string text;
        for (const RecordedBox& box : driver.host().boxes()) text += box.text + "\n";
        return text;
    }
    std::string messages() { return messagesText(driver.host()); }
    std::string json() { return stateJson(driver.game(), driver.host()); }
    void write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
};

/// The state dump without what a load rightly does not carry: how far the clock has raced, and the
/// window's own captions of it.
std::string position(std::string dump) {
    dump = std::regex_replace(dump, std::regex("\"(speededUp|quietTicks)\":[0-9]+,"), "");
    return dump;
}

TEST_F(Saving, SaveBeforeAnyFileIsChosenGoesToTheDefaultNameInTheWorkingFolder) {
    const std::string folder = WENDMOOR_BUILD_DIR "/";
    fs::remove(folder + "WM58.sav");
    playCommands("save", {"new-game 5 Weekday", "answer file:%OUT%/not-asked.sav", "menu Save1"});
    EXPECT_EQ(driver.game().text.savedGameName, folder + "WM58.sav");
    EXPECT_EQ(driver.game().text.workingFolder, folder);
    EXPECT_TRUE(fs::exists(folder + "WM58.sav"));
    EXPECT_FALSE(fs::exists(out / "not-asked.sav")) << "no file dialog opened";
    EXPECT_NE(messages().find("notice Position saved in file " + folder + "WM58.sav"), std::string::npos);
    fs::remove(folder + "WM58.sav");
}

TEST_F(Saving, SaveAsWritesTheChosenFileAndSaveThenWritesItAgain) {
    playCommands("save as", {"new-game 5 Weekday", "answer file:%OUT%/mine.sav", "menu SaveAs1", "ticks 30",
                             "menu Save1"});
    EXPECT_EQ(driver.game().text.savedGameName, (out / "mine.sav").string());
    EXPECT_EQ(driver.game().text.workingFolder, out.string() + "/");
    auto state = layoutOnly();
    SavedSession session;
    std::ifstream in(out / "mine.sav", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(readAsTheGameDoes(text, *state, session).fault, SavedGameFault::none);
    EXPECT_EQ(state->clock, s().clock) << "the second save";
    EXPECT_GT(state->clock, 1);
}

TEST_F(Saving, ASavedPositionIsReloadedAsItWasSaved) {
    play("save_reload.txt");
    const std::string saved = contents("saved.json");
    const std::string reloaded = contents("reloaded.json");
    ASSERT_FALSE(saved.empty());
    EXPECT_NE(saved.find("\"clock\":600,"), std::string::npos) << "saved at 10.00";
    EXPECT_NE(contents("played-on.json"), saved) << "the game went on before the reload";
    EXPECT_EQ(position(reloaded), position(saved));
    EXPECT_NE(
        contents("messages.txt").find("notice Position saved in file " + (out / "morning.sav").string()),
        std::string::npos);
}

TEST_F(Saving, ASavedGameIsResumedFromTheStartScreen) {
    playCommands("save", {"new-game 15 Saturday", "ticks 100", "answer file:%OUT%/saturday.sav",
                          "menu SaveAs1", "state %OUT%/saved.json"});
    Driver resumed{WENDMOOR_BUILD_DIR "/", 7};
    std::string error;
    ASSERT_EQ(
        resumed.run("resume",
                    {"resume " + (out / "saturday.sav").string(), "state " + (out / "resumed.json").string()},
                    error),
        0)
        << error;
    // A resumed game starts its minute afresh.
    const std::regex phase("\"(tickPhase|timeCaption)\":(\"[^\"]*\"|[0-9]+),");
    const std::string saved = std::regex_replace(position(contents("saved.json")), phase, "");
    const std::string taken = contents("resumed.json");
    EXPECT_EQ(std::regex_replace(position(taken), phase, ""), saved);
    EXPECT_NE(taken.find("\"tickPhase\":3,"), std::string::npos);
    EXPECT_NE(taken.find("\"dayName\":\"Saturday\""), std::string::npos);
    EXPECT_TRUE(resumed.game().flags.gameRunning);
    EXPECT_EQ(resumed.game().text.savedGameName, (out / "saturday.sav").string());
    EXPECT_TRUE(resumed.host().boxes().empty());
}

TEST_F(Saving, ResumeRefusesWhatIsNoSavedGameAndStaysAtTheStartScreen) {
    write(out / "diary.sav", "Dear diary\r\n");
    write(out / "other.sav", "   57 01/01/1999\r\nWM99\r\n");
    write(out / "cut.sav", "   57 01/01/1999\r\nWM58\r\n  601    5  3\r\n");
    struct Case {
        std::string file, error;
    };
    for (const Case& c : {Case{"missing.sav", "error Saved file not found"},
                          Case{"diary.sav", "error Saved file not in correct format"},
                          Case{"other.sav", "error Can't continue - saved position not for this simulation"},
                          Case{"cut.sav", ""}}) {
        SCOPED_TRACE(c.file);
        Driver fresh{WENDMOOR_BUILD_DIR "/", 3};
        std::string error;
        const std::string path = (out / c.file).string();
        ASSERT_EQ(fresh.run("resume", {"resume " + path}, error), 0) << error;
        const std::string said = messagesText(fresh.host());
        if (!c.error.empty()) {
            EXPECT_NE(said.find(c.error), std::string::npos) << said;
        }
        ASSERT_EQ(fresh.host().boxes().size(), 1u);
        EXPECT_EQ(fresh.host().boxes()[0].text,
                  "Invalid saved game \r\n" + path + "\r\nPlease choose again.");
        EXPECT_TRUE(fresh.game().flags.atStartScreen);
        EXPECT_FALSE(fresh.game().flags.gameRunning);
        EXPECT_EQ(fresh.game().state.clock, -1);
        EXPECT_EQ(fresh.game().state.score, 0);
    }
}

TEST_F(Saving, ReloadOfABadFileLeavesTheRunningGameAsItWas) {
    write(out / "diary.sav", "Dear diary\r\n");
    write(out / "other.sav", "   57 01/01/1999\r\nWM99\r\n");
    // The clock is stopped, so that nothing moves while the messages are up.
    playCommands("bad reloads", {"new-game 5 Weekday", "ticks 45", "answer options:clock=0", "menu Options1",
                                 "state %OUT%/before.json", "answer file:%OUT%/diary.sav", "menu Restart1",
                                 "answer file:%OUT%/other.sav", "menu Restart1",
                                 "answer file:%OUT%/missing.sav", "menu Restart1", "state %OUT%/after.json"});
    EXPECT_EQ(contents("after.json"), contents("before.json"));
    const std::string all = boxes();
    const std::string prefix = "Invalid saved game ";
    EXPECT_NE(all.find(prefix + "y \r\n" + (out / "diary.sav").string()), std::string::npos) << all;
    EXPECT_NE(all.find(prefix + "y \r\n" + (out / "other.sav").string()), std::string::npos) << all;
    EXPECT_NE(all.find(prefix + "y \r\n" + (out / "missing.sav").string()), std::string::npos) << all;
    EXPECT_NE(messages().find("error Can't continue - saved position not for this simulation"),
              std::string::npos);
}

TEST_F(Saving, ReloadOfADamagedPositionIsRefusedWhole) {
    playCommands("damaged", {"new-game 5 Weekday", "ticks 45", "answer file:%OUT%/good.sav", "menu SaveAs1"});
    std::string text = contents("good.sav");
    // The last engine's running number runs over its five characters.
    const auto lastLine = text.rfind("\r\n", text.size() - 3);
    const auto numberLine = text.rfind("\r\n", lastLine - 1);
    text.insert(lastLine, "XYZ");
    ASSERT_GT(lastLine, numberLine);
    write(out / "damaged.sav", text);
    Driver again{WENDMOOR_BUILD_DIR "/", 1958};
    std::string error;
    ASSERT_EQ(again.run("reload",
                        {"new-game 10 Sunday", "ticks 6", "state " + (out / "before.json").string(),
                         "answer file:" + (out / "damaged.sav").string(), "menu Restart1",
                         "state " + (out / "after.json").string()},
                        error),
              0)
        << error;
    EXPECT_EQ(contents("after.json"), contents("before.json"));
    ASSERT_EQ(again.host().boxes().size(), 1u);
    EXPECT_EQ(again.host().boxes()[0].text,
              "Invalid saved game x \r\n" + (out / "damaged.sav").string() + "\r\nPlease choose again.");
}

/// A save that cannot be finished: the old position stays, byte for byte, and the game goes on.
using FailedSave = Saving;

TEST_F(FailedSave, AWriteThatFailsPartWayKeepsThePreviousFile) {
    // The first save, then a file-size limit far below a position's size, as on a full disk.
    playCommands("first", {"new-game 5 Weekday", "answer file:%OUT%/kept.sav", "menu SaveAs1"});
    const std::string before = contents("kept.sav");
    ASSERT_GT(before.size(), 20000u);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Driver second{WENDMOOR_BUILD_DIR "/", 1958};
    std::string error;
    const int status =
        second.run("second",
                   {"new-game 5 Weekday", "ticks 30", "answer file:" + (out / "kept.sav").string(),
                    "menu SaveAs1", "ticks 3", "messages " + (out / "said.txt").string()},
                   error);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_EQ(status, 0) << error;
    EXPECT_EQ(contents("kept.sav"), before);
    EXPECT_NE(contents("said.txt").find("error Unable to write file - disk may be full or write-protected"),
              std::string::npos);
    EXPECT_GT(second.game().state.clock, 11) << "the game went on";
    for (const auto& entry : fs::directory_iterator(out))
        EXPECT_EQ(entry.path().filename().string().find(".part"), std::string::npos) << entry.path();
}

TEST_F(FailedSave, AFolderThatCannotBeWrittenKeepsThePreviousFile) {
    playCommands("first", {"new-game 5 Weekday", "answer file:%OUT%/kept.sav", "menu SaveAs1"});
    const std::string before = contents("kept.sav");
    ASSERT_FALSE(before.empty());
    // The folder is closed to writing; the superuser writes anywhere, so for it the new file's own
    // place beside the old one is taken instead.
    const bool superuser = ::geteuid() == 0;
    if (superuser)
        fs::create_directories(out / ".kept.sav.part" / "taken");
    else
        fs::permissions(out, fs::perms::owner_read | fs::perms::owner_exec);
    Driver second{WENDMOOR_BUILD_DIR "/", 1958};
    std::string error;
    const int status = second.run("second",
                                  {"new-game 5 Weekday", "ticks 30",
                                   "answer file:" + (out / "kept.sav").string(), "menu SaveAs1", "ticks 3"},
                                  error);
    fs::permissions(out, fs::perms::owner_all);
    ASSERT_EQ(status, 0) << error;
    EXPECT_EQ(contents("kept.sav"), before);
    EXPECT_NE(
        messagesText(second.host()).find("error Unable to write file - disk may be full or write-protected"),
        std::string::npos);
    EXPECT_GT(second.game().state.clock, 11) << "the game went on";
}

TEST_F(Saving, SaveAsToAFolderThatIsNotThereSaysSoAndTheGameGoesOn) {
    playCommands("nowhere",
                 {"new-game 5 Weekday", "answer file:/nowhere-at-all/mine.sav", "menu SaveAs1", "ticks 3"});
    EXPECT_NE(messages().find("error Unable to write file - disk may be full or write-protected"),
              std::string::npos);
    EXPECT_FALSE(fs::exists("/nowhere-at-all"));
    EXPECT_EQ(s().clock, 2);
}

} // namespace
} // namespace wm
