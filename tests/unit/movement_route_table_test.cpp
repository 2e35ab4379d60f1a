#include "movement/route_table.h"
#include "movement/section_ops.h"
#include "world/data_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace wm {
namespace {

using Pair = std::pair<int, int>;

const RouteTable& table() {
    return RouteTable::standard();
}

std::vector<int> run(int first, int last) {
    std::vector<int> out;
    const int step = first <= last ? 1 : -1;
    for (int s = first; s != last + step; s += step) out.push_back(s);
    return out;
}

std::vector<int> range(int first, int last) {
    return run(first, last);
}
std::vector<int> join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST(MovementRouteTable, HasAnEntryForEveryReachablePairButTheListedOnes) {
    const std::set<Pair> without = [] {
        std::set<Pair> out{{55, 102}, {61, 104},  {61, 105}, {61, 106}, {67, 106}, {71, 98},
                           {71, 102}, {71, 103},  {71, 106}, {99, 79},  {104, 79}, {137, 96},
                           {138, 96}, {141, 157}, {68, 97},  {138, 95}};
        for (int from = 131; from <= 136; ++from) out.insert({{from, 96}, {from, 111}});
        return out;
    }();
    ASSERT_EQ(without.size(), 28u);
    int single = 0, through = 0;
    for (const auto& [from, to] : Reachability::standard().pairs()) {
        SCOPED_TRACE(std::to_string(from) + " -> " + std::to_string(to));
        EXPECT_EQ(table().hasRoute(from, to), !without.contains({from, to}));
        if (!table().hasRoute(from, to)) continue;
        const Route& first = table().routes(from, to).front();
        (first.legs.size() == 1 ? single : through) += 1;
        for (const Route& route : table().routes(from, to)) {
            EXPECT_EQ(route.legs.front()->from, from);
            EXPECT_EQ(route.legs.back()->to, to);
            for (std::size_t i = 1; i < route.legs.size(); ++i)
                EXPECT_EQ(route.legs[i]->from, route.legs[i - 1]->to);
        }
    }
    EXPECT_EQ(table().entries().size(), 1108u);
    EXPECT_EQ(single, 814);
    EXPECT_EQ(through, 294);
    EXPECT_FALSE(table().hasRoute(1, 6)); // not reachable at all
}

TEST(MovementRouteTable, IntermediateLocationsFollowTheLayout) {
    struct Case {
        int from, to;
        std::vector<int> via;
    };
    const std::vector<Case> cases{
        {2, 8, {6}},
        {3, 21, {6, 8}},
        {23, 4, {8, 6}},
        {17, 26, {25}},
        {26, 23, {25}},
        {34, 103, {37, 38}},
        {34, 105, {37, 38, 101}},
        {33, 101, {38}},
        {37, 104, {38, 101}},
        {101, 32, {38}},
        {51, 95, {57, 82}},
        {51, 100, {57, 84}},
        {53, 101, {59, 84}},
        {55, 99, {61, 67}},
        {102, 56, {68, 62}},
        {88, 65, {75}},
        {98, 79, {80}},
        {100, 52, {83, 58}},
        {99, 54, {85, 60}},
        {104, 52, {100, 83, 58}},
        {49, 105, {101}},
        {106, 37, {103, 38}},
        {110, 155, {138}},
        {156, 98, {139}},
        {109, 157, {140}},
        {158, 103, {141}},
        {176, 153, {165}},
        {157, 192, {166, 184}},
        {155, 190, {167, 185}},
        {191, 158, {187, 169}},
        {189, 168, {186}},
        {165, 182, {176}},
        {176, 192, {184}},
        {179, 156, {172}},
        {155, 180, {171}},
        {2, 1, {}},
        {104, 131, {}},
        {100, 104, {}},
        {138, 155, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " -> " + std::to_string(c.to));
        ASSERT_TRUE(table().hasRoute(c.from, c.to));
        EXPECT_EQ(table().routes(c.from, c.to).front().intermediates(), c.via);
    }
}

TEST(MovementRouteTable, AlternativesAreExactlyTheListedOnes) {
    std::map<Pair, std::vector<std::vector<int>>> expected;
    for (int from : {67, 71, 84}) {
        expected[{from, 104}] = {{100}, {101}};
        expected[{from, 105}] = {{101}, {100}};
    }
    expected[{100, 138}] = expected[{100, 140}] = {{104}, {105}};
    expected[{100, 157}] = {{104, 140}, {105, 140}};
    expected[{101, 138}] = {{105}, {104}};
    expected[{104, 68}] = expected[{104, 85}] = {{100}, {101}};
    expected[{112, 129}] = expected[{112, 130}] = {{124}, {125}};
    expected[{141, 100}] = {{104}, {105}};
    expected[{141, 101}] = {{105}, {104}};
    expected[{158, 100}] = {{141, 104}, {141, 105}};
    ASSERT_EQ(expected.size(), 17u);
    for (const auto& [pair, routes] : table().entries()) {
        if (routes.size() == 1 && !expected.contains(pair)) continue;
        SCOPED_TRACE(std::to_string(pair.first) + " -> " + std::to_string(pair.second));
        ASSERT_TRUE(expected.contains(pair));
        std::vector<std::vector<int>> got;
        for (const Route& route : routes) got.push_back(route.intermediates());
        EXPECT_EQ(got, expected[pair]);
        expected.erase(pair);
    }
    EXPECT_TRUE(expected.empty());
}

struct Telling {
    int from, to;
    std::vector<int> sections;
    std::vector<FlankLock> flanks;
    BranchAction branch = BranchAction::none;
};

TEST(MovementRouteTable, TellingLegsLockExactlyTheirSections) {
    const std::vector<Telling> legs{
        {1, 3, {1, 3}, {}},
        {2, 6, {2, 5, 9}, {{9, {8}}}},
        {6, 8, run(10, 21), {}},
        {8, 20, {31, 33, 34, 36}, {{34, {35}}}},
        {26, 25, run(63, 55), {}},
        {25, 16, {54, 51, 48}, {{54, {52}}, {51, {50}}, {48, {40}}}},
        {66, 26, {111, 64}, {{111, {110}}}, BranchAction::take},
        {26, 79, {64, 110}, {{110, {112}}}, BranchAction::giveBack},
        {28, 34, {65, 69}, {{65, {66}}}},
        {34, 37, {72}, {}},
        {30, 38, {79, 82}, {{79, {75}}, {82, {84}}}},
        {38, 101, {99, 105, 106}, {{106, {236, 238}}}},
        {51, 57, {139}, {}},
        {57, 82, {143, 144, 145, 146, 147, 149}, {{147, {148}}}},
        {82, 94, {193, 200, 215}, {{200, {207}}, {215, {216, 219, 220}}}},
        {97, 68, {232, 211, 192, 184}, {{232, {223}}, {211, {210, 203}}, {192, {189}}, {184, {182}}}},
        {68, 62, {177, 172}, {{177, {174}}}},
        {62, 56, {170}, {}},
        {104,
         131,
         {247, 297, 305, 322},
         {{247, {274, 275, 277}}, {297, {301, 306, 307}}, {305, {316, 319}}, {322, {337}}}},
        {100, 104, {239}, {{239, {241, 245}}}},
        {104, 140, {247, 297, 327}, {{247, {274, 275, 277}}, {297, {301, 312}}}},
        {140, 157, {382}, {}},
        {141, 104, {329, 328, 278}, {{328, {311, 302, 298}}, {278, {276, 274, 247}}}},
        {104, 100, {245}, {{245, {241, 239}}}},
        {157, 166, {408, 421, 451}, {{408, {412}}, {421, {439, 440}}}},
        {166, 184, {468, 472, 476, 489, 493}, {{493, {495}}}},
        {184, 192, {499}, {}},
        {189, 186, {501}, {}},
        {186, 168, {497, 491, 478, 474, 470}, {}},
        {168, 158, {453, 446, 413}, {{446, {443, 442, 422}}, {413, {409}}}},
    };
    for (const Telling& t : legs) {
        SCOPED_TRACE(std::to_string(t.from) + " -> " + std::to_string(t.to));
        const Leg* leg = table().leg(t.from, t.to);
        ASSERT_NE(leg, nullptr);
        EXPECT_EQ(leg->sections, t.sections);
        EXPECT_EQ(leg->flanks, t.flanks);
        EXPECT_EQ(leg->branch, t.branch);
    }
    // 141 -> 100 goes first by 104, and by 105 when that is not usable.
    const auto& viaPlatforms = table().routes(141, 100);
    ASSERT_EQ(viaPlatforms.size(), 2u);
    EXPECT_EQ(viaPlatforms[0].legs[0], table().leg(141, 104));
    EXPECT_EQ(viaPlatforms[1].legs[0], table().leg(141, 105));
}

// Whether none of the route's legs tests a locked section.
bool testsNoneOf(const Route& route, const std::set<int>& locked) {
    return std::none_of(route.legs.begin(), route.legs.end(), [&](const Leg* leg) {
        return std::any_of(leg->testSet.begin(), leg->testSet.end(),
                           [&](int s) { return locked.contains(s); });
    });
}

TEST(MovementRouteTable, TheRoutesOutOf141By104And105LeaveOverSectionsOfTheirOwn) {
    struct Case {
        int from, to;
        std::size_t by104; // which alternative runs by 104
    };
    for (const Case& c : {Case{141, 100, 0}, Case{141, 101, 1}, Case{158, 100, 0}}) {
        SCOPED_TRACE(std::to_string(c.from) + " -> " + std::to_string(c.to));
        const auto& routes = table().routes(c.from, c.to);
        ASSERT_EQ(routes.size(), 2u);
        const Route& by104 = routes[c.by104];
        const Route& by105 = routes[1 - c.by104];
        // With 329 locked the route by 105 is used instead, and the other way about.
        EXPECT_FALSE(testsNoneOf(by104, {329}));
        EXPECT_TRUE(testsNoneOf(by105, {329}));
        const int firstBy105 = table().leg(141, 105)->sections.front();
        EXPECT_FALSE(testsNoneOf(by105, {firstBy105}));
        EXPECT_TRUE(testsNoneOf(by104, {firstBy105}));
    }
}

TEST(MovementRouteTable, OnlyTheBranchLegsUseTheToken) {
    for (const auto& [pair, leg] : table().legs()) {
        SCOPED_TRACE(std::to_string(pair.first) + " -> " + std::to_string(pair.second));
        const bool takes = pair == Pair{66, 26} || pair == Pair{79, 26};
        const bool gives = pair == Pair{26, 66} || pair == Pair{26, 79};
        EXPECT_EQ(leg.branch, takes   ? BranchAction::take
                              : gives ? BranchAction::giveBack
                                      : BranchAction::none);
    }
    EXPECT_EQ(table().leg(26, 66)->sections.back(), 111);
    EXPECT_EQ(table().leg(26, 79)->sections.back(), 110);
    EXPECT_EQ(table().leg(79, 26)->sections.back(), 64);
}

// The number of slow sections each leg crosses; every leg not named crosses none.
std::map<Pair, int> slowCounts() {
    std::map<Pair, int> out;
    auto add = [&](std::vector<int> froms, std::vector<int> tos, int count) {
        for (int f : froms)
            for (int t : tos) out[{f, t}] = count;
    };
    const auto ug = range(131, 138), dg = range(142, 151);
    add({95, 97, 107, 108}, ug, 1);
    add({96}, {138}, 1);
    add({98}, join({ug, dg}), 1);
    add({104, 105, 109, 110}, {140}, 1);
    add(join({{131, 132}, dg}), {98}, 1);
    add(range(133, 136), {97, 98}, 1);
    add({137, 138, 140}, {102, 103, 104, 105, 109, 110}, 1);
    add({141}, range(102, 105), 1);
    add({153, 154}, {166}, 1);
    add({166}, {154}, 1);
    add({170, 171}, {158}, 1);
    add({172}, {156, 158}, 1);
    add({98}, {140}, 2);
    add({131, 132}, {95, 97, 107, 108}, 2);
    add(range(133, 136), {95, 107, 108}, 2);
    add({137, 138, 139}, {97, 98}, 2);
    add({140, 141}, {98}, 2);
    add({155, 157}, {166, 167}, 2);
    add({168, 169}, {156, 158}, 2);
    add({137}, {95, 107, 108}, 3);
    add({138}, {107, 108}, 3);
    add({155, 157}, {170, 171}, 3);
    add({166}, {184}, 3);
    add({167}, {185}, 3);
    add({186}, {168}, 3);
    add({187}, {169}, 3);
    add({83}, {58}, 5);
    add({57}, {82, 84}, 6);
    add({59}, {84}, 6);
    add({85}, {60}, 6);
    return out;
}

TEST(MovementRouteTable, EveryLegCrossesItsNumberOfSlowSections) {
    const std::map<Pair, int> expected = slowCounts();
    for (const auto& [pair, leg] : table().legs()) {
        SCOPED_TRACE(std::to_string(pair.first) + " -> " + std::to_string(pair.second));
        const auto want = expected.find(pair);
        EXPECT_EQ(std::count_if(leg.sections.begin(), leg.sections.end(), isSlowSection),
                  want == expected.end() ? 0 : want->second);
    }
    // 138 -> 95 has no route, so its count is the only one without a leg.
    for (const auto& [pair, count] : expected) {
        if (pair == Pair{138, 95}) continue;
        EXPECT_NE(table().leg(pair.first, pair.second), nullptr) << pair.first;
    }
}

TEST(MovementRouteTable, LegsAreWellFormed) {
    for (const auto& [pair, leg] : table().legs()) {
        SCOPED_TRACE(std::to_string(pair.first) + " -> " + std::to_string(pair.second));
        EXPECT_GE(leg.sections.size(), 1u);
        EXPECT_LE(leg.sections.size(), 24u);
        const std::set<int> distinct(leg.sections.begin(), leg.sections.end());
        EXPECT_EQ(distinct.size(), leg.sections.size()); // a leg never runs over a section twice
        for (int s : leg.sections)
            EXPECT_NE(std::find(leg.testSet.begin(), leg.testSet.end(), s), leg.testSet.end());
        for (const FlankLock& flank : leg.flanks) {
            EXPECT_TRUE(distinct.contains(flank.source));
            for (int target : flank.targets) {
                EXPECT_FALSE(distinct.contains(target));
                EXPECT_NE(std::find(leg.testSet.begin(), leg.testSet.end(), target), leg.testSet.end());
            }
        }
    }
}

TEST(MovementRouteTable, BadRowsNameTheFileAndLine) {
    const Reachability reach = Reachability::parse("1 X 2-3\n2 X 1\n", "reach.txt");
    auto failure = [&](std::string_view vias, std::string_view noRoute, std::string_view legs) {
        try {
            (void)RouteTable::parse(reach, {vias, "vias.txt", noRoute, "none.txt", legs, "legs.txt"});
        } catch (const DataFileError& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    const std::string goodLegs = "1 2 1 - - 1\n1 3 1,2 - 1>3 1,2,3\n2 1 1 - - 1\n";
    EXPECT_EQ(failure("", "", goodLegs), "no error");
    EXPECT_EQ(failure("", "", "1 2 1 - - 1\n1 3 0 - - 1\n").rfind("legs.txt:2:", 0), 0u);
    EXPECT_EQ(failure("", "", "1 2 1..30 - - 1\n").rfind("legs.txt:1:", 0), 0u);
    EXPECT_EQ(failure("", "", "1 2 1 up - 1\n").rfind("legs.txt:1:", 0), 0u);
    EXPECT_EQ(failure("", "", "1 2 1 - 1>x 1\n").rfind("legs.txt:1:", 0), 0u);
    EXPECT_EQ(failure("", "", "1 2 1 - - 1\n1 2 1 - - 1\n").rfind("legs.txt:2:", 0), 0u);
    EXPECT_EQ(failure("", "# c\n3 1\n", goodLegs).rfind("none.txt:2:", 0), 0u);
    EXPECT_EQ(failure("1 3 2 -\n", "", goodLegs).rfind("vias.txt:1:", 0), 0u); // needs leg 2 -> 3
    EXPECT_EQ(failure("1 4 2 -\n", "", goodLegs).rfind("vias.txt:1:", 0), 0u); // not reachable
    EXPECT_EQ(failure("1 3 2 -\n", "1 3\n", goodLegs).rfind("vias.txt:1:", 0), 0u);
    EXPECT_EQ(failure("", "", "1 2 1 - - 1\n2 1 1 - - 1\n").rfind("legs.txt:0:", 0), 0u); // 1 -> 3 missing
}

} // namespace
} // namespace wm
