#include "display/hotspots.h"
#include "world/data_file.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace wm {
namespace {

TEST(DisplayHotspots, EachScreenHasItsRegions) {
    const HotspotTable& table = BuildHotspots();
    EXPECT_EQ(table.group(keyMenuGroup).size(), 11u);
    const std::size_t counts[5] = {23, 28, 54, 62, 34};
    for (int screen = 0; screen < 5; ++screen)
        EXPECT_EQ(table.group(firstScreenGroup + screen).size(), counts[screen]) << screen;
}

TEST(DisplayHotspots, KeyMenuButtonsAndTheGapsBetweenThem) {
    EXPECT_EQ(HitTest(keyMenuGroup, 2, 28), 1);
    EXPECT_EQ(HitTest(keyMenuGroup, 14, 28), 1);
    EXPECT_EQ(HitTest(keyMenuGroup, 15, 28), 0); // between two buttons
    EXPECT_EQ(HitTest(keyMenuGroup, 16, 28), 2);
    EXPECT_EQ(HitTest(keyMenuGroup, 70, 28), 5);
    EXPECT_EQ(HitTest(keyMenuGroup, 72, 28), 0);
    EXPECT_EQ(HitTest(keyMenuGroup, 72, 29), 25);
    EXPECT_EQ(HitTest(keyMenuGroup, 58, 29), 28);
    EXPECT_EQ(HitTest(keyMenuGroup, 44, 29), 24);
    // The gap falls through to the screen's own regions: on the Yards screen row 28 holds nothing either.
    EXPECT_EQ(HitTest(firstScreenGroup + 3, 15, 28), 0);
}

TEST(DisplayHotspots, OverlapsAndTallRegions) {
    const int shed = firstScreenGroup + 1;
    EXPECT_EQ(HitTest(shed, 5, 11), 28); // both turntable regions cover it
    EXPECT_EQ(HitTest(shed, 5, 10), 28);
    EXPECT_EQ(HitTest(shed, 8, 10), 0);
    EXPECT_EQ(HitTest(shed, 40, 15), 41); // LL6
    EXPECT_EQ(HitTest(shed, 40, 20), 46); // LL1
    EXPECT_EQ(HitTest(shed, 100, 25), 604);
    EXPECT_EQ(HitTest(shed, 93, 25), 604); // second row of a two-row panel
    const int north = firstScreenGroup + 2;
    EXPECT_EQ(HitTest(north, 2, 8), 601);  // fourth row of a four-row panel
    EXPECT_EQ(HitTest(north, 12, 22), 55); // both rows of WN select the incoming place
    EXPECT_EQ(HitTest(north, 12, 21), 55);
    EXPECT_EQ(HitTest(north, 79, 13), 95);
    EXPECT_EQ(HitTest(firstScreenGroup + 3, 4, 12), 95); // the same platform on the Yards screen
    EXPECT_EQ(HitTest(firstScreenGroup + 4, 56, 22), 179);
    EXPECT_EQ(HitTest(firstScreenGroup + 4, 1, 21), 604);
    EXPECT_EQ(HitTest(firstScreenGroup + 4, 9, 21), 0);
    EXPECT_EQ(HitTest(99, 1, 1), 0);
}

TEST(DisplayHotspots, LaterRowsWinAndBadRowsAreNamed) {
    const HotspotTable table = HotspotTable::parse("3 a 7 1 1 5 5\n3 b 9 2 2 1 1\n", "spots.txt");
    EXPECT_EQ(table.hitTest(3, 2, 2), 9);
    EXPECT_EQ(table.hitTest(3, 3, 3), 7);
    auto failure = [](std::string_view text) {
        try {
            (void)HotspotTable::parse(text, "spots.txt");
        } catch (const DataFileError& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(failure("# c\n3 a 7 99 1 5 1\n").rfind("spots.txt:2:", 0), 0u);
    EXPECT_EQ(failure("12 a 7 1 1 5 1\n").rfind("spots.txt:1:", 0), 0u);
    EXPECT_EQ(failure("3 a 7 1 1 0 1\n").rfind("spots.txt:1:", 0), 0u);
    EXPECT_EQ(failure("3 a 7 1 1\n").rfind("spots.txt:1:", 0), 0u);
}

} // namespace
} // namespace wm
