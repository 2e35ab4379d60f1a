#include "host/record/script_runtime.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace wm {

namespace {
constexpr int FatalHelpContext = 261;

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

void ScriptRuntime::setTimerInterval(int milliseconds) {
    timerInterval_ = milliseconds;
    timerDue_ = now_ + milliseconds;
}

bool ScriptRuntime::fireTimerIfDue() {
    if (timerInterval_ <= 0 || now_ < timerDue_ || !handler_) return false;
    timerInterval_ = 0; // one-shot
    handler_->Timer1Timer();
    return true;
}

void ScriptRuntime::processEvents(bool waitingForPlayer) {
    if (fireTimerIfDue()) {
        // Time spent in pauses already made the timer due: that event is one of the ticks asked for.
        if (ticksToPass_ > 0) --ticksToPass_;
        return;
    }
    if (!waitingForPlayer) return;
    if (infoCloser_ && !answers_.empty() && answers_.front() == "close") {
        answers_.pop_front();
        const std::function<void()> close = infoCloser_;
        close();
        return;
    }
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

void ScriptRuntime::record(std::string_view kind, std::string_view text) {
    std::string line(kind);
    line += ' ';
    for (char ch : text) line += ch == '\r' ? ' ' : ch == '\n' ? '|' : ch;
    messages_.push_back(line);
}

std::optional<std::string> ScriptRuntime::takeAnswer(bool (*accept)(const std::string&)) {
    if (answers_.empty() || !accept(answers_.front())) return std::nullopt;
    std::string value = answers_.front();
    answers_.pop_front();
    return value;
}

void ScriptRuntime::messageShown(std::string_view kind, std::string_view text) {
    record(kind, text);
}

void ScriptRuntime::messageBox(BoxKind kind, std::string_view text, int helpContext) {
    boxes_.push_back({kind, helpContext, std::string(text)});
    record(helpContext == FatalHelpContext ? "fatal" : "box", text);
    takeAnswer(isOkCancel);
}

bool ScriptRuntime::askYesNo(std::string_view question) {
    record("question", question);
    const auto answer = takeAnswer(isYesNo);
    return !answer || *answer == "yes"; // Yes is the box's default button
}

std::optional<std::string> ScriptRuntime::inputBox(std::string_view prompt, std::string_view defaultText) {
    record("input", prompt);
    const auto answer = takeAnswer(isText);
    if (!answer) return std::string(defaultText);
    if (*answer == "cancel") return std::nullopt;
    return answer->substr(5);
}

std::optional<std::string> ScriptRuntime::openFileDialog(const FileDialogOptions&) {
    const auto answer = takeAnswer(isFile);
    if (!answer || *answer == "cancel") return std::nullopt;
    return answer->substr(5);
}

std::optional<std::string> ScriptRuntime::saveFileDialog(const FileDialogOptions& options) {
    const auto answer = takeAnswer(isFile);
    if (!answer || *answer == "cancel") return std::nullopt;
    std::string path = answer->substr(5);
    // As a save dialog does: a name without an extension gets the default one.
    if (!options.defaultExt.empty() && std::filesystem::path(path).extension().empty())
        path += "." + options.defaultExt;
    return path;
}

GameChoice ScriptRuntime::selectGameDialog() {
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

bool ScriptRuntime::optionsDialog(OptionValues& values) {
    const auto answer =
        takeAnswer([](const std::string& a) { return isOkCancel(a) || a.rfind("options:", 0) == 0; });
    if (!answer || *answer == "cancel") return false;
    if (*answer == "ok") return true;
    return applyOptionsAnswer(std::string_view(*answer).substr(8), values);
}

void ScriptRuntime::endOfSessionDialog(std::string_view simulationName, std::string_view rating,
                                       std::string_view pointScore, std::string_view perCent) {
    std::string text(simulationName);
    for (std::string_view label : {rating, pointScore, perCent}) {
        text += "\r\n";
        text += label;
    }
    record("end", text);
    takeAnswer(isOkCancel);
}

std::optional<std::string> ScriptRuntime::popupActionMenu() {
    ++popupsOpened_;
    const auto answer = takeAnswer([](const std::string& a) { return a.rfind("menu:", 0) == 0; });
    if (!answer) return std::nullopt;
    return answer->substr(5);
}

std::optional<std::string> ScriptRuntime::readSetting(std::string_view section, std::string_view key) const {
    const auto it = settings_.find(std::string(section) + "/" + std::string(key));
    if (it == settings_.end()) return std::nullopt;
    return it->second;
}

void ScriptRuntime::writeSetting(std::string_view section, std::string_view key, std::string_view value) {
    settings_[std::string(section) + "/" + std::string(key)] = std::string(value);
}

} // namespace wm
