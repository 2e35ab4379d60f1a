#pragma once
// Times as the screens and the score log show them.

#include <string>

namespace wm {

/// 0..99 as two characters with a leading zero.
std::string TwoDigits(int value);

/// Any time in minutes (negative, or past midnight) as five characters: " 8.05", "12p00", " 1p05", " 0*10".
std::string FormatTime(int minutes);

/// The game clock for the score log: the hour keeps its leading zero ("08.00", "01p05").
std::string FormatClock(int minutes);

} // namespace wm
