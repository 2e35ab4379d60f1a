// The character screen through the recording host: cells, wrapping, remembered bottom rows, the message
// line, its history and the points.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "console/console.h"
#include "host/headless/headless_host.h"
#include "rules/score_events.h"
#include "world/game_state.h"

namespace wm {
namespace {

class ConsoleTest : public ::testing::Test {
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

TEST_F(ConsoleTest, AFullRowDoesNotWrapButLongerTextGoesOnToTheNextRow) {
    console.GotoCell(1, 5);
    console.WriteText(std::string(100, 'x'));
    EXPECT_EQ(console.currentRow(), 5);
    EXPECT_EQ(host.rowText(5), std::string(100, 'x'));

    console.GotoCell(95, 7);
    console.WriteText("0123456789");
    EXPECT_EQ(console.currentRow(), 8);
    // The cursor carries on at the matching offset of the next row.
    EXPECT_EQ(console.cursorX(), (94 + 10) * console.cellWidth() - console.clientWidth());
    EXPECT_EQ(host.rowText(7).substr(94), "012345");
}

TEST_F(ConsoleTest, BottomRowsRememberEachCellAsLastWrittenAndRowsAboveAreNotRemembered) {
    console.GotoCell(1, 29);
    console.WriteText("row 29");
    console.GotoCell(1, 30);
    console.WriteText(std::string(80, 'a'));
    console.GotoCell(1, 30); // writing over cells replaces what they held
    console.WriteText(std::string(40, 'b'));
    EXPECT_TRUE(console.bottomLine(29).empty());
    EXPECT_EQ(console.bottomLine(30), std::string(40, 'b') + std::string(40, 'a'));

    // Only the cells drawn on are kept: not what runs past the right edge, not the row the cursor wraps to.
    console.GotoCell(95, 30);
    console.WriteText("0123456789");
    EXPECT_EQ(console.currentRow(), 31);
    EXPECT_EQ(console.bottomLine(30).size(), 100u);
    EXPECT_EQ(console.bottomLine(30).substr(94), "012345");
    EXPECT_TRUE(console.bottomLine(31).empty());
    console.GotoCell(95, 29);
    console.WriteText("abcdefghij");
    EXPECT_EQ(console.currentRow(), 30);
    EXPECT_EQ(console.bottomLine(30).substr(94), "012345");
}

TEST_F(ConsoleTest, ARedrawShowsEachRememberedCellWhereItWasInItsOwnColours) {
    console.GotoCell(1, 32);
    console.SetTextColour(palette::Red);
    console.WriteText("prompt");
    console.GotoCell(20, 32);
    console.WhiteOnNavy();
    console.WriteText(" to ");
    console.DefaultColours();
    console.GotoCell(91, 30);
    console.SetTextColour(palette::Black);
    console.SetBackColour(palette::Yellow);
    console.WriteText("right edge");
    console.ClearScreen();
    EXPECT_EQ(host.rowText(32), std::string(100, ' '));

    console.GotoCell(7, 12);
    console.RedrawBottomLines();
    EXPECT_EQ(host.rowText(32), "prompt" + std::string(13, ' ') + " to " + std::string(77, ' '));
    EXPECT_EQ(host.cell(1, 32).text, palette::Red);
    EXPECT_EQ(host.cell(6, 32).background, palette::Black);
    EXPECT_EQ(host.cell(20, 32).background, palette::Navy);
    EXPECT_EQ(host.cell(21, 32).text, palette::White);
    EXPECT_EQ(host.cell(23, 32).background, palette::Navy);
    EXPECT_EQ(host.cell(24, 32).background, palette::Black);
    EXPECT_EQ(host.rowText(30).substr(90), "right edge");
    EXPECT_EQ(host.cell(91, 30).background, palette::Yellow);
    EXPECT_EQ(host.cell(100, 30).text, palette::Black);
    EXPECT_EQ(host.rowText(31), std::string(100, ' '));
    // The redraw records nothing again, leaves the cursor and ends in the default colours.
    EXPECT_EQ(console.bottomLine(32), "prompt" + std::string(13, ' ') + " to ");
    EXPECT_EQ(console.bottomLine(30), std::string(90, ' ') + "right edge");
    EXPECT_EQ(console.currentRow(), 12);
    EXPECT_EQ(console.cursorX(), 6 * console.cellWidth());
    EXPECT_EQ(console.textColour(), palette::Silver);
    EXPECT_EQ(console.backColour(), palette::Black);
}

TEST_F(ConsoleTest, BlankingABottomRowClearsItForgetsItAndStartsAtItsFirstColumn) {
    for (int row : {30, 32}) {
        console.GotoCell(1, row);
        console.SetTextColour(palette::Red);
        console.SetBackColour(palette::Yellow);
        console.WriteText(std::string(70, 'x'));
        console.BlankBottomLine(row);
        EXPECT_EQ(host.rowText(row), std::string(100, ' '));
        EXPECT_EQ(host.cell(100, row).background, palette::Black);
        EXPECT_TRUE(console.bottomLine(row).empty());
        EXPECT_EQ(console.currentRow(), row);
        EXPECT_EQ(console.cursorX(), 0);
        EXPECT_EQ(console.textColour(), palette::Silver);

        // What the owner writes next is all the row holds.
        console.WriteText("Light engine");
        EXPECT_EQ(console.bottomLine(row), "Light engine");
        console.ClearScreen();
        console.RedrawBottomLines();
        EXPECT_EQ(host.rowText(row), "Light engine" + std::string(88, ' '));
    }
}

TEST_F(ConsoleTest, AnErrorStaysTwoSecondsOnTheMessageLineThenTheLineIsBlank) {
    const auto start = host.now();
    console.ShowError("Route locked");
    EXPECT_GE(host.now() - start, 2000);
    EXPECT_EQ(host.rowText(31), std::string(100, ' '));
    EXPECT_TRUE(console.bottomLine(31).empty());
    ASSERT_EQ(host.soundsPlayed().size(), 1u);
    EXPECT_EQ(host.soundsPlayed()[0], "snderror.wav");
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0], "error Route locked");
}

TEST_F(ConsoleTest, WithWaitOnErrorMessagesBecomeBoxes) {
    console.options().waitOnError = true;
    const auto start = host.now();
    console.ShowNotice("That isn't possible");
    EXPECT_EQ(host.now(), start); // no timed delay
    ASSERT_EQ(host.messages().size(), 2u);
    EXPECT_EQ(host.messages()[1], "box That isn't possible");
}

TEST_F(ConsoleTest, WithSoundOffAnErrorIsShownButNothingPlays) {
    console.options().sound = false;
    console.ShowError("No sound");
    EXPECT_TRUE(host.soundsPlayed().empty());
    EXPECT_EQ(console.history()[1].text, "No sound");
}

TEST_F(ConsoleTest, TheTopBitOfACueIsIgnoredAndCuesPast15PlayNothing) {
    console.PlayCue(129);
    console.PlayCue(16);
    console.PlayCue(15);
    ASSERT_EQ(host.soundsPlayed().size(), 2u);
    EXPECT_EQ(host.soundsPlayed()[0], "snderror.wav");
    EXPECT_EQ(host.soundsPlayed()[1], "sndurgent.wav");
}

TEST_F(ConsoleTest, TheHistoryKeepsTheSixteenNewestMessagesWithTheirClock) {
    EXPECT_EQ(console.newestHistoryIndex(), 0);
    for (int i = 1; i <= 17; ++i) {
        state->clock = 600 + i;
        console.ShowNotice("message " + std::to_string(i));
    }
    EXPECT_EQ(console.newestHistoryIndex(), 1);
    EXPECT_EQ(console.history()[1].text, "message 17");
    EXPECT_EQ(console.history()[1].clock, 617);
    EXPECT_EQ(console.history()[2].text, "message 2");
    EXPECT_EQ(console.history()[16].text, "message 16");
    console.ClearHistory();
    EXPECT_EQ(console.newestHistoryIndex(), 0);
    EXPECT_EQ(console.history()[5].clock, -1);
}

TEST_F(ConsoleTest, HistoryKeepsTheFirst100CharactersOfAMessage) {
    console.ShowNotice(std::string(150, 'm'));
    EXPECT_EQ(console.history()[1].text.size(), 100u);
}

TEST_F(ConsoleTest, ScoreMessagesSayPointOrPointsAndChangeTheScore) {
    LoseBonusPoints(console, 1, "late start");
    EXPECT_EQ(state->score, -1);
    EXPECT_EQ(host.messages().back(), "error You lose 1 point for late start");
    GainBonusPoints(console, 2, "time regained");
    EXPECT_EQ(state->score, 1);
    EXPECT_EQ(host.messages().back(), "bonus You gain 2 points for time regained");
    EXPECT_EQ(host.soundsPlayed().back(), "sndbonus.wav");
    RouteNotClear(console);
    EXPECT_EQ(state->score, 0);
    EXPECT_EQ(host.messages().back(), "error That route is not clear");
    console.NotPossible();
    EXPECT_EQ(host.messages().back(), "notice That isn't possible");
}

TEST_F(ConsoleTest, ScoreMessagesAreCutTo79Characters) {
    LoseBonusPoints(console, 3, std::string(100, 'r'));
    EXPECT_EQ(host.messages().back().size(), std::string("error ").size() + 79);
}

TEST_F(ConsoleTest, CompletionTimeSaysMinuteOrMinutes) {
    console.CompletionTime(1, "Turning");
    EXPECT_EQ(host.messages().back(), "error Turning will be completed in 1 minute");
    console.CompletionTime(3, "Coupling");
    EXPECT_EQ(host.messages().back(), "error Coupling will be completed in 3 minutes");
}

TEST_F(ConsoleTest, HighlightFillsGreyAcrossTheCellsAndKeepsTheCursor) {
    console.GotoCell(10, 4);
    console.HighlightCells(3, 4, 5);
    EXPECT_EQ(host.cell(3, 4).background, palette::Grey);
    EXPECT_EQ(host.cell(7, 4).background, palette::Grey);
    EXPECT_EQ(host.cell(8, 4).background, palette::Black);
    EXPECT_EQ(console.cursorX(), 9 * console.cellWidth());
}

TEST_F(ConsoleTest, TrackLinesUseTheTwoPixelPenAndMoveTheCursorOn) {
    console.GotoCell(5, 10);
    console.SetTextColour(palette::Yellow);
    console.DrawLineCells(4);
    ASSERT_EQ(host.lines().size(), 1u);
    EXPECT_EQ(host.lines()[0].penWidth, 2);
    EXPECT_EQ(host.lines()[0].y1, console.cursorY() + console.halfCell());
    EXPECT_EQ(console.cursorX(), 8 * console.cellWidth());
    EXPECT_EQ(host.rowText(10).substr(4, 4), "----");
    EXPECT_EQ(host.rowText(10)[8], ' ');
}

TEST_F(ConsoleTest, TheHostKeepsOnlyTheLinesTheScreenStillShows) {
    // A screen is redrawn over itself every cycle: the record must not grow with the day.
    for (int paint = 0; paint < 50; ++paint) {
        for (int row = 3; row <= 5; ++row) {
            console.GotoCell(5, row);
            console.DrawLineCells(4);
        }
    }
    EXPECT_EQ(host.lines().size(), 3u);
    console.ClearScreen();
    EXPECT_TRUE(host.lines().empty());
    EXPECT_EQ(host.rowText(4).find_first_not_of(' '), std::string::npos);
}

TEST(ConsoleFont, TheLargestSizeThatFitsTheScreenIsChosen) {
    HeadlessHost host;
    auto state = std::make_unique<GameState>();
    Console console(host, *state);
    console.SetConsoleSize(32, 100);
    host.setScreenSize({1920, 1080});
    console.ChooseLargestFontSize();
    const int big = console.largestFontSize();
    const TextExtent w = host.measureText("W", big);
    EXPECT_LE((w.height + 1) * 38, 1080);
    EXPECT_LE(w.width * 102, 1920);
    if (big < Console::MaxFontSize) {
        const TextExtent next = host.measureText("W", big + 1);
        EXPECT_TRUE((next.height + 1) * 38 > 1080 || next.width * 102 > 1920);
    }
    host.setScreenSize({640, 480});
    console.ChooseLargestFontSize();
    EXPECT_LT(console.largestFontSize(), big);
}

TEST(ConsoleFont, WhenNothingFitsTheSmallestSizeIsUsed) {
    HeadlessHost host;
    auto state = std::make_unique<GameState>();
    Console console(host, *state);
    host.setScreenSize({200, 100});
    console.ChooseLargestFontSize();
    EXPECT_EQ(console.options().fontSize, Console::MinFontSize);
    EXPECT_TRUE(console.ApplyFontSize());
}

TEST(ConsoleFont, ALostFontIsAFatalSetUpError) {
    HeadlessHost host;
    auto state = std::make_unique<GameState>();
    Console console(host, *state);
    host.setFontUsable(false);
    EXPECT_FALSE(console.ApplyFontSize());
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0], "fatal Program cannot continue: |Windows has lost the Font file |Please "
                                  "see Error Messages page in Help");
}

class ScoreLogTest : public ConsoleTest {
  protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        folder = std::filesystem::temp_directory_path() / ("wm58-log-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        console.scoreLog().setFileName((folder / "WM58LOG.txt").string());
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string logText() {
        std::ifstream in(folder / "WM58LOG.txt");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::filesystem::path folder;
};

TEST_F(ScoreLogTest, TheFirstEntryOfARunStartsANewFile) {
    {
        std::ofstream old(folder / "WM58LOG.txt");
        old << "an earlier run\n";
    }
    console.options().scoreLogging = true;
    state->clock = 14 * 60 + 5;
    LoseBonusPoints(console, 3, "late departure");
    EXPECT_EQ(logText(), "Score log for WM58\n02p05    -3 late departure\n");
    GainBonusPoints(console, 12, "prompt despatch");
    EXPECT_EQ(logText(), "Score log for WM58\n02p05    -3 late departure\n02p05    12 prompt despatch\n");
    EXPECT_EQ(console.scoreLog().entryCount(), 2);
}

TEST_F(ScoreLogTest, NothingIsWrittenWhileLoggingIsOff) {
    LoseBonusPoints(console, 3, "late departure");
    EXPECT_FALSE(std::filesystem::exists(folder / "WM58LOG.txt"));
}

TEST_F(ScoreLogTest, AMissingLogOfARestoredGameIsReportedAndStartedAgain) {
    console.options().scoreLogging = true;
    console.scoreLog().setEntryCount(4); // as a saved game restores it
    state->clock = 8 * 60;
    RouteNotClear(console);
    EXPECT_EQ(logText(),
              "Score log for WM58\nNew log file - original file for saved game not found\n08.00    -1 route "
              "not clear\n");
    EXPECT_EQ(host.messages()[0], "error Unable to write to existing log file - creating new file");
}

TEST_F(ScoreLogTest, AnUnwritableFolderSwitchesLoggingOff) {
    console.scoreLog().setFileName((folder / "no-such-folder" / "WM58LOG.txt").string());
    console.options().scoreLogging = true;
    LoseBonusPoints(console, 1, "x");
    EXPECT_FALSE(console.options().scoreLogging);
    EXPECT_EQ(host.messages().back(), "error Unable to write log file - disk may be full or write-protected");
}

} // namespace
} // namespace wm
