#include "drive/driver.h"

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>

#include "drive/headless_target.h"
#include "drive/state_json.h"
#include "session/ask_location.h"
#include "session/layout_screens.h"

namespace wm {

namespace {
std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

int number(const std::string& text, const std::string& what) {
    try {
        std::size_t used = 0;
        const int value = std::stoi(text, &used);
        if (used == text.size()) return value;
    } catch (const std::exception&) {
    }
    throw ScriptFailure{what + " must be a number, not \"" + text + "\""};
}
} // namespace

Driver::Driver(std::string executableFolder, unsigned seed)
    : Driver(makeHeadlessTarget(std::move(executableFolder)), seed) {}

Driver::Driver(std::unique_ptr<DriveTarget> target, unsigned seed)
    : target_(std::move(target)), game_(std::make_unique<Game>(target_->host())) {
    game_->hasFixedSeed = true;
    game_->fixedSeed = seed;
    window_ = std::make_unique<TForm1>(*game_);
    target_->attach(*window_);
    target_->runtime().setFeeder(this);
}

Driver::~Driver() {
    if (started_) window_->FormDestroy();
}

HeadlessHost& Driver::host() {
    auto* headless = dynamic_cast<HeadlessTarget*>(target_.get());
    if (!headless) throw ScriptFailure{"this driver plays the window, not the headless host"};
    return headless->headless();
}

bool Driver::startUp() {
    started_ = true;
    return target_->startUp();
}

std::string messagesText(const ScriptRuntime& runtime) {
    std::string out;
    for (const auto& m : runtime.messages()) out += m + "\n";
    return out;
}

std::string messagesText(const HeadlessHost& host) {
    return messagesText(host.runtime());
}

void Driver::writeFile(const std::string& path, const std::string& content) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    out.flush();
    if (!out) throw ScriptFailure{"cannot write " + path};
}

void Driver::requireGame(const std::string& command) const {
    if (target_->terminated()) throw ScriptFailure{command + ": the program has ended"};
    if (!game_->flags.gameRunning) throw ScriptFailure{command + ": no game is running"};
}

void Driver::click(int column, int row, bool right) {
    if (target_->terminated()) throw ScriptFailure{"click: the program has ended"};
    const Console& c = game_->console;
    const int x = (column - 1) * c.cellWidth() + c.cellWidth() / 2;
    const int y = c.topOffset() + (row - 1) * c.cellHeight() + c.cellHeight() / 2;
    target_->click(x, y, right);
}

void Driver::key(const std::string& name) {
    if (target_->terminated()) throw ScriptFailure{"key: the program has ended"};
    // Menu shortcuts go to their items, as the window's menu bar does.
    static const std::map<std::string, std::string> shortcuts{
        {"F1", "Context"}, {"F3", "Restart1"}, {"F12", "SaveAs1"}};
    if (auto s = shortcuts.find(name); s != shortcuts.end()) {
        target_->menu(s->second);
        return;
    }
    static const std::map<std::string, std::pair<int, char>> named{
        {"SPACE", {KeyCode::Space, ' '}}, {"ESC", {KeyCode::Escape, 27}},   {"ENTER", {KeyCode::Enter, 13}},
        {"PGUP", {KeyCode::PageUp, 0}},   {"PGDN", {KeyCode::PageDown, 0}}, {"HOME", {KeyCode::Home, 0}},
        {"END", {KeyCode::End, 0}},       {"LEFT", {KeyCode::Left, 0}},     {"RIGHT", {KeyCode::Right, 0}},
        {"UP", {KeyCode::Up, 0}},         {"DOWN", {KeyCode::Down, 0}}};
    if (auto k = named.find(name); k != named.end()) {
        target_->key(k->second.first, k->second.second);
        return;
    }
    if (name.size() != 1) throw ScriptFailure{"key: unknown key \"" + name + "\""};
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    target_->key(static_cast<unsigned char>(upper), upper);
}

void Driver::execute(const std::string& line) {
    const auto w = words(line);
    if (w.empty() || w[0][0] == '#') return;
    const std::string& command = w[0];
    auto need = [&](std::size_t count) {
        if (w.size() < count + 1)
            throw ScriptFailure{command + " needs " + std::to_string(count) + " argument" +
                                (count > 1 ? "s" : "")};
    };
    auto rest = [&]() {
        const auto at = line.find(command) + command.size();
        const auto start = line.find_first_not_of(' ', at);
        return start == std::string::npos ? std::string() : line.substr(start);
    };

    if (command == "new-game") {
        need(2);
        if (target_->terminated() || !game_->flags.atStartScreen)
            throw ScriptFailure{"new-game: not at the start screen"};
        const int difficulty = number(w[1], "the difficulty");
        if (difficulty % 5 != 0 || difficulty < 5 || difficulty > 25)
            throw ScriptFailure{"new-game: difficulty must be 5, 10, 15, 20 or 25"};
        static const std::map<std::string, int> days{
            {"Weekday", 0}, {"Saturday", 1}, {"Sunday", 2}, {"none", -1}};
        const auto day = days.find(w[2]);
        if (day == days.end()) throw ScriptFailure{"new-game: day must be Weekday, Saturday, Sunday or none"};
        runtime().queueGameChoice({difficulty / 5 - 1, day->second});
        // The timetable-file dialog that follows takes its default: cancel.
        target_->menu("New");
    } else if (command == "resume") {
        need(1);
        if (target_->terminated() || !game_->flags.atStartScreen)
            throw ScriptFailure{"resume: not at the start screen"};
        runtime().queueAnswer("file:" + rest());
        target_->menu("Resume");
    } else if (command == "click") {
        need(2);
        const bool right = w.size() > 3 && w[3] == "right";
        if (w.size() > 3 && !right) throw ScriptFailure{"click: the third argument can only be \"right\""};
        click(number(w[1], "the column"), number(w[2], "the row"), right);
    } else if (command == "key") {
        need(1);
        key(w[1]);
    } else if (command == "menu") {
        need(1);
        if (target_->terminated()) throw ScriptFailure{"menu: the program has ended"};
        target_->menu(w[1]);
    } else if (command == "reactivate") {
        if (target_->terminated()) throw ScriptFailure{"reactivate: the program has ended"};
        // Covered by another window and uncovered again: the game repaints what it shows.
        window_->FormDeactivate();
        window_->FormActivate();
    } else if (command == "close") {
        if (target_->terminated()) throw ScriptFailure{"close: the program has ended"};
        target_->close();
    } else if (command == "answer") {
        need(1);
        const std::string value = rest();
        static const char* plain[] = {"yes", "no", "ok", "cancel", "close"};
        bool known = false;
        for (const char* p : plain) known = known || value == p;
        for (const char* prefix : {"text:", "file:", "choice:", "menu:"})
            known = known || value.rfind(prefix, 0) == 0;
        if (value.rfind("options:", 0) == 0) {
            OptionValues probe;
            if (!applyOptionsAnswer(std::string_view(value).substr(8), probe))
                throw ScriptFailure{"answer: bad options list \"" + value.substr(8) +
                                    "\" (keys clock, log, sound, wait, hide as 0 or 1; font 6..26)"};
            known = true;
        }
        if (!known) throw ScriptFailure{"answer: unknown answer \"" + value + "\""};
        runtime().queueAnswer(value);
    } else if (command == "ask-location") {
        need(1);
        requireGame(command);
        if (w[1] != "from" && w[1] != "to")
            throw ScriptFailure{"ask-location: the question can only be \"from\" or \"to\""};
        lastAskedLocation_ = AskLocation(*game_, w[1] == "from" ? AskFromQuestion : AskToQuestion);
    } else if (command == "ticks") {
        need(1);
        requireGame(command);
        runtime().letTicksPass(number(w[1], "the number of ticks"));
    } else if (command == "wait") {
        need(1);
        requireGame(command);
        runtime().letTimePass(number(w[1], "the milliseconds"));
    } else if (command == "show-screen") {
        need(1);
        requireGame(command);
        const int screen = number(w[1], "the screen");
        if (screen < 0 || screen > 4) throw ScriptFailure{"show-screen: the screen is 0..4"};
        // Drawn at once from a cleared console, as the main loop's paint would.
        ShowScreen(*game_, screen);
        game_->console.ClearScreen();
        DrawScreen(*game_, screen);
        game_->console.RedrawBottomLines();
    } else if (command == "lock-sections") {
        need(2);
        requireGame(command);
        const int ticks = number(w[1], "the ticks");
        for (std::size_t i = 2; i < w.size(); ++i) {
            const int section = number(w[i], "a section");
            if (section < 1 || section > 520) throw ScriptFailure{"lock-sections: a section is 1..520"};
            game_->state.sectionTimer[static_cast<std::size_t>(section)] = ticks;
        }
    } else if (command == "screen") {
        need(1);
        writeFile(rest(), target_->screenDump());
    } else if (command == "info") {
        need(1);
        if (!game_->info.open) throw ScriptFailure{"info: the information window is not open"};
        writeFile(rest(), target_->infoDump());
    } else if (command == "click-info") {
        need(2);
        if (target_->terminated()) throw ScriptFailure{"click-info: the program has ended"};
        if (!game_->info.open) throw ScriptFailure{"click-info: the information window is not open"};
        const Console& c = game_->console;
        const int column = number(w[1], "the column");
        const int row = number(w[2], "the row");
        target_->clickInfo((column - 1) * c.cellWidth() + c.cellWidth() / 2,
                           (row - 1) * c.cellHeight() + c.cellHeight() / 2);
    } else if (command == "picture") {
        need(1);
        std::string why;
        if (!target_->picture(rest(), why)) throw ScriptFailure{why};
    } else if (command == "state") {
        need(1);
        writeFile(rest(), stateJson(*game_, [this](Widget w) { return target_->caption(w); }));
    } else if (command == "messages") {
        need(1);
        writeFile(rest(), messagesText(runtime()));
    } else if (command == "sounds") {
        need(1);
        std::string text;
        for (const std::string& sound : runtime().soundsPlayed()) text += sound + "\n";
        writeFile(rest(), text);
    } else if (command == "score-log") {
        need(1);
        requireGame(command);
        // The game writes its log where it was started; the copy goes where the script keeps its results.
        std::ifstream log(game_->console.scoreLog().fileName(), std::ios::binary);
        if (!log) throw ScriptFailure{"score-log: no score log has been written (is logging on in Options?)"};
        std::ostringstream text;
        text << log.rdbuf();
        writeFile(rest(), text.str());
    } else {
        throw ScriptFailure{"unknown command \"" + command + "\""};
    }
}

void Driver::feedNext() {
    while (next_ < lines_.size()) {
        current_ = next_++;
        const auto w = words(lines_[current_]);
        if (w.empty() || w[0][0] == '#') continue;
        execute(lines_[current_]);
        return;
    }
    throw ScriptFinished{};
}

int Driver::run(const std::string& scriptName, const std::vector<std::string>& lines, std::string& error) {
    lines_ = lines;
    next_ = 0;
    current_ = 0;
    if (gameLeft_) {
        error = scriptName + ":1: the game was left when the previous script ended inside it";
        return 1;
    }
    try {
        if (!started_) startUp();
        for (;;) {
            feedNext();
            // Waiting commands at the start screen have nothing to wait for; after the end of the shift
            // whatever was left of them is simply not needed.
            if (runtime().busyWithTimeOrTicks() && !game_->flags.gameRunning) {
                if (!game_->flags.gameOver) throw ScriptFailure{"no game is running"};
                runtime().dropPendingTime();
            }
        }
    } catch (const ScriptFinished&) {
        // A script that ends inside a running game unwinds the game's loops: that game cannot go on.
        gameLeft_ = game_->flags.gameRunning;
        return 0;
    } catch (const ScriptFailure& failure) {
        error = scriptName + ":" + std::to_string(current_ + 1) + ": " + failure.message;
        return 1;
    }
}

} // namespace wm
