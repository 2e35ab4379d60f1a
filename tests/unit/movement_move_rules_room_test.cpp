// What a train moved with its engine needs at the place it goes to: something it may couple onto or a clear
// road, engine places free at each end, platform 6 whole for a long train; and the rake taken as its
// departure, split off when the move starts.

#include "move_rules_bench.h"
#include "movement/rake_as_departure.h"
#include "movement/route_move.h"
#include "movement/route_table.h"
#include "world/berths.h"

namespace wm {
namespace {

using B = RulesBench;

/// A passenger departure of the station due in 3 in platform 99, to be taken down to 98 where another
/// stands; with another engine in front of its own when `engineAhead`.
void joinInPlatform(B& b, int standingType, bool engineAhead = false) {
    b.departure(98, 15, 4, standingType, 10);
    b.departure(99, 15, 4, 4, 3);
    if (engineAhead) b.engine(99, 2);
}

TEST(MoveRules, ATrainCouplesOntoWhatStandsWhereItGoesWithinTwelvePortions) {
    judgeAll({
        rule("a rake onto a rake", go(9, 8, 2), accepted(shunt, CoupleTo::rake),
             [](B& b) {
                 b.rake(8, 6);
                 b.rake(9, 6);
             }),
        rule("not to thirteen portions", go(9, 8, 2),
             refused("error Creating train of more than 12 portions"),
             [](B& b) {
                 b.rake(8, 6);
                 b.rake(9, 7);
             }),
        rule("an arrival onto a rake in its own group", go(92, 98, 3), accepted(noFlags, CoupleTo::rake),
             [](B& b) {
                 b.rake(98, 2);
                 b.arrival(92, 15, 4, 4, 10);
             }),
        rule("an arrival of another group does not", go(92, 93, 3), notClear(),
             [](B& b) {
                 b.rake(93, 2);
                 b.arrival(92, 12, 5, 9);
             }),
        rule("nor onto a rake that has a second train beside it", go(9, 8, 2), notClear(),
             [](B& b) {
                 b.rake(8, 2);
                 b.rake(8, 1, 0, true);
                 b.rake(9, 2);
             }),
        rule("a rake taken as its departure onto the rest of it", go(98, 91, 2),
             accepted(shunt, CoupleTo::restOfDeparture, 1),
             [](B& b) {
                 const DepartureIndex d = b.booked(15, 4, 9, 3, departureBuilt);
                 b.forms(b.rake(98, 1), 1, 1, d);
                 b.forms(b.rake(91, 1), 1, 1, d);
             }),
        rule("its coupled part counts, not what it leaves behind", go(98, 91, 2),
             accepted(shunt, CoupleTo::restOfDeparture, 1),
             [](B& b) {
                 const DepartureIndex d = b.booked(15, 4, 9, 3, departureBuilt);
                 b.forms(b.rake(98, 12, 3), 1, 3, d);
                 b.forms(b.rake(91, 8), 1, 8, d);
             }),
        rule("or onto another rake", go(98, 91, 2), accepted(shunt, CoupleTo::rake, 1),
             [](B& b) {
                 b.forms(b.rake(98, 1), 1, 1, b.booked(15, 4, 9, 3, departureBuilt));
                 b.rake(91, 1);
             }),
        rule("a passenger train onto another in a platform", go(99, 98, 2),
             accepted(noFlags, CoupleTo::departure), [](B& b) { joinInPlatform(b, 4); }),
        rule("only onto an ordinary passenger train", go(99, 98, 2), notClear(),
             [](B& b) { joinInPlatform(b, 3); }),
        rule("never in platform 6", go(99, 100, 3), notClear(),
             [](B& b) {
                 b.departure(100, 15, 19, 4, 10);
                 b.departure(99, 15, 19, 4, 3);
             }),
        rule("an arrival that goes forward as a passenger train onto one in its platform", go(92, 98, 3),
             accepted(noFlags, CoupleTo::departure),
             [](B& b) {
                 b.departure(98, 15, 4, 4, 10);
                 const ArrivalIndex a = b.arrival(92, 15, 4, 4);
                 b.forms(b.s().arrivals[a].firstPortion, 1, 1, b.booked(15, 4, 4, 20));
             }),
        rule("not when what it forms is another kind of train", go(92, 98, 3), notClear(),
             [](B& b) {
                 b.departure(98, 15, 4, 4, 10);
                 const ArrivalIndex a = b.arrival(92, 15, 4, 4);
                 b.forms(b.s().arrivals[a].firstPortion, 1, 1, b.booked(15, 4, 5, 20));
             }),
        rule("a freight onto traffic", go(98, 94, 2), accepted(shunt, CoupleTo::traffic),
             [](B& b) {
                 b.traffic(94);
                 b.departure(98, 15, 4, 9, 3);
             }),
        rule("a light engine does not pick up traffic", go(98, 94, 2), notClear(),
             [](B& b) {
                 b.traffic(94);
                 b.departure(98, 15, 4, 8, 3);
             }),
        rule("its own traffic it takes past an engine at the end it enters", go(98, 94, 2),
             accepted(shunt, CoupleTo::traffic),
             [](B& b) {
                 b.traffic(94, 0, 1);
                 b.engine(94, 3);
                 b.departure(98, 15, 4, 9, 3);
             }),
        rule("other traffic it does not", go(98, 94, 2), notClear(),
             [](B& b) {
                 b.traffic(94, 0, 2);
                 b.engine(94, 3);
                 b.departure(98, 15, 4, 9, 3);
                 b.booked(15, 4, 9, 30);
             }),
        rule("an engine ahead of ours in the place it leaves", go(9, 8, 1), notClear(),
             [](B& b) {
                 b.rake(8, 2);
                 b.rake(9, 2);
                 b.engine(9, 2);
             }),
        rule("our own second engine there", go(9, 8, 1, paired), accepted(shunt, CoupleTo::rake),
             [](B& b) {
                 b.rake(8, 2);
                 b.rake(9, 2);
             }),
        rule("joining a train in a platform, whatever stands ahead", go(99, 98, 1),
             accepted(noFlags, CoupleTo::departure), [](B& b) { joinInPlatform(b, 4, true); }),
    });
}

/// A freight departure of the station at PL3, to be taken down to `to`, which holds `standing` engines.
void intoEngines(B& b, LocationId to, std::initializer_list<int> standing) {
    b.departure(98, 15, 4, 9, 3);
    for (int k : standing) b.engine(to, k);
}

TEST(MoveRules, ATrainNeedsTheRoadItEntersClearAndRoomForItsEngine) {
    judgeAll({
        rule("an engine beyond the far end is passed by", go(98, 97, 2), accepted(),
             [](B& b) { intoEngines(b, 97, {1}); }),
        rule("two there leave no room", go(98, 97, 2), notClear(),
             [](B& b) {
                 intoEngines(b, 97, {1, 2});
             }),
        rule("one there leaves no room for two", go(98, 97, 2, paired), notClear(),
             [](B& b) { intoEngines(b, 97, {2}); }),
        rule("an engine at the end it enters", go(98, 97, 2), notClear(),
             [](B& b) { intoEngines(b, 97, {4}); }),
        rule("an engine on a running-line section", go(98, 83, 2), notClear(),
             [](B& b) { intoEngines(b, 83, {1}); }),
        rule("pushed, an engine ahead of it in the place it leaves", go(98, 97, 3), notClear(),
             [](B& b) {
                 b.departure(98, 15, 4, 4, 3);
                 b.engine(98, 1);
             }),
        rule("a train there", go(98, 97, 2), notClear(),
             [](B& b) {
                 b.arrival(97, 15, 4, 9);
                 intoEngines(b, 97, {});
             }),
        rule("work going on there", go(98, 97, 2), refused("error Please wait until work is completed"),
             [](B& b) {
                 b.at(97).occState = occWorkInProgress;
                 b.at(97).occupant = 1;
                 intoEngines(b, 97, {});
             }),
        rule("an exit point something is coming into", go(157, 192, 3), notClear(),
             [](B& b) {
                 b.departure(157, 15, 19, 9, 3, 1, departureOnWayOut);
                 b.at(192).occState = occComingIn;
             }),
        rule("a clear exit point", go(157, 192, 3), accepted(),
             [](B& b) { b.departure(157, 15, 19, 9, 3, 1, departureOnWayOut); }),
    });
}

TEST(MoveRules, PlatformSixIsOneRoadForALongTrain) {
    judgeAll({
        rule("a long train joining stock in the north half needs the south half", go(99, 100, 3),
             refused("error All of platform 6 needed for long train"),
             [](B& b) {
                 b.rake(100, 2);
                 b.engine(104, 1);
                 b.arrival(99, 15, 4, 0);
             }),
        rule("and has it", go(99, 100, 3), accepted(noFlags, CoupleTo::rake),
             [](B& b) {
                 b.rake(100, 2);
                 b.arrival(99, 15, 4, 0);
             }),
        rule("an ordinary train needs only its half", go(99, 100, 3), accepted(noFlags, CoupleTo::rake),
             [](B& b) {
                 b.rake(100, 2);
                 b.engine(104, 1);
                 b.arrival(99, 15, 4, 4);
             }),
        rule("a long train joining stock in the south half going down", go(105, 104, 2),
             refused("error All of platform 6 needed for long train"),
             [](B& b) {
                 b.rake(104, 2);
                 b.rake(100, 1);
                 b.arrival(105, 15, 20, 2);
             }),
        rule("across to the south half while a long train is in the north", go(103, 104, 3),
             refused("error Crossover blocked by long train in P6"),
             [](B& b) {
                 b.departure(100, 15, 4, 0, 30);
                 b.rake(104, 2);
                 b.rake(103, 2);
             }),
        rule("across to the north half while one is in the south", go(101, 100, 2),
             refused("error Crossover blocked by long train in P6"),
             [](B& b) {
                 b.departure(104, 15, 4, 3, 30);
                 b.rake(100, 2);
                 b.rake(101, 2);
             }),
        rule("out of the north half upwards", go(100, 101, 3),
             refused("error Crossover blocked by long train in P6"),
             [](B& b) {
                 b.departure(104, 15, 4, 3, 30);
                 b.rake(101, 2);
                 b.rake(100, 2);
             }),
        rule("out of the south half downwards", go(104, 103, 2),
             refused("error Crossover blocked by long train in P6"),
             [](B& b) {
                 b.departure(100, 15, 4, 2, 30);
                 b.rake(103, 2);
                 b.rake(104, 2);
             }),
        rule("with an ordinary train there the crossovers are free", go(103, 104, 3),
             accepted(shunt, CoupleTo::rake),
             [](B& b) {
                 b.departure(100, 15, 4, 4, 30);
                 b.rake(104, 2);
                 b.rake(103, 2);
             }),
    });
}

/// A rake of five at PL3 standing coupled but for the link after its `cutAfter`th portion, whose portions
/// `first`..`last` form a passenger departure that leaves in 3 minutes, down or up as `line` says.
class RakeSplit : public ::testing::Test {
  protected:
    void standRake(int cutAfter, int first, int last, int line) {
        head = b.rake(place, 5, cutAfter);
        d = b.booked(15, line, 4, 3, departureBuilt);
        b.forms(head, first, last, d);
    }
    PortionIndex p(int n) { return b.nth(head, n); }
    Portion& portion(int n) { return b.s().portions[p(n)]; }
    Location& at() { return b.at(place); }
    void split(bool up) {
        b.move() = MoveContext{};
        b.move().moveFrom = place;
        b.move().moveUp = up;
        b.move().rakeGoesAs = d;
        splitRakeAsDeparture(b.s(), b.move());
    }

    static constexpr LocationId place = 98;
    RulesBench b;
    PortionIndex head = 0;
    DepartureIndex d = 0;
};

TEST_F(RakeSplit, GoingDownTheLowEndGoesAndTheRestStandsBesideIt) {
    standRake(2, 1, 2, 4);
    const PortionIndex rest = p(3);
    split(false);
    EXPECT_EQ(at().occState, occDeparture);
    EXPECT_EQ(at().occupant, d);
    EXPECT_EQ(at().occState2, occStock);
    EXPECT_EQ(at().occupant2, rest);
    EXPECT_EQ(b.s().departures[d].location, place);
    EXPECT_EQ(rakeLength(b.s(), head), 2);
    EXPECT_EQ(portion(2).coupledToNext, 0);
    EXPECT_EQ(b.s().portions[at().occupant2].prev, 0);
    EXPECT_EQ(rakeLength(b.s(), at().occupant2), 3);
}

TEST_F(RakeSplit, GoingUpTheHighEndGoesAndTheRestStaysWhereItWas) {
    standRake(3, 4, 5, 19);
    const PortionIndex leading = p(4);
    split(true);
    EXPECT_EQ(at().occState, occStock);
    EXPECT_EQ(at().occupant, head);
    EXPECT_EQ(at().occState2, occDeparture);
    EXPECT_EQ(at().occupant2, d);
    EXPECT_EQ(rakeLength(b.s(), head), 3);
    EXPECT_EQ(b.s().portions[leading].prev, 0);
    EXPECT_EQ(rakeLength(b.s(), leading), 2);
}

TEST_F(RakeSplit, AWholeRakeGoesAndLeavesNothingBeside) {
    head = b.rake(place, 3);
    d = b.booked(15, 4, 4, 3, departureBuilt);
    b.forms(head, 1, 3, d);
    b.at(place).occupant2 = 7; // a stale reference with no state: the place becomes the departure's alone
    split(false);
    EXPECT_EQ(at().occState, occDeparture);
    EXPECT_EQ(at().occupant, d);
    EXPECT_EQ(at().occState2, occEmpty);
    EXPECT_EQ(at().occupant2, 0);
    EXPECT_EQ(rakeLength(b.s(), head), 3);
}

TEST_F(RakeSplit, NothingHappensWithoutARakeTakenAsADeparture) {
    standRake(2, 1, 2, 4);
    const std::string before = b.dump();
    d = 0;
    split(false);
    RulesBench::expectSameText(before, b.dump());
    b.at(place).occState = occArrival;
    d = 1;
    const std::string arrivalThere = b.dump();
    split(false);
    RulesBench::expectSameText(arrivalThere, b.dump());
}

class RakeSplitOnRoute : public RakeSplit {
  protected:
    /// The move judged and routed as the command interpreter does it.
    void routeTo(LocationId to, int enginePlace) {
        b.order(place, to, enginePlace);
        MoveWorld w = b.world();
        ASSERT_TRUE(validateMove(w, place, to)) << b.host.messages().back();
        ASSERT_EQ(b.move().rakeGoesAs, d);
        beforeRoute = b.dump();
        routeMove(w, place, to);
    }
    std::string beforeRoute;
    const Location& stays() { return b.at(incomingBerth(place)); }
    const Location& arrivingAt(LocationId to) {
        const Route& route = RouteTable::standard().routes(place, to).front();
        return b.at(incomingBerth(route.legs.front()->to));
    }
};

TEST_F(RakeSplitOnRoute, GoingDownTheDepartureLeavesTheRestBehind) {
    standRake(2, 1, 2, 4);
    const PortionIndex rest = p(3);
    routeTo(83, 2);
    EXPECT_TRUE(b.host.messages().empty()) << b.host.messages().back();
    EXPECT_EQ(arrivingAt(83).occState, occDeparture);
    EXPECT_EQ(arrivingAt(83).occupant, d);
    EXPECT_EQ(stays().occState, occStock);
    EXPECT_EQ(stays().occupant, rest);
    EXPECT_EQ(stays().occState2, occEmpty);
    EXPECT_EQ(rakeLength(b.s(), head), 2);
}

TEST_F(RakeSplitOnRoute, GoingUpTheDepartureLeavesTheRestBehind) {
    standRake(3, 4, 5, 19);
    routeTo(138, 3);
    EXPECT_TRUE(b.host.messages().empty()) << b.host.messages().back();
    EXPECT_EQ(arrivingAt(138).occState, occDeparture);
    EXPECT_EQ(arrivingAt(138).occupant, d);
    EXPECT_EQ(stays().occState, occStock);
    EXPECT_EQ(stays().occupant, head);
    EXPECT_EQ(stays().occState2, occEmpty);
    EXPECT_EQ(rakeLength(b.s(), head), 3);
}

TEST_F(RakeSplitOnRoute, ARouteNotFreeLeavesTheRakeAsItWas) {
    standRake(2, 1, 2, 4);
    for (const Route& route : RouteTable::standard().routes(place, 83))
        b.s().sectionTimer[route.legs.front()->sections.front()] = 5;
    routeTo(83, 2);
    EXPECT_EQ(b.host.messages().back(), "error That route is not clear");
    b.s().score += 1;
    RulesBench::expectSameText(beforeRoute, b.dump());
}

} // namespace
} // namespace wm
