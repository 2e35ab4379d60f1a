#pragma once
// The scripted side of a host: a virtual clock with the one-shot timer, the answers queued for dialogs
// and boxes, and the record of what the game said and played. The headless host is built on it, and the
// desktop host uses it when the driver plays the real window, so both take a script the same way.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
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

/// One box with an OK button as the game showed it.
struct RecordedBox {
    BoxKind kind;
    int helpContext;
    std::string text;
};

/// Applies an options answer's "KEY=VALUE,..." list (keys clock, log, sound, wait, hide, font) to `values`;
/// false, leaving `values` untouched, when a key or value is not one of those.
bool applyOptionsAnswer(std::string_view list, OptionValues& values);

class ScriptRuntime {
  public:
    void setFeeder(ScriptFeeder* feeder) { feeder_ = feeder; }
    void setHandler(WindowEvents* handler) { handler_ = handler; }

    // scripted input
    /// One answer for a dialog or box: "yes", "no", "ok", "cancel", "text:..", "file:..", "choice:D,Y",
    /// "menu:ITEM", "options:KEY=VALUE,...", "close" (the information window).
    void queueAnswer(std::string value) { answers_.push_back(std::move(value)); }
    void queueGameChoice(GameChoice choice) { gameChoices_.push_back(choice); }
    /// While the information window is up, how to close it: a queued "close" answer does so the next time
    /// the game waits for the player. An empty function once it is hidden.
    void setInfoCloser(std::function<void()> closer) { infoCloser_ = std::move(closer); }
    bool infoWindowOpen() const { return static_cast<bool>(infoCloser_); }
    /// Forgets the answers no dialog has taken.
    void dropAnswers() { answers_.clear(); }
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
    const std::vector<std::string>& messages() const { return messages_; }
    const std::vector<std::string>& soundsPlayed() const { return sounds_; }
    const std::vector<RecordedBox>& boxes() const { return boxes_; }
    const std::vector<int>& helpOpened() const { return helpOpened_; }
    int popupsOpened() const { return popupsOpened_; }
    int timerInterval() const { return timerInterval_; }
    std::int64_t now() const { return now_; }

    // the host operations it stands in for
    void processEvents(bool waitingForPlayer);
    void sleepMs(int milliseconds) { now_ += milliseconds; }
    std::int64_t timeOfDayMs() const { return now_ % (24LL * 3600 * 1000); }
    void setTimerInterval(int milliseconds);
    void messageShown(std::string_view kind, std::string_view text);
    void messageBox(BoxKind kind, std::string_view text, int helpContext);
    bool askYesNo(std::string_view question);
    std::optional<std::string> inputBox(std::string_view prompt, std::string_view defaultText);
    std::optional<std::string> openFileDialog(const FileDialogOptions& options);
    std::optional<std::string> saveFileDialog(const FileDialogOptions& options);
    GameChoice selectGameDialog();
    bool optionsDialog(OptionValues& values);
    /// Records the dialog's labels, one a line, as the kind "end"; it takes an "ok" answer.
    void endOfSessionDialog(std::string_view simulationName, std::string_view rating,
                            std::string_view pointScore, std::string_view perCent);
    /// The item a queued "menu:ITEM" answer chose; nullopt when the menu is dismissed.
    std::optional<std::string> popupActionMenu();
    void playSound(std::string_view fileName) { sounds_.emplace_back(fileName); }
    /// The settings file, kept in memory so a script plays the same whatever a real file holds.
    std::optional<std::string> readSetting(std::string_view section, std::string_view key) const;
    void writeSetting(std::string_view section, std::string_view key, std::string_view value);
    const std::map<std::string, std::string>& settings() const { return settings_; }
    void setSetting(const std::string& key, const std::string& value) { settings_[key] = value; }
    void openHelp(int context) { helpOpened_.push_back(context); }
    /// The executable's date as a script sees it, so that what shows it is the same on both hosts.
    std::string executableDate() const { return "07/12/2026"; }

  private:
    void record(std::string_view kind, std::string_view text);
    /// Takes the front answer when `accept` likes it; otherwise the dialog keeps its default.
    std::optional<std::string> takeAnswer(bool (*accept)(const std::string&));
    bool fireTimerIfDue();

    WindowEvents* handler_ = nullptr;
    ScriptFeeder* feeder_ = nullptr;
    std::deque<std::string> answers_;
    std::deque<GameChoice> gameChoices_;
    std::vector<std::string> messages_;
    std::vector<std::string> sounds_;
    std::vector<RecordedBox> boxes_;
    std::vector<int> helpOpened_;
    int popupsOpened_ = 0;
    std::map<std::string, std::string> settings_; // "SECTION/KEY"

    std::int64_t now_ = 9LL * 3600 * 1000; // the virtual day starts at 09:00
    int timerInterval_ = 0;
    std::int64_t timerDue_ = 0;
    int ticksToPass_ = 0;
    std::int64_t waitUntil_ = 0;
    std::function<void()> infoCloser_;
};

} // namespace wm
