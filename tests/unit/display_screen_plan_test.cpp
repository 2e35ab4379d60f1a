#include "display/hotspots.h"
#include "display/screen_plan.h"
#include "movement/route_table.h"
#include "world/data_file.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

namespace wm {
namespace {

// The screens whose track is laid in full; the others show their places and panels so far.
const std::set<int> finishedScreens{0, 1, 2, 3, 4};

using Point = std::pair<int, int>; // border after a column, row

std::pair<Point, Point> ends(const TrackCell& c) {
    switch (c.shape) {
    case CellShape::Rise:
        return {{c.column - 1, c.row}, {c.column, c.row - 1}};
    case CellShape::Fall:
        return {{c.column - 1, c.row - 1}, {c.column, c.row}};
    default:
        return {{c.column - 1, c.row}, {c.column, c.row}};
    }
}

std::set<int> lockedSections() {
    std::set<int> locked;
    for (const auto& [pair, leg] : RouteTable::standard().legs()) {
        locked.insert(leg.sections.begin(), leg.sections.end());
        for (const FlankLock& flank : leg.flanks) locked.insert(flank.targets.begin(), flank.targets.end());
    }
    return locked;
}

TEST(DisplayScreenPlan, EveryDrawnSectionIsOneARouteLocks) {
    const std::set<int> locked = lockedSections();
    for (const ScreenPlan& plan : standardScreenPlans()) {
        for (const TrackCell& cell : plan.track) {
            EXPECT_GE(cell.section, 0);
            EXPECT_LE(cell.section, 520);
            if (cell.section == 0) continue; // a joint of no section
            EXPECT_TRUE(locked.count(cell.section))
                << "screen " << plan.screen << " draws section " << cell.section << " that no route locks";
        }
        for (const PlaceSpot& spot : plan.spots) {
            EXPECT_TRUE(spot.section == 0 || locked.count(spot.section))
                << "place " << spot.location << " takes the colour of section " << spot.section;
        }
    }
}

TEST(DisplayScreenPlan, EverySectionARouteLocksIsDrawnSomewhere) {
    std::set<int> drawn;
    for (const ScreenPlan& plan : standardScreenPlans())
        for (const TrackCell& cell : plan.track) drawn.insert(cell.section);
    for (int section : lockedSections()) EXPECT_TRUE(drawn.count(section)) << "section " << section;
}

// Each leg between two places of a finished screen is drawn there as one connected path of its own
// sections from one place to the other, and every section it locks is drawn.
TEST(DisplayScreenPlan, LegsAreDrawnAsConnectedPathsOnFinishedScreens) {
    int legsChecked = 0;
    for (int screen : finishedScreens) {
        const ScreenPlan& plan = standardScreenPlans()[static_cast<std::size_t>(screen)];
        std::map<int, std::pair<Point, Point>> places;
        for (const PlaceSpot& s : plan.spots)
            places.emplace(s.location,
                           std::pair{Point{s.column - 1, s.row}, Point{s.column + s.width - 1, s.row}});
        std::set<int> drawn;
        for (const TrackCell& cell : plan.track) drawn.insert(cell.section);
        for (const auto& [pair, leg] : RouteTable::standard().legs()) {
            if (!places.count(leg.from) || !places.count(leg.to)) continue;
            ++legsChecked;
            const std::set<int> own(leg.sections.begin(), leg.sections.end());
            for (int section : leg.sections)
                EXPECT_TRUE(drawn.count(section))
                    << "leg " << leg.from << "-" << leg.to << " section " << section;
            for (const FlankLock& flank : leg.flanks)
                for (int section : flank.targets)
                    EXPECT_TRUE(drawn.count(section)) << "flank section " << section;
            std::multimap<Point, Point> joins;
            for (const TrackCell& cell : plan.track)
                if (own.count(cell.section) || cell.section == 0) { // a joint of no section joins anything
                    const auto [a, b] = ends(cell);
                    joins.emplace(a, b), joins.emplace(b, a);
                }
            std::set<Point> seen{places[leg.from].first, places[leg.from].second};
            std::vector<Point> todo(seen.begin(), seen.end());
            while (!todo.empty()) {
                const Point p = todo.back();
                todo.pop_back();
                const auto [first, last] = joins.equal_range(p);
                for (auto it = first; it != last; ++it)
                    if (seen.insert(it->second).second) todo.push_back(it->second);
            }
            EXPECT_TRUE(seen.count(places[leg.to].first) || seen.count(places[leg.to].second))
                << "leg " << leg.from << "-" << leg.to << " is not drawn as one path";
        }
    }
    EXPECT_GT(legsChecked, 50);
}

TEST(DisplayScreenPlan, EveryPlaceIsDrawnAtItsClickCell) {
    // The loader refuses a plan that misses a click region; here every plan of the data folder loads.
    for (const ScreenPlan& plan : standardScreenPlans()) {
        EXPECT_FALSE(plan.title.text.empty());
        for (const Hotspot& h : BuildHotspots().group(firstScreenGroup + plan.screen)) {
            if (h.code >= firstScreenLink) continue;
            bool found = false;
            for (const PlaceSpot& s : plan.spots)
                found = found || (s.location == h.code && s.column == h.left);
            EXPECT_TRUE(found) << "screen " << plan.screen << " place " << h.code;
        }
    }
}

std::string loadFault(const std::string& text, const std::string& links = "1 c1 4\nc1 2 5,6\n") {
    HotspotTable none;
    try {
        parseScreenPlan(0, text, "screen.txt", parseTrackLinks(links, "links.txt"), none);
    } catch (const DataFileError& e) {
        return e.what();
    }
    return "";
}

TEST(DisplayScreenPlan, FaultsNameTheFileAndLine) {
    EXPECT_EQ(loadFault("title 5 \"A\"\nspot X 1 2 3 4 wide 1\n").substr(0, 13), "screen.txt:2:");
    EXPECT_EQ(loadFault("title 5 \"A\"\nnode c1 4 3\nnode c1 5 3\n").substr(0, 13), "screen.txt:3:");
    EXPECT_EQ(loadFault("panel 1 1 4 700 \"x\"\n").substr(0, 13), "screen.txt:1:");
    EXPECT_EQ(loadFault("shape 1 1\n").substr(0, 13), "screen.txt:1:");
    // Two sections cannot be laid in one cell, nor a diagonal steeper than the cells allow.
    const std::string places = "spot A 1 2 3 3 compact 4\nspot B 2 8 3 3 compact 5\n";
    EXPECT_NE(loadFault(places + "node c1 6 3\nvia 5 6,3\n"), "");
    EXPECT_NE(loadFault(places + "node c1 5 6\n").find("cannot run"), std::string::npos);
    EXPECT_EQ(loadFault(places + "node c1 5 3\n"), "");
    EXPECT_NE(loadFault("", "1 c1 600\n").find("links.txt:1:"), std::string::npos);
    // Track laid through a place would be drawn over by the place's own line.
    EXPECT_NE(loadFault(places + "node c1 5 3\nvia 5 9,3\n").find("runs under place 2"), std::string::npos);
    // A platform bar beside a road is fine; one under a place or over a label would not be seen.
    EXPECT_EQ(loadFault(places + "bar 2 4 6\n"), "");
    EXPECT_NE(loadFault(places + "bar 4 3 2\n").find("under place 1"), std::string::npos);
    EXPECT_NE(loadFault("label 5 2 \"Works\"\nbar 9 2 3\n").find("covers the label"), std::string::npos);
}

TEST(DisplayScreenPlan, TrackIsLaidAlongTheRowThenDiagonallyToTheJunction) {
    const auto links = parseTrackLinks("1 c1 4\nc1 2 5\nc1 3 6,7\n", "links.txt");
    const ScreenPlan plan = parseScreenPlan(
        0, "spot A 1 2 5 3 compact 4\nspot B 2 10 5 3 compact 5\nspot C 3 10 7 3 compact 6\nnode c1 6 5\n",
        "screen.txt", links, HotspotTable{});
    std::map<int, std::vector<TrackCell>> bySection;
    for (const TrackCell& c : plan.track) bySection[c.section].push_back(c);
    ASSERT_EQ(bySection[4].size(), 2u); // columns 5, 6 on row 5
    EXPECT_EQ(bySection[4][1].column, 6);
    ASSERT_EQ(bySection[5].size(), 3u); // straight on to B's first cell
    ASSERT_EQ(bySection[6].size(), 2u); // falls from the junction to row 7, then runs on
    ASSERT_EQ(bySection[7].size(), 1u);
    EXPECT_EQ(bySection[6][0].shape, CellShape::Fall);
    EXPECT_EQ(bySection[6][1].shape, CellShape::Fall);
    EXPECT_EQ(bySection[7][0].shape, CellShape::Straight);
    EXPECT_EQ(bySection[7][0].row, 7);

    // A location without a place of its own lies where its node row puts it.
    const ScreenPlan hidden = parseScreenPlan(0, "spot A 1 2 5 3 compact 4\nnode c1 6 5\nnode 3 9 5\n",
                                              "screen.txt", links, HotspotTable{});
    int sixAndSeven = 0;
    for (const TrackCell& c : hidden.track) sixAndSeven += c.section == 6 || c.section == 7;
    EXPECT_EQ(sixAndSeven, 3);
}

} // namespace
} // namespace wm
