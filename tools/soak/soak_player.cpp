#include "soak/soak_player.h"

#include <cstdlib>
#include <sstream>

#include "drive/state_json.h"
#include "soak/soak_commands.h"

namespace wm {

namespace {

constexpr std::size_t recentKept = 30;
// A day takes about 4,300 ticks and as many commands again; far beyond that the player is stuck in a wait.
constexpr long mostLinesInADay = 100000;
constexpr const char* dayNames[] = {"Weekday", "Saturday", "Sunday"};

/// Thrown from the feeder to leave the game's loops when the day must stop; not a std::exception, so the
/// game's own error handling lets it pass.
struct SoakStopped {};

/// The points a message of the score operations changed the score by, 0 for any other message. Under
/// "Wait on error" the same text is also shown in a box, which is not a second change.
int pointsOf(const std::string& message) {
    const auto space = message.find(' ');
    if (space == std::string::npos || message.rfind("box ", 0) == 0) return 0;
    const std::string text = message.substr(space + 1);
    if (text == "That route is not clear") return -1;
    const bool lose = text.rfind("You lose ", 0) == 0;
    if (!lose && text.rfind("You gain ", 0) != 0) return 0;
    const int n = std::atoi(text.c_str() + 9);
    return lose ? -n : n;
}

bool isRunError(const std::string& message) {
    return message.rfind("box An error has occurred", 0) == 0;
}

bool isAnswer(const std::string& line) {
    return line.rfind("answer ", 0) == 0;
}

} // namespace

SoakPlayer::SoakPlayer(std::string executableFolder, SoakSetup setup)
    : driver_(std::move(executableFolder), setup.seed), setup_(setup), random_(setup.seed) {
    driver_.runtime().setFeeder(this);
    if (setup_.difficulty == 0)
        setup_.difficulty = 5 * (1 + std::uniform_int_distribution<int>(0, 4)(random_));
    if (setup_.day < 0 || setup_.day > 2) setup_.day = std::uniform_int_distribution<int>(0, 2)(random_);
    result_.seed = setup.seed;
    result_.difficulty = setup_.difficulty;
    result_.dayName = dayNames[setup_.day];
}

SoakResult SoakPlayer::play() {
    try {
        if (!driver_.startUp()) {
            result_.broken.push_back({"start-up", "the program did not start"});
            return result_;
        }
        driver_.execute("new-game " + std::to_string(setup_.difficulty) + " " + result_.dayName);
        // The shift is over and the program has ended: what it left must hold too.
        check();
    } catch (const SoakStopped&) {
    } catch (const ScriptFailure& failure) {
        result_.broken.push_back({"driver", failure.message});
    }
    const Game& g = driver_.game();
    result_.score = g.state.score;
    result_.clock = g.state.clock;
    result_.wholeDay = g.state.clock >= g.state.shiftEnd;
    return result_;
}

void SoakPlayer::tallyNewMessages() {
    const auto& messages = driver_.runtime().messages();
    for (; messagesSeen_ < messages.size(); ++messagesSeen_) {
        const std::string& m = messages[messagesSeen_];
        scoreFromEvents_ += pointsOf(m);
        if (isRunError(m)) stop({{"run-error", m.substr(4)}});
    }
}

void SoakPlayer::countStartedMove() {
    const auto& timers = driver_.game().state.sectionTimer;
    bool locked = false;
    if (sectionsBefore_.size() == timers.size())
        for (std::size_t i = 0; i < timers.size(); ++i) locked = locked || timers[i] > sectionsBefore_[i];
    if (locked && lastWasCommand_) ++result_.movesStarted;
    sectionsBefore_.assign(timers.begin(), timers.end());
}

void SoakPlayer::check() {
    tallyNewMessages();
    InvariantInputs inputs;
    inputs.scoreFromEvents = scoreFromEvents_;
    auto broken = findBrokenInvariants(driver_.game().state, inputs);
    if (!broken.empty()) stop(std::move(broken));
}

void SoakPlayer::stop(std::vector<BrokenInvariant> broken) {
    result_.broken = std::move(broken);
    result_.stoppedAtCommand = result_.commands + result_.tickCommands;
    result_.recentLines.assign(recent_.begin(), recent_.end());
    const auto& messages = driver_.runtime().messages();
    const std::size_t from = messages.size() > recentKept ? messages.size() - recentKept : 0;
    result_.recentMessages.assign(messages.begin() + static_cast<std::ptrdiff_t>(from), messages.end());
    result_.stateDump = stateJson(driver_.game(), [this](Widget w) { return driver_.target().caption(w); });
    throw SoakStopped{};
}

void SoakPlayer::run(const std::string& line) {
    recent_.push_back(line);
    if (recent_.size() > recentKept) recent_.pop_front();
    try {
        driver_.execute(line);
    } catch (const ScriptFailure&) {
        ++result_.refusedCommands;
    }
}

void SoakPlayer::nextLine() {
    HeadlessHost& host = driver_.host();
    const bool inCommandWait = host.enabled(Widget::Pause1);
    if (queued_.empty() && driver_.game().info.open) {
        // The information window waits for its Close; first, now and then, a click in it. Answers left
        // for questions that did not come would stand in front of the Close.
        driver_.runtime().dropAnswers();
        std::uniform_int_distribution<int> pick(0, 99);
        if (pick(random_) < 60)
            queued_.push_back("click-info " + std::to_string(1 + pick(random_) % 10) + " " +
                              std::to_string(1 + pick(random_) % 20));
        queued_.push_back("answer close");
    }
    if (queued_.empty()) {
        // Answers meant for dialogs that did not come would answer the wrong ones later.
        driver_.runtime().dropAnswers();
        const SoakView view{driver_.game(), random_, inCommandWait};
        for (std::string& line : chooseSoakCommand(view).make(view)) queued_.push_back(std::move(line));
        if (queued_.empty()) queued_.push_back("key X");
    }
    while (!queued_.empty() && isAnswer(queued_.front())) {
        run(queued_.front());
        queued_.pop_front();
    }
    if (queued_.empty()) return;
    std::string line = std::move(queued_.front());
    queued_.pop_front();
    lastWasCommand_ = true;
    if (line == "ticks 1") {
        if (!inCommandWait) {
            // A dialogue is open: a key that types nothing closes it, and the ticks wait.
            line = "key LEFT";
        } else if (!driver_.game().console.options().clockRunning) {
            line = "key +"; // single step
            lastWasCommand_ = false;
        } else {
            lastWasCommand_ = false;
        }
    }
    if (lastWasCommand_)
        ++result_.commands;
    else
        ++result_.tickCommands;
    run(line);
    if (afterLine) afterLine(driver_.game(), result_.commands + result_.tickCommands);
}

void SoakPlayer::feedNext() {
    check();
    if (result_.commands + result_.tickCommands >= mostLinesInADay)
        stop({{"stuck", "the day has not ended after " + std::to_string(mostLinesInADay) + " lines"}});
    countStartedMove();
    nextLine();
}

std::string soakSummary(const SoakResult& r) {
    std::ostringstream out;
    out << "seed " << r.seed << " level " << r.difficulty << " " << r.dayName << ": " << r.commands
        << " commands, " << r.tickCommands << " ticks, " << r.movesStarted << " moves started, score "
        << r.score << ", clock " << r.clock;
    if (r.refusedCommands > 0) out << ", " << r.refusedCommands << " lines refused by the driver";
    if (!r.broken.empty())
        out << ": STOPPED at command " << r.stoppedAtCommand << ", " << r.broken.front().name;
    else if (!r.wholeDay)
        out << ": ENDED EARLY";
    else
        out << ": ok";
    return out.str();
}

std::string soakFailureReport(const SoakResult& r) {
    std::ostringstream out;
    out << soakSummary(r) << "\n";
    for (const BrokenInvariant& b : r.broken) out << "  broken " << b.name << ": " << b.detail << "\n";
    out << "  last lines:\n";
    for (const std::string& line : r.recentLines) out << "    " << line << "\n";
    out << "  last messages:\n";
    for (const std::string& message : r.recentMessages) out << "    " << message << "\n";
    return out.str();
}

} // namespace wm
