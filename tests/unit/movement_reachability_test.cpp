#include "movement/reachability.h"
#include "world/data_file.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace wm {
namespace {

TEST(MovementReachability, StandardSetHasItsFullCountOfPairsAndFromLocations) {
    const Reachability& set = Reachability::standard();
    EXPECT_EQ(set.pairCount(), 1136);
    EXPECT_EQ(set.fromCount(), 162);
    std::set<int> froms;
    for (const auto& [from, to] : set.pairs()) {
        froms.insert(from);
        EXPECT_GE(from, 1);
        EXPECT_LE(from, 194);
        EXPECT_GE(to, 1);
        EXPECT_LE(to, 194);
        EXPECT_NE(from, to) << from;
    }
    EXPECT_EQ(froms.size(), 162u);
}

TEST(MovementReachability, AnswersSingleCommandsAsTheLayoutAllows) {
    EXPECT_TRUE(canReach(1, 3));
    EXPECT_FALSE(canReach(1, 6)); // only the three main roads from the head shunt
    EXPECT_TRUE(canReach(2, 20));
    EXPECT_TRUE(canReach(26, 79));
    EXPECT_TRUE(canReach(66, 26));
    EXPECT_TRUE(canReach(141, 100));
    EXPECT_TRUE(canReach(68, 97));
    EXPECT_TRUE(canReach(138, 95));
    EXPECT_FALSE(canReach(3, 1 + 200)); // a second berth is never named
    EXPECT_FALSE(canReach(97, 53));     // an entry point is never a to-location
    EXPECT_FALSE(canReach(195, 1));     // fillers reach nothing
}

TEST(MovementReachability, IdsOutsideTheSetAreNeverReachable) {
    EXPECT_FALSE(canReach(-1, 3));
    EXPECT_FALSE(canReach(1, -3));
    EXPECT_FALSE(canReach(1, 208));
    EXPECT_FALSE(canReach(208, 1));
    EXPECT_FALSE(canReach(100000, 1));
}

TEST(MovementReachability, RangesExpandOnBothSides) {
    const Reachability set = Reachability::parse("2-4  Common  1 20-21\n", "test.txt");
    EXPECT_EQ(set.pairCount(), 9);
    EXPECT_EQ(set.fromCount(), 3);
    EXPECT_TRUE(set.canReach(3, 21));
    EXPECT_FALSE(set.canReach(3, 22));
    EXPECT_FALSE(set.canReach(5, 1));
}

TEST(MovementReachability, BadRowsNameTheFileAndLine) {
    auto failure = [](std::string_view text) {
        try {
            (void)Reachability::parse(text, "reach.txt");
        } catch (const DataFileError& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(failure("# c\n1 Common 208\n").rfind("reach.txt:2:", 0), 0u) << failure("1 Common 208\n");
    EXPECT_EQ(failure("1 Common 4-2\n").rfind("reach.txt:1:", 0), 0u);
    EXPECT_EQ(failure("1 Common x\n").rfind("reach.txt:1:", 0), 0u);
    EXPECT_EQ(failure("1 Common\n").rfind("reach.txt:1:", 0), 0u);
    EXPECT_EQ(failure("1 Common 2\n1-2 Common 3\n").rfind("reach.txt:2:", 0), 0u);
    EXPECT_EQ(failure("1 Common 2 2\n").rfind("reach.txt:1:", 0), 0u);
}

} // namespace
} // namespace wm
