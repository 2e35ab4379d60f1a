// Where the engines of a leg come to rest, by the kind of place the leg ends at.

#include "movement_fixture.h"

#include "movement/engine_rest.h"

namespace wm {
namespace {

class EngineRest : public MoveFixture {
  protected:
    /// A light engine (and a second one) from UY5 up into UG6.
    void lightIntoUG6(bool withSecond) {
        clearLocation(s(), 121);
        putEngine(121, 3, 1);
        if (withSecond) putEngine(121, 4, 2);
        order(121, 131, 3, 1, false);
        if (withSecond) move.secondEngine = 2;
        leg(121, 131, {300, 301});
    }
    void reset(LocationId place) {
        clearLocation(s(), place);
        clearLocation(s(), incomingBerth(place));
    }
    RestPlaces rest(LocationId to, bool up, bool light, int start, bool second = false, bool rear = false,
                    bool lastLeg = true) {
        RestQuery q;
        q.up = up;
        q.lastLeg = lastLeg;
        q.light = light;
        q.startPlace = start;
        q.withSecond = second;
        q.withRear = rear;
        return engineRest(s(), to, q);
    }
};

TEST_F(EngineRest, ALightEngineRunsToTheFarEndOfAnEmptySidingUnlessSomethingIsInTheWay) {
    lightIntoUG6(true);
    EXPECT_EQ(berthOf(131).locoAt, (std::array<LocoIndex, 5>{0, 0, 0, 1, 2}));
    EXPECT_EQ(s().locos[2].where, incomingBerth(131));
    EXPECT_EQ(at(131).occState, occEngineComingIn);
    ASSERT_TRUE(runUntilAtRest());
    EXPECT_EQ(at(131).locoAt, (std::array<LocoIndex, 5>{0, 0, 0, 1, 2}));
    EXPECT_TRUE(layoutConsistent());

    reset(131);
    putEngine(131, 4, 5);
    lightIntoUG6(false);
    EXPECT_EQ(berthOf(131).locoAt, (std::array<LocoIndex, 5>{0, 0, 1, 0, 5})) << "place 4 taken: place 2";
    reset(131);
    putEngine(131, 2, 5);
    lightIntoUG6(false);
    EXPECT_EQ(berthOf(131).locoAt[1], 1) << "place 2 taken: it stops short at place 1";
    reset(131);
    addRake(131, 2);
    lightIntoUG6(true);
    EXPECT_EQ(berthOf(131).locoAt, (std::array<LocoIndex, 5>{0, 1, 2, 0, 0}));
    EXPECT_EQ(berthOf(131).occState, occStock) << "the rake standing there is kept";
}

TEST_F(EngineRest, AnEngineStandingWhereTheLeadingEngineStopsIsMovedToTheOuterPlace) {
    putEngine(131, 3, 5);
    lightIntoUG6(false);
    EXPECT_EQ(berthOf(131).locoAt, (std::array<LocoIndex, 5>{0, 0, 0, 1, 5}));
    ASSERT_TRUE(runUntilAtRest());
    EXPECT_EQ(at(131).locoAt, (std::array<LocoIndex, 5>{0, 0, 0, 1, 5}));
    EXPECT_TRUE(layoutConsistent());
}

TEST_F(EngineRest, RunningDownALightEngineTakesTheLowEndUnlessItIsBlockedOrTheRoadIsLS3) {
    EXPECT_EQ(rest(121, false, true, 3).engine, 2);
    EXPECT_EQ(rest(121, false, true, 3, true).second, 1);
    at(121).locoAt[3] = 6;
    EXPECT_EQ(rest(121, false, true, 3).engine, 4);
    at(121).locoAt[3] = 0;
    at(121).locoAt[2] = 6;
    const RestPlaces pair = rest(121, false, true, 3, true);
    EXPECT_EQ(pair.engine, 4);
    EXPECT_EQ(pair.second, 3);
    EXPECT_EQ(rest(47, false, true, 2).engine, 3) << "LS3's water column is at its high end";
}

TEST_F(EngineRest, EachKindOfPlaceHasItsOwnPlacesAndATrainKeepsItsEnginesWhereTheyAre) {
    EXPECT_EQ(rest(41, true, true, 3).engine, 1);
    EXPECT_EQ(rest(41, false, true, 3).engine, 2);
    EXPECT_EQ(rest(41, true, true, 3, true).second, 0) << "a second engine stays where it is";
    EXPECT_EQ(rest(37, true, true, 3).engine, 1);
    EXPECT_EQ(rest(28, true, true, 3, false, false, false).engine, 3) << "passing a turntable";
    EXPECT_EQ(rest(190, true, true, 3, true).second, 4);
    EXPECT_EQ(rest(56, false, true, 2, true).second, 1);
    const RestPlaces up = rest(131, true, false, 3, true, true);
    EXPECT_EQ(up.engine, 3);
    EXPECT_EQ(up.second, 4);
    EXPECT_EQ(up.rear, 2);
    const RestPlaces down = rest(121, false, false, 1, true, true);
    EXPECT_EQ(down.second, 2);
    EXPECT_EQ(down.rear, 3);
}

TEST_F(EngineRest, AReversingDepartureHasItsEnginePlaceMirroredAndBecomesAPlainDeparture) {
    const DepartureIndex d = addDeparture(20, 15, 700, 4);
    s().departures[d].state = departureFormed;
    at(98).occState = occReversingDeparture;
    at(98).occupant = d;
    putEngine(98, 2, 1);
    order(98, 108, 2, 1, true);
    leg(98, 108, {240});
    EXPECT_EQ(berthOf(108).locoAt[3], 1);
    EXPECT_EQ(berthOf(108).occState, occDeparture);
    EXPECT_EQ(berthOf(108).endFlag[highEnd], 1);
}

} // namespace
} // namespace wm
