// Times as every screen and the score log show them.

#include <gtest/gtest.h>

#include "console/time_format.h"

namespace wm {
namespace {

TEST(FormatTime, MarksMorningAfternoonAndTheNextDay) {
    EXPECT_EQ(FormatTime(8 * 60 + 5), " 8.05");
    EXPECT_EQ(FormatTime(12 * 60), "12p00");
    EXPECT_EQ(FormatTime(13 * 60 + 5), " 1p05");
    EXPECT_EQ(FormatTime(10), " 0.10");
    EXPECT_EQ(FormatTime(11 * 60 + 59), "11.59");
    EXPECT_EQ(FormatTime(9 * 60 + 30), " 9.30");
    EXPECT_EQ(FormatTime(24 * 60 + 10), " 0*10");
    EXPECT_EQ(FormatTime(23 * 60 + 59), "11p59");
}

TEST(FormatTime, EveryMinuteOfTheDayIsFiveCharactersAndReadsBack) {
    for (int m = 0; m < 1440; ++m) {
        const std::string t = FormatTime(m);
        ASSERT_EQ(t.size(), 5u) << m;
        const int hours = (t[0] == ' ' ? 0 : (t[0] - '0') * 10) + (t[1] - '0');
        const int minutes = (t[3] - '0') * 10 + (t[4] - '0');
        const int h24 = t[2] == '.' ? hours : (hours == 12 ? 12 : hours + 12);
        ASSERT_EQ(h24 * 60 + minutes, m) << t;
        ASSERT_EQ(t[2], m < 720 ? '.' : 'p') << t;
    }
}

TEST(FormatTime, NegativeTimesReadAsTheEveningBefore) {
    EXPECT_EQ(FormatTime(-30), "11p30");
    EXPECT_EQ(FormatTime(-60), "11p00");
    EXPECT_EQ(FormatTime(-61), "10p59");
    EXPECT_EQ(FormatTime(-360), " 6p00");
    // Further back than six hours the minutes stay two digits.
    EXPECT_EQ(FormatTime(-400), " 5p20");
    EXPECT_EQ(FormatTime(-1), "11p59");
}

TEST(FormatClock, KeepsTheLeadingZeroOfTheHour) {
    EXPECT_EQ(FormatClock(8 * 60), "08.00");
    EXPECT_EQ(FormatClock(12 * 60 + 30), "12p30");
    EXPECT_EQ(FormatClock(13 * 60 + 5), "01p05");
    EXPECT_EQ(FormatClock(0), "00.00");
    EXPECT_EQ(FormatClock(11 * 60 + 59), "11.59");
    EXPECT_EQ(FormatClock(12 * 60), "12p00");
    EXPECT_EQ(FormatClock(23 * 60 + 59), "11p59");
    EXPECT_EQ(FormatClock(24 * 60 + 5), "00.05");
}

TEST(FormatClock, NegativeTimesWrapToTheDayBefore) {
    EXPECT_EQ(FormatClock(-30), "11p30");
    EXPECT_EQ(FormatClock(-1440), "00.00");
    for (int m = -1440; m < 2880; ++m) ASSERT_EQ(FormatClock(m).size(), 5u) << m;
}

TEST(TwoDigits, PadsWithAZero) {
    EXPECT_EQ(TwoDigits(0), "00");
    EXPECT_EQ(TwoDigits(7), "07");
    EXPECT_EQ(TwoDigits(59), "59");
}

} // namespace
} // namespace wm
