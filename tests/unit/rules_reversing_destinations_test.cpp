// The destinations whose trains may leave with the engine facing either way: the table the data folder
// gives, and the faults its reader reports.

#include <gtest/gtest.h>

#include "rules/reversing_destinations.h"
#include "world/data_file.h"
#include "world/timetable_data.h"

namespace wm {
namespace {

std::string faultOf(std::string_view text) {
    try {
        ReversingDestinations::parse(text, "rev.txt");
    } catch (const DataFileError& error) {
        return error.what();
    }
    return "";
}

TEST(ReversingDestinations, TheInstalledTableNamesThreeDownAndOneUpDestinationOfTheTimetables) {
    const ReversingDestinations& table = loadedReversingDestinations();
    EXPECT_EQ(table.downLines().size(), 3u);
    EXPECT_EQ(table.upLines().size(), 1u);
    // Each is a destination of some train leaving on a line of its side.
    const auto runs = [](const std::string& destination, LeavingSide side) {
        for (std::string_view day : timetableDays)
            for (const DepartureRow& row : loadedDayTimetable(day).departures)
                if (row.destination == destination && leavingSide(row.line) == side) return true;
        return false;
    };
    for (const std::string& destination : table.downLines())
        EXPECT_TRUE(runs(destination, LeavingSide::down)) << destination;
    for (const std::string& destination : table.upLines())
        EXPECT_TRUE(runs(destination, LeavingSide::up)) << destination;
}

TEST(ReversingDestinations, ADestinationIsExemptOnlyOnTheSideItIsListedFor) {
    const ReversingDestinations table =
        ReversingDestinations::parse("down \"Ashcombe Pk\"\nup Fellingrove\n", "t");
    EXPECT_TRUE(table.reversesOnTheWay(2, "Ashcombe Pk"));
    EXPECT_TRUE(table.reversesOnTheWay(8, "Ashcombe Pk"));
    EXPECT_FALSE(table.reversesOnTheWay(21, "Ashcombe Pk"));
    EXPECT_TRUE(table.reversesOnTheWay(22, "Fellingrove"));
    EXPECT_FALSE(table.reversesOnTheWay(23, "Fellingrove"));
    EXPECT_FALSE(table.reversesOnTheWay(2, "Ashcombe Pk "));
}

TEST(ReversingDestinations, ABadRowIsReportedWithItsFileAndLine) {
    EXPECT_EQ(faultOf("# lines destination\nsideways Penvarrow\n"),
              "rev.txt:2: lines \"sideways\" is neither down nor up");
    EXPECT_EQ(faultOf("down\n"), "rev.txt:1: a row is: lines, destination");
    EXPECT_EQ(faultOf("down \"A much longer name\"\n"),
              "rev.txt:1: destination \"A much longer name\" is not 1 to 11 characters");
    EXPECT_EQ(faultOf("down Penvarrow\n\nup Penvarrow\ndown Penvarrow\n"),
              "rev.txt:4: destination \"Penvarrow\" listed twice");
    EXPECT_EQ(faultOf(""), "");
}

} // namespace
} // namespace wm
