// An engine running light out of the area, or to an exit, is offered to a watched light-engine departure;
// one that goes off the layout without a train costs points.

#include "movement_fixture.h"

#include "movement/leaving_area.h"

namespace wm {
namespace {

class LightEngineOffer : public MoveFixture {
  protected:
    DepartureIndex watched(int line, int group, int time) {
        const DepartureIndex d = addDeparture(line, group, time, 8);
        ++s().watchCount;
        s().watchList[s().watchCount] = {d, time};
        return d;
    }
    /// A light engine from PL3 down to GND, which leaves the area for the Drennan line.
    void lightOutOfTheArea() {
        putEngine(98, 2, 1);
        order(98, 79, 2, 1, false);
        leg(98, 79, {215, 200});
    }
    void lightToTheExit(LocoIndex engine = 1) {
        putEngine(187, 3, engine);
        order(187, 190, 3, engine, false);
        leg(187, 190, {500, 501});
    }
};

TEST_F(LightEngineOffer, ADepartureNeedingAPilotOfferedOneEngineCostsAPointAndIsNotAssigned) {
    const DepartureIndex d = watched(9, 15, 605);
    s().departures[d].loco2 = 7;
    s().locos[1].lateAllowance = 4;
    lightOutOfTheArea();
    ASSERT_EQ(services.questions.size(), 1u);
    EXPECT_EQ(services.questions[0], "Do you want to send 44001 on 10.05 Stourwick?");
    EXPECT_EQ(s().score, -1);
    ASSERT_FALSE(host.messages().empty());
    EXPECT_EQ(host.messages().back(), "error You lose 1 point for failing to provide pilot when required");
    EXPECT_EQ(s().departures[d].loco, 0);
    EXPECT_EQ(s().departures[d].state, departureBuilt);
    EXPECT_EQ(s().locos[1].lateAllowance, 999);
    EXPECT_EQ(at(79).occState, occEngineComingIn);

    // With a second engine it goes, and both go as the departure.
    ASSERT_TRUE(runUntilAtRest());
    putEngine(98, 1, 2);
    putEngine(98, 2, 3);
    order(98, 79, 2, 3, false);
    move.secondEngine = 2;
    leg(98, 79, {215, 200});
    EXPECT_EQ(s().departures[d].loco, 3);
    EXPECT_EQ(s().departures[d].loco2, 2);
    EXPECT_EQ(s().departures[d].state, departureOnWayOut);
    EXPECT_EQ(berthOf(79).occState, occDeparture);
    EXPECT_EQ(at(79).occState, occComingIn);
}

TEST_F(LightEngineOffer, AnEngineSentPromptlyToTheExitGoesAsTheDepartureAndLeavesWithIt) {
    const DepartureIndex d = watched(21, 15, 600);
    lightToTheExit();
    EXPECT_EQ(s().score, 2);
    EXPECT_EQ(host.messages().back(),
              "bonus You gain 2 points for prompt despatch of light engine on 10.00 Stourwick");
    EXPECT_EQ(s().departures[d].loco, 1);
    EXPECT_EQ(berthOf(190).occupant, d);
    ASSERT_TRUE(runUntilAtRest());
    EXPECT_EQ(s().departures[d].state, departureGone);
    EXPECT_EQ(s().locos[1].where, whereLeftWithDeparture + d);
}

TEST_F(LightEngineOffer, ALateDespatchEarnsNothingUnlessTheEnginesOwnTrainMadeItLate) {
    s().clock = 612;
    for (int allowance : {5, 11}) {
        SCOPED_TRACE(allowance);
        const int before = s().score;
        const DepartureIndex d = watched(21, 15, 600);
        s().locos[1].lateAllowance = allowance;
        lightToTheExit();
        EXPECT_EQ(s().departures[d].loco, 1);
        EXPECT_EQ(s().score - before, allowance == 11 ? 2 : 0); // 612 - 600 - 11 - 1 < 1
        ASSERT_TRUE(runUntilAtRest());
    }
}

TEST_F(LightEngineOffer, RefusedAtTheExitTheEngineGoesOffTheLayoutAndTheUnserviceableOneCostsMore) {
    watched(21, 15, 600);
    services.answers = {false};
    s().locos[1].condition = conditionNeedsServicing;
    lightToTheExit();
    EXPECT_EQ(s().score, -16);
    ASSERT_GE(host.messages().size(), 2u);
    EXPECT_EQ(host.messages()[host.messages().size() - 2],
              "error You lose 15 points for despatching unserviceable loco.");
    EXPECT_EQ(host.messages().back(), "error You lose 1 point for sending unscheduled light engine");
    EXPECT_EQ(s().locos[1].where, 0);
    ASSERT_TRUE(runUntilAtRest());
    EXPECT_EQ(at(190).locoAt[3], 0);
    EXPECT_TRUE(layoutConsistent());
}

TEST_F(LightEngineOffer, TheFirstDepartureOfTheWatchListThatFitsIsOffered) {
    const DepartureIndex gone = watched(9, 15, 600);
    s().departures[gone].state = departureOnWayOut;
    watched(9, 15, 611);  // not due within ten minutes
    watched(20, 15, 600); // runs up
    watched(2, 23, 600);  // another route
    const DepartureIndex fits = watched(11, 15, 590);
    watched(9, 15, 600);
    services.answers = {false};
    lightOutOfTheArea();
    ASSERT_EQ(services.questions.size(), 1u);
    EXPECT_EQ(services.questions[0], "Do you want to send 44001 on " + std::string(" 9.50") + " Stourwick?");
    EXPECT_EQ(s().departures[fits].loco, 0);
    EXPECT_EQ(s().score, 0);

    // Within the area nothing is offered.
    services.questions.clear();
    putEngine(108, 2, 3);
    order(108, 98, 2, 3, false);
    leg(108, 98, {240});
    EXPECT_TRUE(services.questions.empty());
}

TEST_F(LightEngineOffer, AnExitOffersOnlyTheDeparturesThatLeaveByItInGoodTime) {
    watched(22, 15, 600); // leaves by RUS
    watched(21, 15, 625); // more than its approach time and ten minutes away
    const DepartureIndex gone = watched(21, 15, 600);
    s().departures[gone].state = departureGone;
    lightToTheExit();
    EXPECT_TRUE(services.questions.empty());
}

TEST(LeavingArea, MovesOntoTheBranchOutToTheWorksAndOffTheEdgesLeaveTheArea) {
    auto state = std::make_unique<GameState>();
    buildLocationTable(*state);
    struct Pair {
        LocationId from, to;
        bool leaves;
    };
    for (const Pair& p :
         {Pair{25, 26, true}, Pair{26, 16, true}, Pair{26, 64, false}, Pair{66, 94, true}, Pair{98, 79, true},
          Pair{91, 79, false}, Pair{83, 58, true}, Pair{82, 58, false}, Pair{62, 56, true},
          Pair{157, 166, true}, Pair{156, 166, false}, Pair{140, 152, true}, Pair{98, 131, false}})
        EXPECT_EQ(leavesArea(*state, p.from, p.to), p.leaves) << p.from << " -> " << p.to;
    EXPECT_TRUE(routeCodesMatch(16, 4));
    EXPECT_FALSE(routeCodesMatch(4, 16)) << "not symmetric";
    EXPECT_TRUE(routeCodesMatch(22, 21));
    EXPECT_FALSE(routeCodesMatch(15, 0));
}

} // namespace
} // namespace wm
