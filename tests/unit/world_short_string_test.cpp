#include "world/short_string.h"

#include <gtest/gtest.h>

#include <string>

namespace wm {
namespace {

TEST(WorldShortString, LongerValuesAreCutToCapacity) {
    ShortString<4> code = "745A extra";
    EXPECT_EQ(code.view(), "745A");
    EXPECT_EQ(code.size(), 4u);

    ShortString<11> destination = std::string("Birmingham New Street");
    EXPECT_EQ(destination.str(), "Birmingham ");
}

TEST(WorldShortString, EqualityCountsTrailingBlanks) {
    const ShortString<3> padded = "WN ";
    const ShortString<3> bare = "WN";
    EXPECT_NE(padded, bare);
    EXPECT_EQ(padded, "WN ");
    EXPECT_NE(padded, "WN");
    EXPECT_NE(bare, "WN ");
    EXPECT_EQ("WN ", padded);
}

TEST(WorldShortString, ComparingWithALongerTextDoesNotCutIt) {
    const ShortString<4> code = "745A";
    EXPECT_NE(code, "745A ");
    EXPECT_NE(code, std::string("745AB"));
}

TEST(WorldShortString, ReassigningAShorterValueForgetsTheOldTail) {
    ShortString<4> code = "ABCD";
    code = "AB";
    EXPECT_EQ(code, ShortString<4>("AB"));
    EXPECT_EQ(code.view(), "AB");
}

} // namespace
} // namespace wm
