// The window's key and mouse handlers, the wait for a click or key, and the typed location prompt, on
// the headless host with the real main window.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "console/waits.h"
#include "drive/driver.h"
#include "session/ask_location.h"

namespace wm {
namespace {

/// A started program with a game marked as running; the script feeder runs `during` inside each pump
/// of a waiting loop, standing in for the player.
class InputTest : public ::testing::Test, public ScriptFeeder {
  protected:
    void SetUp() override {
        ASSERT_TRUE(driver.startUp());
        driver.host().setFeeder(this);
        game().flags.gameRunning = true;
        game().flags.atStartScreen = false;
        game().flags.drawingEnabled = true;
    }
    void feedNext() override {
        if (++pumps > 50) throw ScriptFailure{"the wait did not end"};
        if (during) during();
    }
    Game& game() { return driver.game(); }
    InputState& input() { return driver.game().input; }
    TForm1& window() { return driver.window(); }
    void typeKey(int code, char ch) {
        window().FormKeyDown(code, false);
        window().FormKeyPress(ch);
    }

    Driver driver{WENDMOOR_BUILD_DIR "/", 1958};
    std::function<void()> during;
    int pumps = 0;
};

TEST_F(InputTest, KeysOutsideAWaitBecomeCommandsByTheKeyTable) {
    const std::pair<char, int> table[] = {
        {'D', CmdDeparturesBoard}, {'A', CmdArrivalsBoard}, {'R', CmdReport}, {'M', CmdRecentMessages},
        {'Z', CmdDetails},         {'Q', CmdQuit},          {'-', CmdSlower}, {'+', CmdFaster},
        {'X', CmdNoEffect},        {'K', CmdNone}};
    for (auto [ch, code] : table) {
        input().clearAll();
        typeKey(ch, ch);
        EXPECT_TRUE(input().commandPending) << ch;
        EXPECT_EQ(input().commandCode, code) << ch;
        EXPECT_FALSE(input().keyPressed) << ch; // the character handler takes back the key down's mark
        EXPECT_EQ(input().lastKey, ch);
    }
}

TEST_F(InputTest, SpaceStartsAKeyboardMoveWhoseKeysThenOnlyMarkAKeyPress) {
    typeKey(KeyCode::Space, ' ');
    EXPECT_TRUE(input().keyboardMove);
    EXPECT_FALSE(input().commandPending);
    EXPECT_EQ(input().commandCode, CmdKeyboardMove);

    typeKey('D', 'D');
    EXPECT_TRUE(input().keyPressed);
    EXPECT_FALSE(input().commandPending);
    EXPECT_EQ(input().commandCode, CmdKeyboardMove);
}

TEST_F(InputTest, KeysWithoutACharacterMarkAKeyPressUnlessShiftAltOrCtrlIsHeld) {
    window().FormKeyDown(KeyCode::Left, true);
    EXPECT_FALSE(input().keyPressed);
    EXPECT_FALSE(input().clicked);
    EXPECT_FALSE(input().commandPending);
    EXPECT_EQ(input().lastKey, 0);

    input().waiting = true;
    window().FormKeyDown(KeyCode::F1 + 4, true);
    EXPECT_FALSE(input().keyPressed);

    window().FormKeyDown(KeyCode::Left, false);
    EXPECT_TRUE(input().keyPressed);
    EXPECT_FALSE(input().commandPending);
}

TEST_F(InputTest, PagingKeysClickOnlyWhileWaitingOrInAKeyboardMove) {
    window().FormKeyDown(KeyCode::PageDown, false);
    EXPECT_FALSE(input().clicked);
    EXPECT_EQ(input().pagingKey, 0);
    EXPECT_TRUE(input().keyPressed);

    for (int key : {KeyCode::PageUp, KeyCode::PageDown, KeyCode::End, KeyCode::Home}) {
        input().clearAll();
        input().waiting = true;
        input().commandPending = true;
        window().FormKeyDown(key, true); // Shift does not matter to the paging keys
        EXPECT_TRUE(input().clicked);
        EXPECT_EQ(input().pagingKey, key);
        EXPECT_FALSE(input().commandPending);
        EXPECT_FALSE(input().keyPressed);
    }

    input().clearAll();
    input().keyboardMove = true;
    window().FormKeyDown(KeyCode::Home, false);
    EXPECT_EQ(input().pagingKey, KeyCode::Home);
    // The next key down forgets it.
    window().FormKeyDown(KeyCode::Left, false);
    EXPECT_EQ(input().pagingKey, 0);
}

TEST_F(InputTest, AMouseDownGivesTheCellTheButtonAndTheScreenPosition) {
    const Console& c = game().console;
    const auto before = driver.host().now();
    // A pixel inside column 7, row 12.
    window().FormMouseDown(true, 6 * c.cellWidth() + 1, c.topOffset() + 11 * c.cellHeight() + 2, 640, 480);
    EXPECT_TRUE(input().clicked);
    EXPECT_EQ(input().clickColumn, 7);
    EXPECT_EQ(input().clickRow, 12);
    EXPECT_TRUE(input().rightButton);
    EXPECT_EQ(input().clickScreenX, 640);
    EXPECT_EQ(input().clickScreenY, 480);
    EXPECT_EQ(driver.host().now() - before, 100);

    // The border below the last row is not cut to the console: it hits no cell.
    window().FormMouseDown(false, 0, c.topOffset() + 32 * c.cellHeight() + 1, 0, 0);
    EXPECT_EQ(input().clickColumn, 1);
    EXPECT_EQ(input().clickRow, 33);
    EXPECT_FALSE(input().rightButton);
}

TEST_F(InputTest, ClicksCountAtTheStartScreenAndAfterTheGameButNotBetween) {
    game().flags.gameRunning = false;
    window().FormMouseDown(false, 10, 100, 0, 0);
    EXPECT_FALSE(input().clicked);
    game().flags.gameOver = true;
    window().FormMouseDown(false, 10, 100, 0, 0);
    EXPECT_TRUE(input().clicked);
    input().clearAll();
    game().flags.gameOver = false;
    game().flags.atStartScreen = true;
    window().FormMouseDown(false, 10, 100, 0, 0);
    EXPECT_TRUE(input().clicked);
}

TEST_F(InputTest, NothingIsTakenWhileAModalDialogIsOpen) {
    game().flags.modalOpen = true;
    input().waiting = true;
    typeKey('D', 'D');
    window().FormKeyDown(KeyCode::PageDown, false);
    window().FormMouseDown(false, 10, 100, 0, 0);
    EXPECT_FALSE(input().keyPressed);
    EXPECT_FALSE(input().commandPending);
    EXPECT_FALSE(input().clicked);
    EXPECT_EQ(input().pagingKey, 0);
    EXPECT_EQ(input().lastKey, 0);
}

TEST_F(InputTest, TheTimerFiresOnceAndStopsItself) {
    driver.host().setTimerInterval(1000);
    window().Timer1Timer();
    EXPECT_TRUE(input().timerFired);
    EXPECT_EQ(driver.host().timerInterval(), 0);
}

// --- waiting for a click or key ---

TEST_F(InputTest, AKeyWhileWaitingEndsTheWaitAsAClickOnNoHotspotAndOpensNothing) {
    input().clickColumn = 3;
    input().clickRow = 4;
    during = [&] {
        EXPECT_TRUE(input().waiting);
        if (pumps == 3) typeKey('D', 'D');
    };
    ClearClick(input());
    WaitForClickOrKey(game().host, input());
    EXPECT_EQ(pumps, 3);
    EXPECT_FALSE(input().waiting);
    EXPECT_FALSE(input().keyPressed);
    EXPECT_FALSE(input().commandPending);
    EXPECT_EQ(input().clickColumn, KeyClickColumn);
    EXPECT_EQ(input().clickRow, KeyClickRow);
}

TEST_F(InputTest, PageDownWhileWaitingGivesAClickWithThePagingKey) {
    input().clickColumn = 3;
    input().clickRow = 4;
    during = [&] { window().FormKeyDown(KeyCode::PageDown, false); };
    WaitForClickOrKey(game().host, input());
    EXPECT_TRUE(input().clicked);
    EXPECT_EQ(input().pagingKey, KeyCode::PageDown);
    EXPECT_EQ(input().clickColumn, 3); // a click, not a key: the cell stays for the caller to ignore
    EXPECT_EQ(input().clickRow, 4);
}

TEST_F(InputTest, AClickEndsTheWaitWithItsCell) {
    const Console& c = game().console;
    during = [&] { window().FormMouseDown(false, 20 * c.cellWidth(), c.topOffset() + 2, 0, 0); };
    WaitForClickOrKey(game().host, input());
    EXPECT_EQ(input().clickColumn, 21);
    EXPECT_EQ(input().clickRow, 1);
}

TEST_F(InputTest, ClosingTheWindowAfterTheGameEndsTheWait) {
    game().flags.gameRunning = false;
    game().flags.gameOver = true;
    during = [&] {
        if (pumps == 2) window().FormClose();
    };
    WaitForClickOrKey(game().host, input());
    EXPECT_TRUE(input().quitWhileOver);
    EXPECT_FALSE(input().clicked);
}

TEST_F(InputTest, ClosingTheWindowDuringAGameEndsTheWaitWithTheQuitPending) {
    game().flags.gameRunning = true;
    game().flags.modalOpen = false;
    during = [&] {
        if (pumps == 2) {
            EXPECT_FALSE(window().FormCloseQuery());
        }
    };
    WaitForClickOrKey(game().host, input());
    EXPECT_EQ(pumps, 2);
    EXPECT_TRUE(input().commandPending);
    EXPECT_EQ(input().commandCode, CmdQuit);
    EXPECT_FALSE(input().clicked);
}

TEST_F(InputTest, AClickBeforeClearClickIsForgottenAndAnArrowBeforeTheWaitDoesNotEndIt) {
    window().FormMouseDown(false, 10, 100, 0, 0);
    window().FormKeyDown(KeyCode::Down, false);
    ASSERT_TRUE(input().keyPressed);
    ClearClick(input());
    during = [&] {
        if (pumps == 4) typeKey('X', 'X');
    };
    WaitForClickOrKey(game().host, input());
    EXPECT_EQ(pumps, 4);
}

// --- the typed location prompt ---

TEST_F(InputTest, TypedCodesArePaddedUpperCasedAndCutToThreeCharacters) {
    HeadlessHost& host = driver.host();
    host.queueAnswer("text:wn");
    EXPECT_EQ(AskLocation(game(), AskFromQuestion), 55); // "WN ", not the exit point "wn "
    host.queueAnswer("text:Wn x");
    EXPECT_EQ(AskLocation(game(), AskToQuestion), 55);
    ASSERT_EQ(host.messages().size(), 2u);
    EXPECT_EQ(host.messages()[0], "input Enter the location to move from, or Esc to Cancel");
    EXPECT_EQ(host.messages()[1], "input Enter the location to move to, or action code, or Esc to Cancel");
}

TEST_F(InputTest, ACodeNoPlaceHasIsANoticeWithThePaddedText) {
    HeadlessHost& host = driver.host();
    host.queueAnswer("text:zq");
    EXPECT_EQ(AskLocation(game(), AskFromQuestion), 0);
    // The place nobody can name is not found by typing its code either.
    host.queueAnswer("text:aaa");
    EXPECT_EQ(AskLocation(game(), AskFromQuestion), 0);
    ASSERT_EQ(host.messages().size(), 4u);
    EXPECT_EQ(host.messages()[1], "notice No section ZQ ");
    EXPECT_EQ(host.messages()[3], "notice No section AAA");
}

TEST_F(InputTest, AnEmptyOrCancelledAnswerIsNothingAndSaysNothing) {
    HeadlessHost& host = driver.host();
    host.queueAnswer("cancel");
    EXPECT_EQ(AskLocation(game(), AskFromQuestion), 0);
    host.queueAnswer("text:");
    EXPECT_EQ(AskLocation(game(), AskFromQuestion), 0);
    ASSERT_EQ(host.messages().size(), 2u);
    EXPECT_EQ(host.messages()[1].rfind("input ", 0), 0u);
}

TEST_F(InputTest, TheScreenIsRedrawnWholeAfterThePrompt) {
    Console& c = game().console;
    c.GotoCell(40, 10);
    c.WriteText("covered by the box");
    driver.host().queueAnswer("cancel");
    AskLocation(game(), AskFromQuestion);
    EXPECT_EQ(driver.host().cell(40, 10).ch, ' ');
    EXPECT_FALSE(game().flags.fullRedraw);
}

} // namespace
} // namespace wm
