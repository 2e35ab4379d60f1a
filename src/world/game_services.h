#pragma once
// What the world, the rules and the movement ask of the running game: its one source of chance, the
// message line, Yes/No questions and sound cues. The session supplies it; a test supplies its own.

#include <string_view>

namespace wm {

class GameServices {
  public:
    virtual ~GameServices() = default;
    /// Uniform 0 .. n-1 (0 when n is 0 or less).
    virtual int rand(int n) = 0;
    /// The message line: red with the error cue, yellow, green with the bonus cue.
    virtual void error(std::string_view message) = 0;
    virtual void notice(std::string_view message) = 0;
    virtual void bonus(std::string_view message) = 0;
    virtual bool askYesNo(std::string_view question) = 0;
    virtual void cue(int cue) = 0;
};

} // namespace wm
