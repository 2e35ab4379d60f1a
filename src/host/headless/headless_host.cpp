#include "host/headless/headless_host.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "console/palette.h"

namespace wm {

namespace {
/// Screen dump colour key; anything else is '?'.
struct PaletteKey {
    Colour colour;
    char letter;
};
constexpr PaletteKey Key[] = {
    {palette::Silver, 's'},  {palette::Black, 'k'},  {palette::White, 'w'}, {palette::Navy, 'n'},
    {palette::Blue, 'b'},    {palette::Brown, 'o'},  {palette::Red, 'r'},   {palette::DarkRed, 'd'},
    {palette::Grey, 'g'},    {palette::Yellow, 'y'}, {palette::Green, 'e'}, {palette::Cyan, 'c'},
    {palette::Magenta, 'm'}, {palette::Violet, 'v'},
};

void appendLatin1(std::string& out, char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x80) {
        out += byte < 0x20 ? ' ' : ch;
    } else {
        out += static_cast<char>(0xC0 | (byte >> 6));
        out += static_cast<char>(0x80 | (byte & 0x3F));
    }
}

bool isYesNo(const std::string& a) {
    return a == "yes" || a == "no";
}
bool isOkCancel(const std::string& a) {
    return a == "ok" || a == "cancel";
}
bool isText(const std::string& a) {
    return a.rfind("text:", 0) == 0 || a == "cancel";
}
bool isFile(const std::string& a) {
    return a.rfind("file:", 0) == 0 || a == "cancel";
}
bool isAny(const std::string&) {
    return true;
}
} // namespace

HeadlessHost::HeadlessHost() {
    for (Widget w : {Widget::Save1, Widget::SaveAs1, Widget::Restart1, Widget::Options1}) enabled_[w] = false;
    for (Widget w : {Widget::Pause1, Widget::Quit1}) enabled_[w] = true;
    visible_[Widget::Label7] = false;
}

char HeadlessHost::colourLetter(Colour colour) {
    for (const auto& entry : Key)
        if (entry.colour == colour) return entry.letter;
    return '?';
}

TextExtent HeadlessHost::measureText(std::string_view text, int pointSize) {
    if (!fontUsable_) return {0, 0};
    // A made-up monospace face: wide enough to keep cells distinct at every size.
    const int width = std::max(1, (pointSize * 2 + 2) / 3);
    const int height = pointSize + pointSize / 3 + 1;
    return {width * static_cast<int>(text.size()), height};
}

void HeadlessHost::setCanvasFont(int pointSize) {
    fontSize_ = pointSize;
    const TextExtent w = measureText("W", pointSize);
    cellWidth_ = std::max(1, w.width);
    cellHeight_ = w.height + 1;
}

std::pair<int, int> HeadlessHost::cellAt(int x, int y) const {
    const int top = 2 * cellHeight_;
    const int column = x >= 0 ? x / cellWidth_ + 1 : 0;
    const int row = y >= top ? (y - top) / cellHeight_ + 1 : 0;
    return {column, row};
}

void HeadlessHost::drawText(int x, int y, std::string_view text, Colour textColour, Colour background) {
    auto [column, row] = cellAt(x, y);
    if (row < 1 || row > Rows) return;
    for (char ch : text) {
        if (column >= 1 && column <= Columns)
            cells_[row - 1][column - 1] = {ch, textColour, background, 0, {}};
        ++column;
    }
}

void HeadlessHost::fillRect(int x, int y, int width, int height, Colour colour) {
    const int top = 2 * cellHeight_;
    for (int row = 1; row <= Rows; ++row) {
        const int cy = top + (row - 1) * cellHeight_ + cellHeight_ / 2;
        if (cy < y || cy >= y + height) continue;
        for (int column = 1; column <= Columns; ++column) {
            const int cx = (column - 1) * cellWidth_ + cellWidth_ / 2;
            if (cx < x || cx >= x + width) continue;
            cells_[row - 1][column - 1] = {' ', colour, colour, 0, {}};
        }
    }
}

void HeadlessHost::markLineCell(int column, int row, char kind, Colour colour) {
    if (column < 1 || column > Columns || row < 1 || row > Rows) return;
    RecordedCell& c = cells_[row - 1][column - 1];
    c.line = kind;
    c.lineColour = colour;
}

void HeadlessHost::drawLine(int x1, int y1, int x2, int y2, Colour colour, int penWidth) {
    lines_.push_back({x1, y1, x2, y2, colour, penWidth});
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const char kind = dy == 0 ? '-' : dx == 0 ? '|' : (dx > 0) == (dy < 0) ? '/' : '\\';
    // Walk the segment in half-cell steps and mark every cell it passes through.
    const int steps = std::max(
        1, 2 * std::max(std::abs(dx) / std::max(1, cellWidth_), std::abs(dy) / std::max(1, cellHeight_)) + 2);
    for (int i = 0; i <= steps; ++i) {
        // Stop short of the far end so a line ending on a cell border does not mark the next cell.
        const double t = static_cast<double>(i) / steps;
        const int x = x1 + static_cast<int>(std::lround(dx * t)) - (i == steps && dx > 0 ? 1 : 0);
        const int y = y1 + static_cast<int>(std::lround(dy * t)) - (i == steps && dy > 0 ? 1 : 0);
        auto [column, row] = cellAt(x, y);
        markLineCell(column, row, kind, colour);
    }
}

void HeadlessHost::setClientSize(int width, int height) {
    client_ = {width, height};
}

void HeadlessHost::setCaption(Widget widget, std::string_view caption) {
    captions_[widget] = std::string(caption);
}
void HeadlessHost::setVisible(Widget widget, bool visible) {
    visible_[widget] = visible;
}
void HeadlessHost::setEnabled(Widget widget, bool enabled) {
    enabled_[widget] = enabled;
}

const std::string& HeadlessHost::caption(Widget w) const {
    static const std::string none;
    const auto it = captions_.find(w);
    return it == captions_.end() ? none : it->second;
}

bool HeadlessHost::visible(Widget w) const {
    const auto it = visible_.find(w);
    return it == visible_.end() ? true : it->second;
}

bool HeadlessHost::enabled(Widget w) const {
    const auto it = enabled_.find(w);
    return it == enabled_.end() ? true : it->second;
}

void HeadlessHost::setWindowTitle(std::string_view caption, std::string_view title) {
    windowCaption = caption;
    applicationTitle = title;
}

void HeadlessHost::setTimerInterval(int milliseconds) {
    timerInterval_ = milliseconds;
    timerDue_ = now_ + milliseconds;
}

bool HeadlessHost::fireTimerIfDue() {
    if (timerInterval_ <= 0 || now_ < timerDue_ || !handler_) return false;
    timerInterval_ = 0; // one-shot
    handler_->Timer1Timer();
    return true;
}

void HeadlessHost::processEvents(bool waitingForPlayer) {
    if (fireTimerIfDue()) {
        // Time spent in pauses already made the timer due: that event is one of the ticks asked for.
        if (ticksToPass_ > 0) --ticksToPass_;
        return;
    }
    if (!waitingForPlayer) return;
    if (ticksToPass_ > 0) {
        if (timerInterval_ <= 0) throw ScriptFailure{"the clock is not running, so no tick can pass"};
        now_ = std::max(now_, timerDue_);
        --ticksToPass_;
        fireTimerIfDue();
        return;
    }
    if (waitUntil_ > now_) {
        now_ = timerInterval_ > 0 && timerDue_ <= waitUntil_ ? std::max(now_, timerDue_) : waitUntil_;
        fireTimerIfDue();
        return;
    }
    if (feeder_) feeder_->feedNext();
}

void HeadlessHost::record(std::string_view kind, std::string_view text) {
    std::string line(kind);
    line += ' ';
    for (char ch : text) line += ch == '\r' ? ' ' : ch == '\n' ? '|' : ch;
    messages_.push_back(line);
}

std::optional<std::string> HeadlessHost::takeAnswer(bool (*accept)(const std::string&)) {
    if (answers_.empty() || !accept(answers_.front().value)) return std::nullopt;
    std::string value = answers_.front().value;
    answers_.pop_front();
    return value;
}

void HeadlessHost::messageShown(std::string_view kind, std::string_view text) {
    record(kind, text);
}

void HeadlessHost::messageBox(BoxKind kind, std::string_view text, int helpContext) {
    boxes_.push_back({kind, helpContext, std::string(text)});
    record(helpContext == 261 ? "fatal" : "box", text);
    takeAnswer(isOkCancel);
}

bool HeadlessHost::askYesNo(std::string_view question) {
    record("question", question);
    const auto answer = takeAnswer(isYesNo);
    return !answer || *answer == "yes"; // Yes is the box's default button
}

std::optional<std::string> HeadlessHost::inputBox(std::string_view, std::string_view prompt,
                                                  std::string_view defaultText) {
    record("input", prompt);
    const auto answer = takeAnswer(isText);
    if (!answer) return std::string(defaultText);
    if (*answer == "cancel") return std::nullopt;
    return answer->substr(5);
}

std::optional<std::string> HeadlessHost::openFileDialog(const FileDialogOptions&) {
    const auto answer = takeAnswer(isFile);
    if (!answer || *answer == "cancel") return std::nullopt;
    return answer->substr(5);
}

std::optional<std::string> HeadlessHost::saveFileDialog(const FileDialogOptions& options) {
    const auto answer = takeAnswer(isFile);
    if (!answer || *answer == "cancel") return std::nullopt;
    std::string path = answer->substr(5);
    // As a save dialog does: a name without an extension gets the default one.
    if (!options.defaultExt.empty() && std::filesystem::path(path).extension().empty())
        path += "." + options.defaultExt;
    return path;
}

GameChoice HeadlessHost::selectGameDialog(std::string_view) {
    if (!gameChoices_.empty()) {
        const GameChoice choice = gameChoices_.front();
        gameChoices_.pop_front();
        return choice;
    }
    const auto answer = takeAnswer(isAny);
    if (answer && answer->rfind("choice:", 0) == 0) {
        // choice:D,Y with item positions
        const std::string v = answer->substr(7);
        const auto comma = v.find(',');
        GameChoice c;
        c.difficultyItem = std::atoi(v.substr(0, comma).c_str());
        c.dayItem = comma == std::string::npos ? -1 : std::atoi(v.substr(comma + 1).c_str());
        return c;
    }
    return {};
}

bool applyOptionsAnswer(std::string_view list, OptionValues& values) {
    OptionValues changed = values;
    while (!list.empty()) {
        const auto comma = list.find(',');
        const std::string_view item = list.substr(0, comma);
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
        const auto equals = item.find('=');
        if (equals == std::string_view::npos) return false;
        const std::string_view key = item.substr(0, equals);
        const std::string value(item.substr(equals + 1));
        if (key == "font") {
            char* end = nullptr;
            const long size = std::strtol(value.c_str(), &end, 10);
            // The dialog's track bar only offers these sizes.
            if (value.empty() || *end != '\0' || size < 6 || size > 26) return false;
            changed.fontSize = static_cast<int>(size);
            continue;
        }
        if (value != "0" && value != "1") return false;
        const bool on = value == "1";
        if (key == "clock")
            changed.clockRunning = on;
        else if (key == "log")
            changed.scoreLogging = on;
        else if (key == "sound")
            changed.sound = on;
        else if (key == "wait")
            changed.waitOnError = on;
        else if (key == "hide")
            changed.hideLocoData = on;
        else
            return false;
    }
    values = changed;
    return true;
}

bool HeadlessHost::optionsDialog(OptionValues& values) {
    const auto answer =
        takeAnswer([](const std::string& a) { return isOkCancel(a) || a.rfind("options:", 0) == 0; });
    if (!answer || *answer == "cancel") return false;
    if (*answer == "ok") return true;
    return applyOptionsAnswer(std::string_view(*answer).substr(8), values);
}

void HeadlessHost::popupActionMenu(int, int) {
    ++popupsOpened_;
    const auto answer = takeAnswer([](const std::string& a) { return a.rfind("menu:", 0) == 0; });
    if (answer && handler_) handler_->ComponentClick(answer->substr(5));
}

void HeadlessHost::playSound(std::string_view fileName, bool) {
    sounds_.emplace_back(fileName);
}

bool HeadlessHost::registerFont(const std::string& path) {
    fontRegistered_ = fileExists(path);
    return fontRegistered_;
}

bool HeadlessHost::fileExists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

std::optional<std::string> HeadlessHost::readSetting(std::string_view section, std::string_view key) {
    const auto it = settings_.find(std::string(section) + "/" + std::string(key));
    if (it == settings_.end()) return std::nullopt;
    return it->second;
}

void HeadlessHost::writeSetting(std::string_view section, std::string_view key, std::string_view value) {
    settings_[std::string(section) + "/" + std::string(key)] = std::string(value);
}

std::string HeadlessHost::rowText(int row) const {
    std::string out;
    for (int column = 1; column <= Columns; ++column) {
        const RecordedCell& c = cell(column, row);
        appendLatin1(out, c.ch == ' ' && c.line ? c.line : c.ch);
    }
    return out;
}

std::string HeadlessHost::screenDump() const {
    // The start buttons are window widgets, not cells; show them where they stand.
    std::array<std::string, Rows + 1> overlay;
    auto place = [&](Widget w, int row, std::string_view label) {
        if (!visible(w)) return;
        overlay[row] = "[ " + std::string(label) + " ]";
    };
    place(Widget::New, NewButtonRow, "Start New Game");
    place(Widget::Resume, ResumeButtonRow, "Resume Saved Game");

    std::string out;
    for (int row = 1; row <= Rows; ++row) {
        std::string text = rowText(row);
        if (!overlay[row].empty()) {
            const std::size_t start = (Columns - overlay[row].size()) / 2;
            text.replace(start, overlay[row].size(), overlay[row]);
        }
        out += text;
        out += '\n';
    }
    out += '\n';
    for (int row = 1; row <= Rows; ++row) {
        for (int column = 1; column <= Columns; ++column) {
            const RecordedCell& c = cell(column, row);
            const bool lineOnly = c.ch == ' ' && c.line;
            out += colourLetter(lineOnly ? c.lineColour : c.text);
            out += colourLetter(c.background);
        }
        out += '\n';
    }
    return out;
}

} // namespace wm
