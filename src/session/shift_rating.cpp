#include "session/shift_rating.h"

#include <algorithm>
#include <cstdio>

namespace wm {

namespace {
constexpr int FirstHourFloor = 50;
constexpr int EarlyQuitCap = 95;

std::string rightJustified(long long value, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%*lld", width, value);
    return text;
}
} // namespace

std::string_view ratingWords(int percent) {
    // Truncating toward zero: down to -19 still counts as merely poor.
    switch (percent / 20) {
    case 5:
        return "outstanding!!";
    case 4:
        return "excellent!";
    case 3:
        return "good.";
    case 2:
        return "fair.";
    case 0:
    case 1:
        return "poor. Be more careful next time.";
    default:
        return "appalling! You're fired!";
    }
}

ShiftRating rateShift(int score, int target, int clock, int shiftStart, int shiftEnd) {
    ShiftRating r;
    r.actualScore = score;
    r.endedEarly = clock < shiftEnd;
    long long scaled = score;
    if (r.endedEarly && clock > shiftStart + 59) {
        const long long factor = static_cast<long long>(shiftEnd - shiftStart) * 200 / (clock - shiftStart);
        scaled = scaled * factor / 200;
    }
    // Every day sets a positive target; a damaged one must not divide by zero.
    long long percent = scaled * 100 / std::max(target, 1);
    if (clock < shiftStart + 60 && percent < FirstHourFloor) percent = FirstHourFloor;
    percent = std::min(percent, 100LL);
    if (r.endedEarly) percent = std::min<long long>(percent, EarlyQuitCap);
    // Far below any target the figure is only "fired", however low it goes.
    r.percent = static_cast<int>(std::max(percent, -1000000LL));
    r.ratingText = ratingWords(r.percent);
    return r;
}

EndOfSessionLabels endOfSessionLabels(const ShiftRating& r) {
    EndOfSessionLabels labels;
    labels.rating = "Your rating is " + std::string(r.ratingText);
    labels.pointScore = "Actual score was " + rightJustified(r.actualScore, 4) + " points";
    labels.perCent = std::string(r.endedEarly ? " Adjusted s" : " S") + "core was" +
                     rightJustified(std::max(r.percent, 0), 4) + "% of target";
    return labels;
}

} // namespace wm
