#pragma once
// A host with no window: it records the console's cells and lines, takes its input and dialog answers
// from a script, and runs a virtual clock, so a whole day plays in moments and the same every time.

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "host/host.h"

namespace wm {

/// Thrown from a pump when the script has no more commands; not a std::exception, so the game's own
/// error handling lets it pass.
struct ScriptFinished {};

/// Thrown when a script command cannot be carried out.
struct ScriptFailure {
    std::string message;
};

/// Supplies the next scripted command when the game waits for the player.
class ScriptFeeder {
  public:
    virtual ~ScriptFeeder() = default;
    virtual void feedNext() = 0;
};

struct RecordedCell {
    char ch = ' ';
    Colour text{192, 192, 192};
    Colour background{0, 0, 0};
    char line = 0; // a track line through the cell: '-', '|', '/' or '\'
    Colour lineColour{};
};

struct RecordedLine {
    int x1, y1, x2, y2;
    Colour colour;
    int penWidth;
};

/// One box with an OK button as the game showed it.
struct RecordedBox {
    BoxKind kind;
    int helpContext;
    std::string text;
};

/// One queued answer to a dialog or box: "yes", "no", "ok", "cancel", "text:..", "file:..", "choice:N",
/// "options:KEY=VALUE,...".
struct ScriptAnswer {
    std::string value;
};

/// Applies an options answer's "KEY=VALUE,..." list (keys clock, log, sound, wait, hide, font) to `values`;
/// false, leaving `values` untouched, when a key or value is not one of those.
bool applyOptionsAnswer(std::string_view list, OptionValues& values);

class HeadlessHost : public Host {
  public:
    static constexpr int Rows = 32;
    static constexpr int Columns = 100;

    HeadlessHost();

    // configuration
    void setExecutableFolder(std::string folder) { executableFolder_ = std::move(folder); }
    void setScreenSize(ScreenSize size) { screen_ = size; }
    void setFontUsable(bool usable) { fontUsable_ = usable; }
    void setFeeder(ScriptFeeder* feeder) { feeder_ = feeder; }
    WindowEvents* handler() const { return handler_; }

    // scripted input
    void queueAnswer(std::string value) { answers_.push_back({std::move(value)}); }
    void queueGameChoice(GameChoice choice) { gameChoices_.push_back(choice); }
    /// Lets `count` timer events pass before the next command is read.
    void letTicksPass(int count) { ticksToPass_ += count; }
    /// Lets virtual time pass before the next command is read.
    void letTimePass(int milliseconds) { waitUntil_ = now_ + milliseconds; }
    bool busyWithTimeOrTicks() const { return ticksToPass_ > 0 || waitUntil_ > now_; }
    /// Forgets the ticks and time still to pass, as when the game they were for has ended.
    void dropPendingTime() {
        ticksToPass_ = 0;
        waitUntil_ = now_;
    }

    // what was recorded
    const RecordedCell& cell(int column, int row) const { return cells_[row - 1][column - 1]; }
    std::string rowText(int row) const;
    /// 32 lines of 100 characters, a blank line, 32 lines of two colour letters a cell.
    std::string screenDump() const;
    const std::vector<std::string>& messages() const { return messages_; }
    const std::vector<std::string>& soundsPlayed() const { return sounds_; }
    const std::vector<RecordedBox>& boxes() const { return boxes_; }
    const std::vector<int>& helpOpened() const { return helpOpened_; }
    int popupsOpened() const { return popupsOpened_; }
    const std::vector<RecordedLine>& lines() const { return lines_; }
    bool terminated() const { return terminated_; }
    int timerInterval() const { return timerInterval_; }
    std::int64_t now() const { return now_; }
    const std::string& caption(Widget w) const;
    bool visible(Widget w) const;
    bool enabled(Widget w) const;
    int fontSize() const { return fontSize_; }
    ScreenSize clientSize() const { return client_; }
    const std::map<std::string, std::string>& settings() const { return settings_; }
    void setSetting(const std::string& key, const std::string& value) { settings_[key] = value; }

    /// The colour letters of the screen dump.
    static char colourLetter(Colour colour);

    // Host
    TextExtent measureText(std::string_view text, int pointSize) override;
    void setCanvasFont(int pointSize) override;
    void drawText(int x, int y, std::string_view text, Colour text_colour, Colour background) override;
    void fillRect(int x, int y, int width, int height, Colour colour) override;
    void drawLine(int x1, int y1, int x2, int y2, Colour colour, int penWidth) override;
    void setClientSize(int width, int height) override;
    ScreenSize screenSize() override { return screen_; }
    void layoutTopPanel(int, int, int) override {}
    void requestRepaint() override { repaintRequested_ = true; }
    void setCaption(Widget widget, std::string_view caption) override;
    void setVisible(Widget widget, bool visible) override;
    void setEnabled(Widget widget, bool enabled) override;
    void setWindowTitle(std::string_view caption, std::string_view applicationTitle) override;
    void focusWindow() override {}
    /// Takes a queued "menu:ITEM" answer as the item chosen; otherwise the menu is dismissed.
    void popupActionMenu(int screenX, int screenY) override;
    void processEvents(bool waitingForPlayer) override;
    void sleepMs(int milliseconds) override { now_ += milliseconds; }
    std::int64_t timeOfDayMs() override { return now_ % (24LL * 3600 * 1000); }
    void setTimerInterval(int milliseconds) override;
    void terminate() override { terminated_ = true; }
    void setEventHandler(WindowEvents* handler) override { handler_ = handler; }
    void messageShown(std::string_view kind, std::string_view text) override;
    void messageBox(BoxKind kind, std::string_view text, int helpContext) override;
    bool askYesNo(std::string_view question) override;
    std::optional<std::string> inputBox(std::string_view title, std::string_view prompt,
                                        std::string_view defaultText) override;
    std::optional<std::string> openFileDialog(const FileDialogOptions& options) override;
    std::optional<std::string> saveFileDialog(const FileDialogOptions& options) override;
    GameChoice selectGameDialog(std::string_view simulationName) override;
    bool optionsDialog(OptionValues& values) override;
    void playSound(std::string_view fileName, bool wait) override;
    void openHelp(int context) override { helpOpened_.push_back(context); }
    bool registerFont(const std::string& path) override;
    void unregisterFont() override { fontRegistered_ = false; }
    std::string executableFolder() override { return executableFolder_; }
    std::string executableDate() override { return "07/12/2026"; }
    bool fileExists(const std::string& path) override;
    std::optional<std::string> readSetting(std::string_view section, std::string_view key) override;
    void writeSetting(std::string_view section, std::string_view key, std::string_view value) override;
    bool flushSettings() override { return true; }
    void setSettingsFolder(const std::string& folder) override { settingsFolder_ = folder; }

    std::string windowCaption;
    std::string applicationTitle;

  private:
    void record(std::string_view kind, std::string_view text);
    /// Takes the front answer when `accept` likes it; otherwise the dialog keeps its default.
    std::optional<std::string> takeAnswer(bool (*accept)(const std::string&));
    bool fireTimerIfDue();
    std::pair<int, int> cellAt(int x, int y) const;
    void markLineCell(int column, int row, char kind, Colour colour);

    std::array<std::array<RecordedCell, Columns>, Rows> cells_{};
    std::vector<RecordedLine> lines_;
    std::vector<std::string> messages_;
    std::vector<std::string> sounds_;
    std::vector<RecordedBox> boxes_;
    std::vector<int> helpOpened_;
    std::deque<ScriptAnswer> answers_;
    std::deque<GameChoice> gameChoices_;
    std::map<std::string, std::string> settings_;
    std::map<Widget, std::string> captions_;
    std::map<Widget, bool> visible_;
    std::map<Widget, bool> enabled_;

    WindowEvents* handler_ = nullptr;
    ScriptFeeder* feeder_ = nullptr;
    std::string executableFolder_;
    std::string settingsFolder_;
    ScreenSize screen_{1920, 1080};
    ScreenSize client_{};
    bool fontUsable_ = true;
    bool fontRegistered_ = false;
    int fontSize_ = 12;
    int cellWidth_ = 8;
    int cellHeight_ = 17;
    bool terminated_ = false;
    bool repaintRequested_ = false;
    int popupsOpened_ = 0;

    std::int64_t now_ = 9LL * 3600 * 1000; // the virtual day starts at 09:00
    int timerInterval_ = 0;
    std::int64_t timerDue_ = 0;
    int ticksToPass_ = 0;
    std::int64_t waitUntil_ = 0;
};

} // namespace wm
