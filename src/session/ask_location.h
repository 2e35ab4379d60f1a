#pragma once
// The typed location prompt of a move started from the keyboard.

#include <string_view>

namespace wm {

struct Game;

inline constexpr std::string_view AskFromQuestion = "Enter the location to move from, or Esc to Cancel";
inline constexpr std::string_view AskToQuestion =
    "Enter the location to move to, or action code, or Esc to Cancel";

/// Asks for a three-letter location code in the input box and returns the place it names (the last one of
/// 1..200 with that code), or 0 when the answer is empty, cancelled or names no place; a code no place
/// has is reported with a notice.
int AskLocation(Game& game, std::string_view question);

} // namespace wm
