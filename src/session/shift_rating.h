#pragma once
// The score at the end of a session as a percentage of the day's target, and the rating in words.

#include <string>
#include <string_view>

namespace wm {

struct ShiftRating {
    int actualScore = 0; // the score as it stood
    int percent = 0;     // of the target, after scaling, floor and caps; may be negative
    bool endedEarly = false;
    std::string_view ratingText;
};

/// Rates a session that ended at `clock`. An early quit after its first hour is judged as if the rest of
/// the shift had gone the same way; the first hour is never rated below 50; only a full shift reaches 100.
ShiftRating rateShift(int score, int target, int clock, int shiftStart, int shiftEnd);

/// "outstanding!!" .. "appalling! You're fired!" for a percentage.
std::string_view ratingWords(int percent);

/// What the end-of-session dialog's labels say.
struct EndOfSessionLabels {
    std::string rating;     // "Your rating is good."
    std::string pointScore; // "Actual score was  142 points"
    std::string perCent;    // " Score was  71% of target"
};
EndOfSessionLabels endOfSessionLabels(const ShiftRating& rating);

} // namespace wm
