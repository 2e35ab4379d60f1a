#include "console/console.h"

#include <algorithm>
#include <utility>

#include "console/sound_cues.h"
#include "world/game_state.h"

namespace wm {

namespace {
constexpr std::string_view ProgramPrefix = "WM58";
constexpr int FatalBoxLimit = 240;
constexpr int FatalHelpContext = 261;
constexpr std::int64_t MsPerDay = 24LL * 60 * 60 * 1000;

std::string cut(std::string_view text, std::size_t limit) {
    return std::string(text.substr(0, std::min(text.size(), limit)));
}
} // namespace

Console::Console(Host& host, GameState& state) : host_(host), state_(state) {
    SetConsoleSize(rows_, columns_);
}

void Console::SetConsoleSize(int rows, int columns) {
    rows_ = rows;
    columns_ = columns;
    for (int row = rows_ - 2; row <= rows_; ++row) forgetBottomLine(row);
}

void Console::ChooseLargestFontSize() {
    const ScreenSize screen = host_.screenSize();
    // When even the smallest size is too big the window overhangs the screen: a cramped game is better
    // than none.
    int largest = MinFontSize;
    for (int size = MinFontSize; size <= MaxFontSize; ++size) {
        const TextExtent w = host_.measureText("W", size);
        const int cellWidth = w.width;
        const int cellHeight = w.height + 1;
        if (screen.height < cellHeight * (rows_ + 6) || screen.width < cellWidth * (columns_ + 2)) break;
        largest = size;
    }
    largestFontSize_ = largest;
    options_.fontSize = largest;
}

bool Console::ApplyFontSize() {
    host_.setCanvasFont(options_.fontSize);
    penWidth_ = 2;
    const TextExtent w = host_.measureText("W", options_.fontSize);
    cellWidth_ = w.width;
    cellHeight_ = w.height + 1;
    topOffset_ = 2 * cellHeight_;
    if (cellWidth_ == 0) {
        FatalSetupError("Windows has lost the Font file");
        return false;
    }
    host_.setClientSize(clientWidth(), clientHeight());
    return true;
}

void Console::GotoCell(int column, int row) {
    x_ = (column - 1) * cellWidth_;
    y_ = topOffset_ + (row - 1) * cellHeight_;
    row_ = row;
}

void Console::WriteText(std::string_view text) {
    if (text.size() > 255) text = text.substr(0, 255);
    host_.drawText(x_, y_, text, textColour_, backColour_);
    remember(text);
    x_ += static_cast<int>(text.size()) * cellWidth_;
    const int width = clientWidth();
    while (width > 0 && x_ > width) {
        y_ += cellHeight_;
        ++row_;
        x_ -= width;
    }
}

void Console::remember(std::string_view text) {
    RememberedRow* cells = bottomRow(row_);
    if (cells == nullptr) return;
    // Only the cells the text was drawn in: what runs past the right edge is not on the screen.
    const int first = cellWidth_ > 0 ? x_ / cellWidth_ : 0;
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        const int column = first + i;
        if (column >= columns_) break;
        (*cells)[static_cast<std::size_t>(column)] = {text[static_cast<std::size_t>(i)], textColour_,
                                                      backColour_, true};
    }
}

void Console::WriteTextAt(int column, int row, std::string_view text) {
    GotoCell(column, row);
    WriteText(text);
}

void Console::WriteLine(std::string_view text) {
    WriteText(text);
    NewLine();
}

void Console::NewLine() {
    x_ = 0;
    y_ += cellHeight_;
    ++row_;
}

void Console::WriteSpaces(int count) {
    static const std::string blanks(60, ' ');
    while (count > 0) {
        const int piece = std::min(count, 60);
        WriteText(std::string_view(blanks).substr(0, piece));
        count -= piece;
    }
}

void Console::OverwriteSpaces(int count) {
    SaveCursor();
    WriteSpaces(count);
    RestoreCursor();
}

void Console::SaveCursor() {
    savedX_ = x_;
    savedY_ = y_;
    savedRow_ = row_;
}

void Console::RestoreCursor() {
    x_ = savedX_;
    y_ = savedY_;
    row_ = savedRow_;
}

void Console::ClearScreen() {
    host_.fillRect(0, topOffset_, clientWidth(), clientHeight() - topOffset_, palette::Black);
    GotoCell(1, 1);
    DefaultColours();
}

void Console::ClearMessageLine() {
    DefaultColours();
    const int messageRow = rows_ - 1;
    host_.fillRect(0, topOffset_ + (messageRow - 1) * cellHeight_, clientWidth(), cellHeight_ - 1,
                   palette::Black);
    GotoCell(1, messageRow);
    forgetBottomLine(messageRow);
}

void Console::RedrawBottomLines() {
    for (int row = rows_ - 2; row <= rows_; ++row) {
        const RememberedRow& cells = *bottomRow(row);
        const int y = topOffset_ + (row - 1) * cellHeight_;
        // Neighbouring cells in the same colours go out as one piece of text.
        for (std::size_t start = 0; start < cells.size();) {
            const RememberedCell& first = cells[start];
            std::size_t end = start + 1;
            if (first.written) {
                while (end < cells.size() && cells[end].written && cells[end].text == first.text &&
                       cells[end].background == first.background)
                    ++end;
                std::string run;
                for (std::size_t c = start; c < end; ++c) run += cells[c].ch;
                host_.drawText(static_cast<int>(start) * cellWidth_, y, run, first.text, first.background);
            }
            start = end;
        }
    }
    DefaultColours();
}

void Console::BlankBottomLine(int row) {
    if (bottomRow(row) == nullptr) return;
    DefaultColours();
    GotoCell(1, row);
    WriteSpaces(columns_);
    forgetBottomLine(row);
    GotoCell(1, row);
}

void Console::forgetBottomLine(int row) {
    if (RememberedRow* cells = bottomRow(row)) cells->assign(static_cast<std::size_t>(columns_), {});
}

Console::RememberedRow* Console::bottomRow(int row) {
    return const_cast<RememberedRow*>(std::as_const(*this).bottomRow(row));
}

const Console::RememberedRow* Console::bottomRow(int row) const {
    const int index = row - (rows_ - 2);
    return index >= 0 && index < 3 ? &bottomRows_[static_cast<std::size_t>(index)] : nullptr;
}

std::string Console::bottomLine(int row) const {
    std::string text;
    const RememberedRow* cells = bottomRow(row);
    if (cells == nullptr) return text;
    std::size_t length = 0;
    for (const RememberedCell& cell : *cells) {
        text += cell.written ? cell.ch : ' ';
        if (cell.written) length = text.size();
    }
    text.resize(length);
    return text;
}

void Console::DefaultColours() {
    textColour_ = palette::Silver;
    backColour_ = palette::Black;
}

void Console::WhiteOnNavy() {
    textColour_ = palette::White;
    backColour_ = palette::Navy;
}

void Console::WhiteOnBrown() {
    textColour_ = palette::White;
    backColour_ = palette::Brown;
}

void Console::WhiteOnRed() {
    textColour_ = palette::White;
    backColour_ = palette::Red;
}

void Console::DarkRedOnWhite() {
    textColour_ = palette::DarkRed;
    backColour_ = palette::White;
}

void Console::HighlightCells(int column, int row, int count) {
    const int left = (column - 1) * cellWidth_;
    const int right = (column + count - 1) * cellWidth_ - 2;
    host_.fillRect(left, topOffset_ + (row - 1) * cellHeight_, right - left, cellHeight_, palette::Grey);
    DefaultColours();
}

void Console::DrawLineCells(int cells) {
    if (cells <= 0) return;
    const int y = y_ + halfCell();
    host_.drawLine(x_, y, x_ + cells * cellWidth_, y, textColour_, penWidth_);
    x_ += cells * cellWidth_;
}

void Console::DrawRawLine(int x1, int y1, int x2, int y2) {
    host_.drawLine(x1, y1, x2, y2, textColour_, penWidth_);
}

void Console::Delay(int milliseconds) {
    const std::int64_t start = host_.timeOfDayMs();
    std::int64_t elapsed = 0;
    do {
        host_.processEvents(false);
        host_.sleepMs(100);
        elapsed = host_.timeOfDayMs() - start;
        if (elapsed < 0) elapsed += MsPerDay; // across midnight
    } while (elapsed < milliseconds);
}

void Console::showMessage(std::string_view message, Colour text, Colour background, BoxKind kind,
                          int cueBefore, int cueAfter) {
    if (cueBefore >= 0) PlayCue(cueBefore);
    if (options_.waitOnError) {
        if (cueAfter >= 0) PlayCue(cueAfter);
        host_.messageBox(kind, message, 0);
    } else {
        ClearMessageLine();
        SetTextColour(text);
        SetBackColour(background);
        WriteText(message);
        if (cueAfter >= 0) PlayCue(cueAfter);
        Delay(MessageDelayMs);
        DefaultColours();
        ClearMessageLine();
    }
    addToHistory(message);
}

void Console::showKind(std::string_view kind, std::string_view message) {
    host_.messageShown(kind, message);
}

void Console::ShowError(std::string_view message) {
    showKind("error", message);
    showMessage(message, palette::White, palette::Red, BoxKind::Error, 1, -1);
}

void Console::ShowNotice(std::string_view message) {
    showKind("notice", message);
    showMessage(message, palette::Black, palette::Yellow, BoxKind::Warning, -1, -1);
}

void Console::ShowBonus(std::string_view message) {
    showKind("bonus", message);
    showMessage(message, palette::Black, palette::Green, BoxKind::Information, -1, 0);
}

void Console::addToHistory(std::string_view message) {
    newestHistory_ = newestHistory_ % HistorySize + 1;
    history_[newestHistory_] = {state_.clock, cut(message, HistoryTextLimit)};
}

void Console::ClearHistory() {
    for (auto& entry : history_) entry = {};
    newestHistory_ = 0;
}

void Console::NotPossible() {
    ShowNotice("That isn't possible");
}

void Console::CompletionTime(int minutes, std::string_view text) {
    std::string message(text);
    message += " will be completed in " + std::to_string(minutes) + " minute";
    if (minutes > 1) message += "s";
    ShowError(message);
}

void Console::NewLog() {
    if (!scoreLog_.create(ProgramPrefix)) {
        ShowError("Unable to write log file - disk may be full or write-protected");
        options_.scoreLogging = false;
    }
}

void Console::LogScore(int change, std::string_view reason) {
    if (!options_.scoreLogging) return;
    const std::string line = ScoreLog::formatEntry(state_.clock, change, reason);
    if (scoreLog_.entryCount() == 0) {
        NewLog();
        if (!options_.scoreLogging) return;
    }
    if (!scoreLog_.append(line)) {
        ShowError("Unable to write to existing log file - creating new file");
        NewLog();
        if (options_.scoreLogging) {
            scoreLog_.append("New log file - original file for saved game not found");
            scoreLog_.append(line);
        }
    }
    scoreLog_.countEntry();
}

bool Console::AskYesNo(std::string_view question) {
    return host_.askYesNo(question);
}

void Console::FatalSetupError(std::string_view detail) {
    std::string text = "Program cannot continue:\r\n";
    text += detail;
    text += "\r\nPlease see Error Messages page in Help";
    host_.messageBox(BoxKind::Error, cut(text, FatalBoxLimit), FatalHelpContext);
}

void Console::PlayCue(int cue) {
    if (!options_.sound) return;
    cue &= 127;
    if (cue >= SoundCueCount) return;
    const SoundCue& entry = SoundCues[static_cast<std::size_t>(cue)];
    host_.playSound(entry.file, entry.wait);
}

} // namespace wm
