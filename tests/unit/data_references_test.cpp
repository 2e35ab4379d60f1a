// A value that names a row or entry of another table must find it: a damaged copy of a data file whose
// reference points nowhere, or at the wrong kind of thing, stops start-up naming the file and line.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data_folder_copy.h"

namespace wm {
namespace {

using namespace wm::test_data;

/// One row of a data file changed: in the first data row holding `row`, the text `from` becomes `to`.
struct BrokenReference {
    std::string file, row, from, to;
    std::string message; // what the box says after "file:line: "
};

int firstDataRowHolding(const std::string& text, const std::string& row) {
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const auto first = line.find_first_not_of(" \t");
        if (first != std::string::npos && line[first] != '#' && line.find(row) != std::string::npos)
            return number;
    }
    return 0;
}

void expectStopNamingTheRow(const BrokenReference& change) {
    SCOPED_TRACE(change.file + ": " + change.row + ": " + change.from + " -> " + change.to);
    DataFolderCopy data;
    const std::string text = readWhole(data.file(change.file));
    const int line = firstDataRowHolding(text, change.row);
    ASSERT_GT(line, 0);
    std::string row = lineOf(text, line);
    const auto at = row.find(change.from);
    ASSERT_NE(at, std::string::npos);
    row.replace(at, change.from.size(), change.to);
    data.write(change.file, replaceLine(text, line, row));

    Driver driver(WENDMOOR_BUILD_DIR "/", 1);
    const StartUpResult result = startUp(driver);
    EXPECT_FALSE(result.started);
    EXPECT_TRUE(driver.host().terminated());
    EXPECT_EQ(result.box.rfind("fatal Program cannot continue: |", 0), 0u) << result.box;
    EXPECT_NE(result.box.find(change.file + ":" + std::to_string(line) + ": " + change.message),
              std::string::npos)
        << result.box;
}

TEST(DataReferences, TimetableRowsNamingNoShedGroupOrDayStop) {
    const std::vector<BrokenReference> changes{
        {"timetable/weekday-departures.txt", "421$", "\" SH\"", "\" SX\"",
         "shed \" SX\" is no shed of sheds.txt"},
        {"timetable/weekday-departures.txt", "421$", "17  421$", "25  421$",
         "group 25 holds no place of the layout"},
        {"timetable/saturday-arrivals.txt", "241A", "15  241A", " 8  241A",
         "group 8 holds no place of the layout"},
        {"timetable/saturday-traffic.txt", "DRq1", "11  DRq1", "22  DRq1",
         "route 22 holds no place of the layout"},
        {"timetable/named-trains.txt", "002A", "weekday", "wekday",
         "day \"wekday\" is none of weekday, saturday, sunday"},
        {"timetable/named-trains.txt", "002A", "002A  002B", "002X  002Y",
         "codes \"002X\" to \"002Y\" match no train of the weekday"},
        {"timetable/light-engine-moves.txt", "07:05", "saturday", "satday", "day \"satday\" is none of"},
        {"timetable/light-engine-moves.txt", "07:05", "17   421", " 1   421",
         "line 1 holds no place of the layout"},
        {"timetable/light-engine-moves.txt", "07:05", "421", " 10",
         "duty 10 works no train of the weekday and stands nowhere at its start"},
    };
    for (const BrokenReference& change : changes) expectStopNamingTheRow(change);
}

TEST(DataReferences, StartingPlacementsOnPlacesThatCannotHoldThemStop) {
    const std::vector<BrokenReference> changes{
        {"timetable/weekday-start.txt", "shed  481", "40  46", "39  46", "place 39 is no shed road"},
        {"timetable/weekday-start.txt", "loco  421", "117  2", "28  2", "place 28 has no engine place 2"},
        {"timetable/sunday-start.txt", "stock  73", "73", "250", "place 250 is no place of the layout"},
        {"timetable/sunday-start.txt", "traffic  33", "33", "40", "place 40 is no road where stock stands"},
        {"timetable/weekday-start.txt", "traffic  33", "33", "57", "place 57 is no road where stock stands"},
    };
    for (const BrokenReference& change : changes) expectStopNamingTheRow(change);
}

TEST(DataReferences, ClickRegionsNamingNoPlaceOrScreenStop) {
    const std::vector<BrokenReference> changes{
        {"track/hotspots.txt", "3      MUH", "3      MUH", "10     MUH",
         "group \"10\" is not a whole number 2..9"},
        {"track/hotspots.txt", "9      PgUp", "PgUp   73", "PgUp   74", "code 74 is no panel of the boards"},
        {"track/hotspots.txt", "8      north", "north  1", "north  3", "code 3 is no panel of the boards"},
        {"track/hotspots.txt", "3      MUH", "MUH    1  ", "MUH    300",
         "code \"300\" is not a whole number 1..194"},
        {"track/hotspots.txt", "3      MUH", "MUH    1", "MUX    1", "code 1 is \"MUH\", not \"MUX\""},
        {"track/hotspots.txt", "3      MUH", "1     2       7", "1     3       7",
         "place 1 is not drawn at its click cell 3,7 of track/screen0.txt"},
        {"track/hotspots.txt", "3      603", "12     2", "12     1",
         "no panel of track/screen0.txt covers the link to screen code 603"},
    };
    for (const BrokenReference& change : changes) expectStopNamingTheRow(change);
}

TEST(DataReferences, ScreenAndTrackRowsNamingNoPlaceJunctionOrSectionStop) {
    const std::vector<BrokenReference> changes{
        {"track/screen3.txt", "spot   PL1", "PL1   95", "PL1   195",
         "place \"195\" is not a whole number 1..194"},
        {"track/screen3.txt", "spot   PL1", "PL1   95", "PL2   95", "place 95 is \"PL1\", not \"PL2\""},
        {"track/screen3.txt", "spot   PL1", "216", "519",
         "section 519 is carried by no link of track/links.txt"},
        {"track/screen0.txt", "Oakmarrow", "label    2   3  \"Oakmarrow\"", "crossover 60 3 519 0 0 0 rising",
         "section 519 is carried by no link of track/links.txt"},
        {"track/screen0.txt", "node   c1", "c1 ", "c1x",
         "node \"c1x\" is no end of a link of track/links.txt"},
        {"track/screen0.txt", "bend   49", "49", "519", "no link drawn here starts with section 519"},
        {"track/screen0.txt", "panel   88", "603", "601", "a panel leads to another screen"},
        {"track/screen3.txt", "bar     7", "7  11", "7  12", "the bar at 7,12 lies under place 95"},
        {"track/links.txt", "9      c30", "9      c30", "199    c30",
         "place \"199\" is not a whole number 1..194"},
        {"display/compact_places.txt", "MUD", "MUD", "MUQ", "\"MUQ\" is not the code of a named place"},
    };
    for (const BrokenReference& change : changes) expectStopNamingTheRow(change);
}

TEST(DataReferences, RouteRowsNamingNoPlaceOrSectionStop) {
    const std::vector<BrokenReference> changes{
        {"track/reachability.txt", "1        Common", "2-4", "1-4", "location 1 reaches itself"},
        {"track/reachability.txt", "28       Shed", " 37", " 195",
         "location \"195\" is not a whole number 1..194"},
        {"track/route_vias.txt", "2-4           8", " 6 ", " 196 ",
         "location \"196\" is not a whole number 1..194"},
        {"track/legs.txt", "1     3     1,3", "1,3", "1,519",
         "section 519 is carried by no link of track/links.txt"},
        {"track/no_route.txt", "55            102", "102", "197",
         "location \"197\" is not a whole number 1..194"},
        {"track/legs.txt", "9     20", "9     20", "200   20",
         "location \"200\" is not a whole number 1..194"},
    };
    for (const BrokenReference& change : changes) expectStopNamingTheRow(change);
}

} // namespace
} // namespace wm
