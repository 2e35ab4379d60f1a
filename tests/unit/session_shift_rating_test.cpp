// The rating of a session: the percentage of the target after scaling, floor and caps, and the dialog's
// words for it.

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "session/shift_rating.h"

namespace wm {
namespace {

// A Weekday shift: 00.01 to 23.59, 1438 minutes.
constexpr int Start = 1;
constexpr int End = 1439;

struct Case {
    const char* what;
    int score, target, clock;
    int percent;
    const char* words;
    const char* perCent;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.what;
}

class ShiftRatingCases : public ::testing::TestWithParam<Case> {};

TEST_P(ShiftRatingCases, GiveThePercentageAndTheRating) {
    const Case& c = GetParam();
    const ShiftRating r = rateShift(c.score, c.target, c.clock, Start, End);
    EXPECT_EQ(r.percent, c.percent) << c.what;
    EXPECT_EQ(r.ratingText, c.words) << c.what;
    EXPECT_EQ(endOfSessionLabels(r).perCent, c.perCent) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    EndOfSession, ShiftRatingCases,
    ::testing::Values(
        // The first hour is never rated below 50, whatever the score.
        Case{"quit after 30 minutes, 3 points", 3, 500, Start + 30, 50, "fair.",
             " Adjusted score was  50% of target"},
        Case{"quit after 30 minutes, points lost", -40, 500, Start + 30, 50, "fair.",
             " Adjusted score was  50% of target"},
        // 20 points after 2 hours count as 20 * (1438 * 200 div 120) div 200 = 239.
        Case{"quit after 2 hours, 20 points", 20, 239, Start + 120, 95, "excellent!",
             " Adjusted score was  95% of target"},
        Case{"quit after 2 hours, 20 points of 478", 20, 478, Start + 120, 50, "fair.",
             " Adjusted score was  50% of target"},
        // After exactly 59 minutes nothing is scaled yet; after 60 the floor is gone.
        Case{"quit after 60 minutes, scaled", 1, 1000, Start + 60, 2, "poor. Be more careful next time.",
             " Adjusted score was   2% of target"},
        Case{"early quit capped at 95", 500, 100, Start + 600, 95, "excellent!",
             " Adjusted score was  95% of target"},
        Case{"full shift capped at 100", 500, 100, End, 100, "outstanding!!", " Score was 100% of target"},
        Case{"full shift just short", 99, 100, End, 99, "excellent!", " Score was  99% of target"},
        Case{"good", 60, 100, End, 60, "good.", " Score was  60% of target"},
        Case{"fair", 59, 100, End, 59, "fair.", " Score was  59% of target"},
        Case{"poor at 39", 39, 100, End, 39, "poor. Be more careful next time.", " Score was  39% of target"},
        // Truncating toward zero: -19 % still divides to 0, -20 % is fired; neither shows below 0.
        Case{"poor at -19", -19, 100, End, -19, "poor. Be more careful next time.",
             " Score was   0% of target"},
        Case{"fired at -20", -20, 100, End, -20, "appalling! You're fired!", " Score was   0% of target"},
        Case{"fired far below", -900, 100, End, -900, "appalling! You're fired!",
             " Score was   0% of target"},
        Case{"no target", 5, 0, End, 100, "outstanding!!", " Score was 100% of target"}),
    [](const ::testing::TestParamInfo<Case>& info) {
        std::string name = info.param.what;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST(ShiftRating, AnEarlyQuitAfterAnHourIsScaledToTheWholeShift) {
    // 1438 * 200 div 120 = 2396; 20 * 2396 div 200 = 239 points over the shift.
    EXPECT_EQ(rateShift(20, 1000, Start + 120, Start, End).percent, 23);
    EXPECT_EQ(rateShift(20, 239, Start + 120, Start, End).percent, 95);
    EXPECT_EQ(rateShift(20, 240, Start + 120, Start, End).percent, 95); // 239 * 100 div 240 = 99, capped
    EXPECT_EQ(rateShift(20, 2390, Start + 120, Start, End).percent, 10);
    // Before 60 minutes the score stands as it is.
    EXPECT_EQ(rateShift(200, 1000, Start + 59, Start, End).percent, 50);
    EXPECT_EQ(rateShift(700, 1000, Start + 59, Start, End).percent, 70);
}

TEST(ShiftRating, TheLabelsSayTheActualScoreAndTheRating) {
    const EndOfSessionLabels labels = endOfSessionLabels(rateShift(142, 200, End, Start, End));
    EXPECT_EQ(labels.rating, "Your rating is good.");
    EXPECT_EQ(labels.pointScore, "Actual score was  142 points");
    EXPECT_EQ(labels.perCent, " Score was  71% of target");
    // The actual score, not the scaled one, and a loss with its sign.
    EXPECT_EQ(endOfSessionLabels(rateShift(20, 239, Start + 120, Start, End)).pointScore,
              "Actual score was   20 points");
    EXPECT_EQ(endOfSessionLabels(rateShift(-35, 239, End, Start, End)).pointScore,
              "Actual score was  -35 points");
}

} // namespace
} // namespace wm
