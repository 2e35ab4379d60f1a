#pragma once
// The character screen every game picture goes through: 32 rows of 100 cells below the top panel, the
// message line with its history, and the points total.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "console/palette.h"
#include "console/score_log.h"
#include "host/host.h"

namespace wm {

struct GameState;

/// The player's options, kept in the settings file between runs.
struct ConsoleOptions {
    bool sound = true;
    bool waitOnError = false;
    bool scoreLogging = false;
    bool clockRunning = true;
    bool autoSave = false;
    bool hideLocoData = false;
    int speed = 5;
    int fontSize = 12;
};

/// One remembered message: the game clock when it was shown (-1 for an empty entry) and its text.
struct HistoryEntry {
    int clock = -1;
    std::string text;
};

class Console {
  public:
    static constexpr int MinFontSize = 6;
    static constexpr int MaxFontSize = 26;
    static constexpr int HistorySize = 16;
    static constexpr int HistoryTextLimit = 100;
    static constexpr int MessageDelayMs = 2000;

    Console(Host& host, GameState& state);

    // geometry
    void SetConsoleSize(int rows, int columns);
    /// Picks the largest size 6..26 whose console fits the screen; 6 when none does.
    void ChooseLargestFontSize();
    /// Recomputes the cell metrics for the current font size and resizes and centres the window.
    /// False when the font could not be used (the fatal box has then been shown).
    bool ApplyFontSize();
    int rows() const { return rows_; }
    int columns() const { return columns_; }
    int cellWidth() const { return cellWidth_; }
    int cellHeight() const { return cellHeight_; }
    int halfCell() const { return cellHeight_ / 2; }
    int topOffset() const { return topOffset_; }
    int clientWidth() const { return columns_ * cellWidth_ + 10; }
    int clientHeight() const { return rows_ * cellHeight_ + topOffset_ + 5; }
    int largestFontSize() const { return largestFontSize_; }

    // cursor and text
    void GotoCell(int column, int row);
    void WriteText(std::string_view text);
    /// GotoCell, then WriteText.
    void WriteTextAt(int column, int row, std::string_view text);
    void WriteLine(std::string_view text);
    void NewLine();
    void WriteSpaces(int count);
    void OverwriteSpaces(int count);
    void SaveCursor();
    void RestoreCursor();
    void ClearScreen();
    void ClearMessageLine();
    /// Draws rows 30..32 again as they were written, each cell in its own colours; the cursor stays.
    void RedrawBottomLines();
    /// The owner of row 30, 31 or 32 starts it afresh: blanks in the default colours, nothing remembered,
    /// the cursor at its first column.
    void BlankBottomLine(int row);
    /// A bottom row's remembered characters up to its last written cell; empty for other rows.
    std::string bottomLine(int row) const;
    int cursorX() const { return x_; }
    int cursorY() const { return y_; }
    int currentRow() const { return row_; }

    // colours
    void SetTextColour(Colour colour) { textColour_ = colour; }
    void SetBackColour(Colour colour) { backColour_ = colour; }
    void DefaultColours();
    void WhiteOnNavy();
    void WhiteOnBrown();
    void WhiteOnRed();
    void DarkRedOnWhite();
    Colour textColour() const { return textColour_; }
    Colour backColour() const { return backColour_; }
    void HighlightCells(int column, int row, int count);

    // track lines: from the cursor along the row, leaving the cursor after the last cell covered
    void SetTrackPen(bool tracks) { penWidth_ = tracks ? 2 : 1; }
    int penWidth() const { return penWidth_; }
    void DrawLineCells(int cells);
    void DrawRawLine(int x1, int y1, int x2, int y2);

    // message line
    void Delay(int milliseconds);
    void ShowError(std::string_view message);
    void ShowNotice(std::string_view message);
    void ShowBonus(std::string_view message);
    void NotPossible();
    void CompletionTime(int minutes, std::string_view text);

    // score log
    void LogScore(int change, std::string_view reason);
    void NewLog();

    // message boxes
    bool AskYesNo(std::string_view question);
    /// The fatal start-up box; the caller ends the program.
    void FatalSetupError(std::string_view detail);

    // sound
    void PlayCue(int cue);

    // history
    void ClearHistory();
    const std::array<HistoryEntry, HistorySize + 1>& history() const { return history_; }
    int newestHistoryIndex() const { return newestHistory_; }

    ConsoleOptions& options() { return options_; }
    const ConsoleOptions& options() const { return options_; }
    ScoreLog& scoreLog() { return scoreLog_; }
    Host& host() { return host_; }
    GameState& state() { return state_; }

  private:
    /// One cell of a bottom row as it was last written.
    struct RememberedCell {
        char ch = ' ';
        Colour text{};
        Colour background{};
        bool written = false;
    };
    using RememberedRow = std::vector<RememberedCell>;

    RememberedRow* bottomRow(int row);
    const RememberedRow* bottomRow(int row) const;
    void remember(std::string_view text);
    void forgetBottomLine(int row);
    void showMessage(std::string_view message, Colour text, Colour background, BoxKind kind, int cueBefore,
                     int cueAfter);
    void addToHistory(std::string_view message);
    void showKind(std::string_view kind, std::string_view message);

    Host& host_;
    GameState& state_;
    ConsoleOptions options_;
    ScoreLog scoreLog_;

    int rows_ = 32;
    int columns_ = 100;
    int cellWidth_ = 0;
    int cellHeight_ = 0;
    int topOffset_ = 0;
    int largestFontSize_ = MinFontSize;

    int x_ = 0;
    int y_ = 0;
    int row_ = 1;
    int savedX_ = 0;
    int savedY_ = 0;
    int savedRow_ = 1;

    Colour textColour_ = palette::Silver;
    Colour backColour_ = palette::Black;
    int penWidth_ = 1;

    std::array<RememberedRow, 3> bottomRows_; // rows 30, 31, 32, a cell a column

    std::array<HistoryEntry, HistorySize + 1> history_{}; // 1..16
    int newestHistory_ = 0;                               // 0 while the ring is empty
};

} // namespace wm
