#pragma once
// Runs the real game on the headless host from a script of commands, one a line.

#include <memory>
#include <string>
#include <vector>

#include "drive/drive_target.h"
#include "host/headless/headless_host.h"
#include "session/game.h"
#include "session/main_window.h"

namespace wm {

class Driver : public ScriptFeeder {
  public:
    /// On the headless host; the game's font, help book and data are found from `executableFolder`.
    Driver(std::string executableFolder, unsigned seed);
    /// On the window a target stands for.
    Driver(std::unique_ptr<DriveTarget> target, unsigned seed);
    /// Removes the font as the program does at its end.
    ~Driver() override;

    /// Runs a whole script; returns 0, or sets `error` to "SCRIPT:LINE: message" and returns 1. A script
    /// that ends while a game runs leaves that game for good: one driver runs one game.
    int run(const std::string& scriptName, const std::vector<std::string>& lines, std::string& error);
    /// Starts the program as the desktop does: creation checks, then the first activation.
    bool startUp();

    /// Carries out one command line; throws ScriptFailure on a bad or impossible command.
    void execute(const std::string& line);

    /// The headless host; only for a driver made on it.
    HeadlessHost& host();
    DriveTarget& target() { return *target_; }
    ScriptRuntime& runtime() { return target_->runtime(); }
    Game& game() { return *game_; }
    TForm1& window() { return *window_; }

    void feedNext() override;

    /// The place the last `ask-location` command's answer named, 0 for none.
    int lastAskedLocation() const { return lastAskedLocation_; }

  private:
    void click(int column, int row, bool right);
    void key(const std::string& name);
    void requireGame(const std::string& command) const;
    void writeFile(const std::string& path, const std::string& content) const;

    std::unique_ptr<DriveTarget> target_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<TForm1> window_;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    std::size_t current_ = 0;
    bool started_ = false;
    bool gameLeft_ = false;
    int lastAskedLocation_ = 0;
};

/// The messages recorded so far, one a line, each prefixed by its kind.
std::string messagesText(const ScriptRuntime& runtime);
std::string messagesText(const HeadlessHost& host);

} // namespace wm
