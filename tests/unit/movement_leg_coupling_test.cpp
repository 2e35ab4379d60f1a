// Coupling at the player's to-location: rakes become one chain, two departures share the road, and the
// rest of a departure completes it.

#include "movement_fixture.h"

#include <vector>

namespace wm {
namespace {

class LegCoupling : public MoveFixture {
  protected:
    std::vector<PortionIndex> chain(PortionIndex head) const {
        std::vector<PortionIndex> order;
        for (PortionIndex p = head; p != 0 && order.size() < 20; p = state->portions[p].next)
            order.push_back(p);
        return order;
    }
    void coupleOnto(CoupleTo onto) {
        move.couplePlan.onto = onto;
        move.propelling = true;
    }
    DepartureIndex departureAt(LocationId place, int engineSlot, LocoIndex engine) {
        const DepartureIndex d = addDeparture(20, 15, 700, 4);
        s().departures[d].state = departureReady;
        at(place).occState = occDeparture;
        at(place).occupant = d;
        at(place).endFlag[endOfPlace(engineSlot)] = 1;
        putEngine(place, engineSlot, engine);
        return d;
    }
};

TEST_F(LegCoupling, PropelledDownOntoARakeTheStandingRakeComesFirstAndTheNewLinkIsLoose) {
    const PortionIndex standing = addRake(121, 2);
    const PortionIndex moving = addRake(131, 2);
    putEngine(131, 3, 1);
    at(131).endFlag[highEnd] = 1;
    order(131, 121, 3, 1, true);
    coupleOnto(CoupleTo::rake);
    leg(131, 121, {300});
    EXPECT_EQ(berthOf(121).occState, occStock);
    EXPECT_EQ(berthOf(121).occupant, standing);
    EXPECT_EQ(chain(standing), (std::vector<PortionIndex>{standing, standing + 1, moving, moving + 1}));
    EXPECT_EQ(s().portions[standing + 1].coupledToNext, 0);
    EXPECT_EQ(s().portions[moving].coupledToNext, 1) << "the moving rake keeps its own couplings";
    for (PortionIndex p : chain(standing)) EXPECT_EQ(s().portions[p].location, 121);
    ASSERT_TRUE(runUntilAtRest());
    EXPECT_EQ(at(131).occState, occEmpty);
    EXPECT_EQ(at(121).occupant, standing);
    EXPECT_EQ(at(121).locoAt[3], 1);
    EXPECT_TRUE(layoutConsistent());
}

TEST_F(LegCoupling, PropelledUpOntoARakeTheMovingRakeComesFirst) {
    const PortionIndex moving = addRake(121, 1);
    const PortionIndex standing = addRake(131, 2);
    putEngine(121, 2, 1);
    order(121, 131, 2, 1, true);
    coupleOnto(CoupleTo::rake);
    leg(121, 131, {300});
    EXPECT_EQ(berthOf(131).occupant, moving);
    EXPECT_EQ(chain(moving), (std::vector<PortionIndex>{moving, standing, standing + 1}));
    EXPECT_EQ(s().portions[moving].coupledToNext, 0);
}

TEST_F(LegCoupling, ADepartureLedUpOntoAnotherHasItsEngineBetweenThemAndBecomesReversing) {
    const DepartureIndex standing = departureAt(108, 3, 5);
    const DepartureIndex moving = departureAt(98, 3, 1);
    order(98, 108, 3, 1, true);
    move.couplePlan.onto = CoupleTo::departure;
    leg(98, 108, {240});
    const Location& berth = berthOf(108);
    EXPECT_EQ(berth.occState, occReversingDeparture);
    EXPECT_EQ(berth.occupant, moving);
    EXPECT_EQ(berth.occState2, occDeparture);
    EXPECT_EQ(berth.occupant2, standing);
    EXPECT_EQ(berth.locoAt[2], 1);
    EXPECT_EQ(berth.locoAt[3], 5);
    EXPECT_EQ(at(108).occState, occComingIn);
    ASSERT_TRUE(runUntilAtRest());
    EXPECT_EQ(at(108).occupant2, standing);
    EXPECT_TRUE(layoutConsistent());
}

TEST_F(LegCoupling, ADepartureLedDownOntoAnotherIsTheSecondOccupantUnlessItIsADieselUnitItStaysPlain) {
    const DepartureIndex standing = departureAt(108, 2, 5);
    const DepartureIndex moving = departureAt(131, 2, 1);
    s().locos[1].classIndex = 1; // "DMU  "
    order(131, 108, 2, 1, true);
    move.couplePlan.onto = CoupleTo::departure;
    leg(131, 108, {300});
    const Location& berth = berthOf(108);
    EXPECT_EQ(berth.occState, occDeparture);
    EXPECT_EQ(berth.occupant, standing);
    EXPECT_EQ(berth.occState2, occDeparture);
    EXPECT_EQ(berth.occupant2, moving);
    EXPECT_EQ(berth.locoAt[3], 1);
    EXPECT_EQ(berth.locoAt[2], 5);
}

TEST_F(LegCoupling, TheRestOfADepartureCompletesItReadyToGoWithItsEngineAtItsLeavingEnd) {
    const DepartureIndex d = addDeparture(20, 15, 700, 4);
    s().departures[d].state = departureGathering;
    const PortionIndex front = addPortion(0, d);
    const PortionIndex rest = addPortion(0, d);
    at(108).occState = occStock;
    at(108).occupant = rest;
    at(98).occState = occStock;
    at(98).occupant = front;
    putEngine(98, 2, 1);
    order(98, 108, 2, 1, true);
    coupleOnto(CoupleTo::restOfDeparture);
    move.couplePlan.reference = rest;
    leg(98, 108, {240});
    const Location& berth = berthOf(108);
    EXPECT_EQ(berth.occState, occDeparture);
    EXPECT_EQ(berth.occupant, d);
    EXPECT_EQ(berth.occupant2, 0);
    EXPECT_EQ(s().departures[d].state, departureReady);
    EXPECT_EQ(s().portions[front].portionState, portionStanding);
    EXPECT_EQ(berth.endFlag[highEnd], 1) << "it runs up, so it leaves by the high end";
    EXPECT_EQ(berth.locoAt[3], 1);
    EXPECT_EQ(chain(front), (std::vector<PortionIndex>{front, rest}));
    ASSERT_TRUE(runUntilAtRest());
    EXPECT_EQ(at(108).occState, occDeparture);
    EXPECT_EQ(at(98).occState, occEmpty);
    EXPECT_TRUE(layoutConsistent());
}

} // namespace
} // namespace wm
