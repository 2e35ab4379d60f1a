// A routed move: the first free route of the pair is tested whole, then its legs start in order, each
// with its flank locks and branch action; a pair without a route, or with none free, is refused.

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <map>
#include <set>
#include <sstream>

#include "move_bench.h"
#include "movement/route_move.h"
#include "movement/section_ops.h"
#include "world/berths.h"

namespace wm {
namespace {

const RouteTable& table() {
    return RouteTable::standard();
}

class RouteMove : public MoveBench {
  protected:
    /// A light engine at `from` at the end facing `to`, ordered there.
    void orderLight(LocationId from, LocationId to) {
        const Location& l = state.locations[from];
        const bool singleEngine =
            l.kind == kindShedRoad || l.kind == kindServicePoint || l.kind == kindTurntable;
        const int p = singleEngine ? 1 : to > from ? 3 : 2;
        standEngine(1, from, p);
        move = MoveContext{};
        move.moveFrom = from;
        move.moveTo = to;
        move.placePicked = p;
        move.moveEngine = 1;
        move.moveUp = to > from;
        routeMove(world, from, to);
    }
    void lock(std::initializer_list<int> sections, int ticks = 5) {
        for (int section : sections) state.sectionTimer[section] = ticks;
    }
};

TEST_F(RouteMove, APairWithoutARouteIsNotPossibleAndCostsNothing) {
    orderLight(1, 6);
    EXPECT_EQ(lastMessage(), "notice That isn't possible");
    // In the reachability set, but with no track that joins them in the direction of the move.
    orderLight(68, 97);
    EXPECT_EQ(lastMessage(), "notice That isn't possible");
    EXPECT_EQ(state.score, 0);
    EXPECT_TRUE(lockedSections().empty());
}

TEST_F(RouteMove, AnOccupiedIntermediatePlaceMakesTheRouteNotClearForOnePoint) {
    state.locations[6].occState = occStock;
    state.locations[6].occupant = 1;
    orderLight(2, 20);
    EXPECT_EQ(lastMessage(), "error That route is not clear");
    EXPECT_EQ(state.score, -1);
    EXPECT_TRUE(lockedSections().empty());
    EXPECT_EQ(state.locations[2].busyTicks, 0);
}

TEST_F(RouteMove, ARouteIsTestedWholeSoABlockedLastLegStartsNoLeg) {
    lock({36}); // on the last leg, 8 to 20
    orderLight(2, 20);
    EXPECT_EQ(lastMessage(), "error That route is not clear");
    EXPECT_EQ(lockedSections(), std::vector<int>{36});
    EXPECT_EQ(state.locations[2].busyTicks, 0);
    EXPECT_EQ(state.locations[6].busyTicks, 0);
}

TEST_F(RouteMove, EachLegStartsWhenTheTrainReachesItsStartAndItsFlanksFollowItsSections) {
    orderLight(2, 20); // 2-6: 2, 5, 9 + 9>8; 6-8: 10..21; 8-20: 31, 33, 34, 36 + 34>35
    EXPECT_TRUE(host.messages().empty()) << lastMessage();
    EXPECT_EQ(state.sectionTimer[2], 1);
    EXPECT_EQ(state.sectionTimer[9], 3);
    EXPECT_EQ(state.sectionTimer[8], 3);
    EXPECT_EQ(state.sectionTimer[10], 4);
    EXPECT_EQ(state.sectionTimer[21], 15);
    EXPECT_EQ(state.sectionTimer[31], 16);
    EXPECT_EQ(state.sectionTimer[36], 19);
    EXPECT_EQ(state.sectionTimer[35], state.sectionTimer[34]);
    // An intermediate place is passed once the next leg has started from it.
    EXPECT_EQ(state.locations[6].busyTicks, 3 + 1);
    EXPECT_EQ(state.locations[8].busyTicks, 15 + 1);
    EXPECT_EQ(state.locations[20].busyTicks, 19);
    // A second order over the same track waits for it.
    orderLight(3, 20);
    EXPECT_EQ(lastMessage(), "error That route is not clear");
}

TEST_F(RouteMove, TheBranchTokenIsTakenOntoTheBranchAndFreeTwoTicksAfterTheReturnClears) {
    state.branchTimer = 30; // out with a train on the branch
    orderLight(66, 26);
    EXPECT_EQ(lastMessage(), "error That route is not clear");
    EXPECT_EQ(state.branchTimer, 30);
    EXPECT_TRUE(lockedSections().empty());

    // The train comes back off the branch: 26 to 66 over 64 and 111 gives the token back.
    clearLocation(state, 66);
    orderLight(26, 66);
    EXPECT_EQ(state.branchTimer, state.sectionTimer[111] + 2);
    int ticks = 0;
    while (state.sectionTimer[111] > 0 && ticks < 100) tick(), ++ticks;
    EXPECT_FALSE(branchFree(state));
    tick();
    EXPECT_FALSE(branchFree(state));
    tick();
    EXPECT_TRUE(branchFree(state));

    for (int i = 0; i < 20; ++i) tick();
    clearLocation(state, 26);
    clearLocation(state, 66);
    orderLight(66, 26);
    EXPECT_TRUE(lockedSections().size() >= 2u) << lastMessage();
    EXPECT_EQ(state.branchTimer, branchHeldTicks + state.sectionTimer[64]);
    EXPECT_EQ(state.score, -1); // only the first order
}

TEST_F(RouteMove, WhenTheFirstRouteIsBlockedTheAlternativeIsUsed) {
    lock({329});
    orderLight(141, 100);
    EXPECT_TRUE(host.messages().empty()) << lastMessage();
    EXPECT_GT(state.locations[105].busyTicks, 0);
    EXPECT_EQ(state.locations[104].busyTicks, 0);
    EXPECT_GT(state.sectionTimer[241], 0); // 105 to 100
    EXPECT_EQ(state.sectionTimer[328], 0); // 141 to 104
    EXPECT_EQ(state.sectionTimer[245], 0); // 104 to 100
}

// Every route entry, one at a time on an empty layout with a light engine at its from-location.
struct Walk {
    std::map<int, int> timers; // what each locked section's timer should be
    std::vector<LocationId> places;
    bool takesToken = false;
    int token = 0; // the token's timer once the route has started
};

Walk expectedWalk(const Route& route) {
    Walk walk;
    int reached = 0; // the first leg starts at once; each later one when the engine reaches its start
    walk.places.push_back(route.legs.front()->from);
    for (const Leg* leg : route.legs) {
        int t = reached;
        for (int section : leg->sections) {
            t += sectionCost(section, 2); // a light engine runs in band 2
            walk.timers[section] = std::max(t, 1);
        }
        for (const FlankLock& flank : leg->flanks)
            for (int target : flank.targets) walk.timers[target] = walk.timers[flank.source];
        reached = t;
        walk.places.push_back(leg->to);
        if (leg->branch == BranchAction::take) {
            walk.takesToken = true;
            walk.token = branchHeldTicks + walk.timers[leg->sections.back()];
        } else if (leg->branch == BranchAction::giveBack) {
            walk.token = 2 + walk.timers[leg->sections.back()];
        }
    }
    return walk;
}

class EveryRoute : public RouteMove {
  protected:
    void SetUp() override {
        RouteMove::SetUp();
        pristine = std::make_unique<GameState>(state);
    }
    /// The empty layout again; the messages shown from here on are the order's.
    void fresh() {
        state = *pristine;
        seen = host.messages().size();
    }
    /// A refusal shown since the layout was made afresh.
    std::string refusal() const {
        for (std::size_t i = seen; i < host.messages().size(); ++i) {
            const std::string& m = host.messages()[i];
            if (m.find("isn't possible") != std::string::npos || m.find("not clear") != std::string::npos)
                return m;
        }
        return "";
    }
    /// Ticks until every section and place is at rest, and the token too unless it is held; the ticks
    /// taken, or -1 when that takes longer than any move can.
    int runToRest(bool tokenHeld) {
        for (int ticks = 0; ticks < 1000; ++ticks) {
            const bool sectionsAtRest = std::all_of(state.sectionTimer.begin(), state.sectionTimer.end(),
                                                    [](int timer) { return timer == 0; });
            const bool placesAtRest = std::all_of(state.locations.begin(), state.locations.end(),
                                                  [](const Location& l) { return l.busyTicks == 0; });
            if (sectionsAtRest && placesAtRest && (tokenHeld || branchFree(state))) return ticks;
            tick();
        }
        return -1;
    }
    std::unique_ptr<GameState> pristine;
    std::size_t seen = 0;
};

TEST_F(EveryRoute, EachStartsLocksExactlyItsSectionsForItsWalkAndComesToRest) {
    int entries = 0;
    std::ostringstream faults;
    for (const auto& [pair, routes] : table().entries()) {
        if (routes.empty()) continue;
        ++entries;
        const auto [from, to] = pair;
        const std::string name = std::to_string(from) + " -> " + std::to_string(to);
        fresh();
        orderLight(from, to);
        if (const std::string refused = refusal(); !refused.empty()) {
            faults << name << ": " << refused << "\n";
            continue;
        }
        const Walk walk = expectedWalk(routes.front());
        std::map<int, int> locked;
        for (int section : lockedSections()) locked[section] = state.sectionTimer[section];
        if (locked != walk.timers) faults << name << ": sections locked other than its walk\n";
        if (state.branchTimer != walk.token) faults << name << ": the token\n";
        const int tokenTicks = state.branchTimer;
        const int ticks = runToRest(walk.takesToken);
        if (ticks < 0) {
            faults << name << ": never came to rest\n";
            continue;
        }
        for (LocationId place : walk.places)
            if (state.locations[place].busyTicks != 0 || state.locations[incomingBerth(place)].busyTicks != 0)
                faults << name << ": place " << place << " still busy\n";
        // A train on the branch keeps its token until one comes back.
        const int tokenLeft = walk.takesToken ? tokenTicks - ticks : 0;
        if (state.branchTimer != tokenLeft) faults << name << ": token timer " << state.branchTimer << "\n";
    }
    EXPECT_EQ(entries, 1108);
    EXPECT_EQ(faults.str(), "");
}

// Every route brings its engine to the to-location: the engine's own record and its place there.
TEST_F(EveryRoute, EachBringsItsEngineToTheToLocation) {
    std::ostringstream faults;
    for (const auto& [pair, routes] : table().entries()) {
        if (routes.empty()) continue;
        const auto [from, to] = pair;
        fresh();
        orderLight(from, to);
        const std::string name = std::to_string(from) + " -> " + std::to_string(to);
        if (runToRest(true) < 0) faults << name << ": never came to rest\n";
        const Location& end = state.locations[to];
        const auto& places = end.locoAt;
        const bool standsThere = std::find(places.begin() + 1, places.end(), 1) != places.end();
        if (end.kind == kindExitPoint) {
            if (standsThere || state.locos[1].where != 0) faults << name << ": not gone off the layout\n";
        } else if (!standsThere || state.locos[1].where != to) {
            faults << name << ": engine at " << state.locos[1].where << "\n";
        }
        for (LocationId place = 1; place <= placeCount; ++place) {
            if (place == to) continue;
            const auto& others = state.locations[place].locoAt;
            if (std::find(others.begin() + 1, others.end(), 1) != others.end())
                faults << name << ": engine left at " << place << "\n";
        }
    }
    EXPECT_EQ(faults.str(), "");
}

// Two routes that share a section never run at once: while one holds its sections the other is refused,
// also when only a flank lock of either touches the other, since starting it would shorten a lock.
TEST(EveryRoutePair, ARouteSharingASectionWithOneThatHoldsItIsNotUsable) {
    struct Locks {
        const Route* route;
        std::string name;
        std::bitset<sectionCount + 1> holds; // its legs' sections and flank targets
    };
    std::vector<Locks> all;
    for (const auto& [pair, routes] : table().entries())
        for (const Route& route : routes) {
            Locks locks{&route, std::to_string(pair.first) + " -> " + std::to_string(pair.second), {}};
            for (const Leg* leg : route.legs) {
                for (int section : leg->sections) locks.holds.set(section);
                for (const FlankLock& flank : leg->flanks)
                    for (int target : flank.targets) locks.holds.set(target);
            }
            all.push_back(std::move(locks));
        }
    auto state = std::make_unique<GameState>();
    buildLocationTable(*state);
    int pairs = 0;
    std::vector<std::string> faults;
    for (const Locks& first : all) {
        for (int section = 1; section <= sectionCount; ++section)
            state->sectionTimer[section] = first.holds.test(section) ? 1 : 0;
        for (const Locks& second : all) {
            if ((first.holds & second.holds).none()) continue;
            ++pairs;
            if (routeUsable(*state, *second.route) && faults.size() < 20)
                faults.push_back(second.name + " while " + first.name + " holds its sections");
        }
    }
    EXPECT_GT(pairs, 50000);
    std::string listed;
    for (const std::string& fault : faults) listed += fault + "\n";
    EXPECT_EQ(listed, "");
}

} // namespace
} // namespace wm
