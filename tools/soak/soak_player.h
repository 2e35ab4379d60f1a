#pragma once
// Plays one whole day of the real game on the headless host with random but plausible input from a seed,
// checking the game's invariants after every command and every tick. A broken invariant, or the game's own
// "An error has occurred", stops the day with the seed, the command number, what broke and a state dump.

#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "drive/driver.h"
#include "world/invariants.h"

namespace wm {

struct SoakSetup {
    unsigned seed = 1;
    int difficulty = 0; // 5..25; 0 draws it from the seed
    int day = -1;       // 0 Weekday, 1 Saturday, 2 Sunday; -1 draws it from the seed
};

struct SoakResult {
    unsigned seed = 0;
    int difficulty = 0;
    std::string dayName;
    long commands = 0;        // player commands given (clicks, keys, menu items, window events)
    long tickCommands = 0;    // single ticks let pass
    long movesStarted = 0;    // commands after which a route was locked
    long refusedCommands = 0; // script lines the driver could not carry out (none expected)
    int score = 0;
    int clock = 0;         // the game's clock when the day ended
    bool wholeDay = false; // the shift ran to its end
    // When it stopped early:
    std::vector<BrokenInvariant> broken;
    long stoppedAtCommand = 0;
    std::vector<std::string> recentLines;    // the last script lines, oldest first
    std::vector<std::string> recentMessages; // the last messages the game gave, oldest first
    std::string stateDump;                   // the game state as JSON

    bool passed() const { return broken.empty() && wholeDay; }
};

class SoakPlayer : public ScriptFeeder {
  public:
    SoakPlayer(std::string executableFolder, SoakSetup setup);

    /// Plays the day from its start to the end of the shift, or until something breaks.
    SoakResult play();

    /// For tests: runs after every script line, before the next check.
    std::function<void(Game& game, long commandNumber)> afterLine;

    void feedNext() override;

  private:
    void check();
    void stop(std::vector<BrokenInvariant> broken);
    void tallyNewMessages();
    void countStartedMove();
    void run(const std::string& line);
    void nextLine();

    Driver driver_;
    SoakSetup setup_;
    std::mt19937 random_;
    SoakResult result_;
    std::deque<std::string> queued_;
    std::deque<std::string> recent_;
    std::size_t messagesSeen_ = 0;
    int scoreFromEvents_ = 0;
    std::vector<int> sectionsBefore_;
    bool lastWasCommand_ = false;
};

/// The result as one line: seed, level, day, figures and outcome.
std::string soakSummary(const SoakResult& result);

/// The full report of a day that stopped: the summary, what broke, the last lines and the state dump.
std::string soakFailureReport(const SoakResult& result);

} // namespace wm
