#include "world/rakes.h"

#include "world/game_state.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace wm {
namespace {

class WorldRakes : public ::testing::Test {
  protected:
    std::unique_ptr<GameState> state = std::make_unique<GameState>();

    PortionIndex newPortion() { return ++state->portionCount; }

    DepartureIndex newDeparture(int time) {
        const DepartureIndex d = ++state->departureCount;
        state->departures[d].time = time;
        state->departures[d].state = departureBuilt;
        return d;
    }

    ArrivalIndex newArrival() { return ++state->arrivalCount; }

    Portion& portion(PortionIndex p) { return state->portions[p]; }
    Departure& departure(DepartureIndex d) { return state->departures[d]; }

    // An arrival bringing n portions, coupled throughout.
    std::vector<PortionIndex> trainOf(ArrivalIndex arrival, int n) {
        std::vector<PortionIndex> rake;
        for (int i = 0; i < n; ++i) {
            rake.push_back(newPortion());
            appendToRake(*state, arrival, rake.back(), true);
        }
        return rake;
    }

    // Walks the rake from the head and checks that prev mirrors next.
    std::vector<PortionIndex> walkRake(PortionIndex head) {
        std::vector<PortionIndex> order;
        PortionIndex previous = 0;
        for (PortionIndex p = head; p != 0; p = portion(p).next) {
            EXPECT_EQ(portion(p).prev, previous) << "portion " << p;
            order.push_back(p);
            previous = p;
        }
        return order;
    }

    std::vector<PortionIndex> walkDeparture(DepartureIndex d) {
        std::vector<PortionIndex> order;
        PortionIndex previous = 0;
        for (PortionIndex p = departure(d).firstPortion; p != 0; p = portion(p).depNext) {
            EXPECT_EQ(portion(p).depPrev, previous) << "portion " << p;
            EXPECT_EQ(portion(p).departure, d) << "portion " << p;
            order.push_back(p);
            previous = p;
        }
        return order;
    }
};

TEST_F(WorldRakes, AppendingBuildsTheArrivalsRakeInOrder) {
    const ArrivalIndex a = newArrival();
    const std::vector<PortionIndex> rake = trainOf(a, 3);

    EXPECT_EQ(state->arrivals[a].firstPortion, rake[0]);
    EXPECT_EQ(walkRake(rake[0]), rake);
    for (PortionIndex p : rake) EXPECT_EQ(portion(p).arrival, a);
    EXPECT_EQ(rakeLength(*state, rake[0]), 3);
    EXPECT_EQ(rakeLength(*state, rake[1]), 2);
    EXPECT_EQ(rakeTail(*state, rake[0]), rake[2]);
    EXPECT_EQ(rakeTail(*state, rake[2]), rake[2]);
}

TEST_F(WorldRakes, PortionZeroIsAnEmptyRake) {
    EXPECT_EQ(rakeLength(*state, 0), 0);
    EXPECT_EQ(rakeTail(*state, 0), 0);
    EXPECT_TRUE(rakeFullyCoupled(*state, 0));
}

TEST_F(WorldRakes, CouplingFlagsFollowTheCallerAndTheTailIsNeverCoupled) {
    const ArrivalIndex a = newArrival();
    const PortionIndex first = newPortion();
    const PortionIndex second = newPortion();
    const PortionIndex third = newPortion();
    portion(third).coupledToNext = 1; // stale flag from an earlier rake
    appendToRake(*state, a, first, true);
    appendToRake(*state, a, second, true);
    EXPECT_EQ(portion(first).coupledToNext, 1);
    EXPECT_EQ(portion(second).coupledToNext, 0);
    EXPECT_TRUE(rakeFullyCoupled(*state, first));

    appendToRake(*state, a, third, false);
    EXPECT_EQ(portion(second).coupledToNext, 0);
    EXPECT_EQ(portion(third).coupledToNext, 0);
    EXPECT_FALSE(rakeFullyCoupled(*state, first));
    EXPECT_FALSE(rakeFullyCoupled(*state, second));
    EXPECT_TRUE(rakeFullyCoupled(*state, third)); // a lone tail has nothing to couple to
}

TEST_F(WorldRakes, SetLocationReachesEveryMemberFromTheGivenOne) {
    const ArrivalIndex a = newArrival();
    const std::vector<PortionIndex> rake = trainOf(a, 4);
    setRakeLocation(*state, rake[0], 98);
    for (PortionIndex p : rake) EXPECT_EQ(portion(p).location, 98);

    setRakeLocation(*state, rake[2], 99);
    EXPECT_EQ(portion(rake[1]).location, 98);
    EXPECT_EQ(portion(rake[2]).location, 99);
    EXPECT_EQ(portion(rake[3]).location, 99);
}

TEST_F(WorldRakes, DepartureListCountsItsPortions) {
    const DepartureIndex d = newDeparture(600);
    const PortionIndex p = newPortion();
    const PortionIndex q = newPortion();
    const PortionIndex r = newPortion();

    attachToDeparture(*state, d, p);
    EXPECT_EQ(departure(d).portionCount, 1);
    EXPECT_EQ(departure(d).state, departureBuilt);

    attachToDeparture(*state, d, q);
    attachToDeparture(*state, d, r);
    EXPECT_EQ(departure(d).portionCount, 3);
    EXPECT_EQ(walkDeparture(d), (std::vector<PortionIndex>{p, q, r}));
    EXPECT_EQ(departureListLength(*state, d), 3);
}

TEST_F(WorldRakes, ASecondPortionMeansPortionsToGather) {
    const DepartureIndex d = newDeparture(600);
    attachToDeparture(*state, d, newPortion());
    departure(d).state = departureReady;
    attachToDeparture(*state, d, newPortion());
    EXPECT_EQ(departure(d).state, departureGathering);
}

TEST_F(WorldRakes, ACancelledDepartureStaysCancelledWhenAPortionIsAdded) {
    const DepartureIndex d = newDeparture(600);
    departure(d).state = departureGone;
    attachToDeparture(*state, d, newPortion());
    attachToDeparture(*state, d, newPortion());
    EXPECT_EQ(departure(d).state, departureGone);
    EXPECT_EQ(departure(d).portionCount, 2);
}

TEST_F(WorldRakes, PseudoDepartureTakesManyPortionsWithoutCountingThem) {
    const DepartureIndex yard = newDeparture(notRunningTime);
    for (int i = 0; i < 5; ++i) attachToDeparture(*state, yard, newPortion());
    EXPECT_EQ(departure(yard).portionCount, 0);
    EXPECT_EQ(departure(yard).state, departureBuilt);
    EXPECT_EQ(walkDeparture(yard).size(), 5u);
}

TEST_F(WorldRakes, MovingAPortionToAnotherDepartureLeavesTheFirstList) {
    const DepartureIndex yard = newDeparture(notRunningTime);
    const DepartureIndex freight = newDeparture(700);
    const PortionIndex p = newPortion();
    const PortionIndex q = newPortion();
    const PortionIndex r = newPortion();
    attachToDeparture(*state, yard, p);
    attachToDeparture(*state, yard, q);
    attachToDeparture(*state, yard, r);
    attachToDeparture(*state, freight, newPortion());

    attachToDeparture(*state, freight, p); // the head of the yard's list
    attachToDeparture(*state, freight, r); // its tail
    EXPECT_EQ(walkDeparture(yard), (std::vector<PortionIndex>{q}));
    EXPECT_EQ(departure(yard).portionCount, 0);
    EXPECT_EQ(walkDeparture(freight).size(), 3u);
    EXPECT_EQ(departure(freight).portionCount, 3);

    attachToDeparture(*state, yard, walkDeparture(freight)[1]); // out of the middle
    EXPECT_EQ(departure(freight).portionCount, 2);
    EXPECT_EQ(walkDeparture(freight).size(), 2u);
}

TEST_F(WorldRakes, AllReadyNeedsEveryPortionStandingOrBetter) {
    const DepartureIndex d = newDeparture(600);
    const PortionIndex p = newPortion();
    const PortionIndex q = newPortion();
    attachToDeparture(*state, d, p);
    attachToDeparture(*state, d, q);
    portion(p).portionState = portionStanding;
    portion(q).portionState = portionBeingWorked;
    EXPECT_FALSE(allReady(*state, d));
    portion(q).portionState = portionInFormed;
    EXPECT_TRUE(allReady(*state, d));
}

TEST_F(WorldRakes, SinglePortionThroughTrainPairsBothWays) {
    const ArrivalIndex a = newArrival();
    const DepartureIndex d = newDeparture(615);
    const PortionIndex p = newPortion();
    appendToRake(*state, a, p, false);
    attachToDeparture(*state, d, p);

    EXPECT_EQ(throughDeparture(*state, a), d);
    EXPECT_EQ(throughArrival(*state, d), a);
}

TEST_F(WorldRakes, NoPairingWhenTheArrivalBringsMoreThanOnePortion) {
    const ArrivalIndex a = newArrival();
    const DepartureIndex d = newDeparture(615);
    const std::vector<PortionIndex> rake = trainOf(a, 2);
    attachToDeparture(*state, d, rake[0]);

    EXPECT_EQ(throughDeparture(*state, a), 0);
    EXPECT_EQ(throughArrival(*state, d), 0);
}

TEST_F(WorldRakes, NoPairingWhenTheDepartureHasAnotherPortion) {
    const ArrivalIndex a = newArrival();
    const DepartureIndex d = newDeparture(615);
    const PortionIndex p = newPortion();
    appendToRake(*state, a, p, false);
    attachToDeparture(*state, d, p);
    attachToDeparture(*state, d, newPortion());

    EXPECT_EQ(throughDeparture(*state, a), 0);
    EXPECT_EQ(throughArrival(*state, d), 0);
}

TEST_F(WorldRakes, NoPairingWithAPseudoDepartureOrWithoutPartners) {
    const ArrivalIndex a = newArrival();
    const DepartureIndex yard = newDeparture(notRunningTime);
    const PortionIndex p = newPortion();
    appendToRake(*state, a, p, false);
    attachToDeparture(*state, yard, p);
    EXPECT_EQ(throughDeparture(*state, a), 0);
    EXPECT_EQ(throughArrival(*state, yard), 0);

    const ArrivalIndex empty = newArrival();
    EXPECT_EQ(throughDeparture(*state, empty), 0);
    EXPECT_EQ(throughDeparture(*state, 0), 0);

    const DepartureIndex startingStock = newDeparture(500);
    attachToDeparture(*state, startingStock, newPortion()); // stood in the station at the start
    EXPECT_EQ(throughArrival(*state, startingStock), 0);
    EXPECT_EQ(throughArrival(*state, 0), 0);
}

TEST_F(WorldRakes, AnArrivalFormsItsThroughPartnerElseTheDepartureOfItsFirstPortion) {
    const ArrivalIndex through = newArrival();
    const DepartureIndex onward = newDeparture(615);
    const PortionIndex p = newPortion();
    appendToRake(*state, through, p, false);
    attachToDeparture(*state, onward, p);
    EXPECT_EQ(departureFormedBy(*state, through), onward);

    // A train that divides goes forward as the departure its leading portion joins.
    const ArrivalIndex divides = newArrival();
    const std::vector<PortionIndex> rake = trainOf(divides, 2);
    const DepartureIndex front = newDeparture(640);
    const DepartureIndex rear = newDeparture(620);
    attachToDeparture(*state, rear, rake[1]);
    attachToDeparture(*state, front, rake[0]);
    attachToDeparture(*state, front, newPortion());
    EXPECT_EQ(departureFormedBy(*state, divides), front);

    // The leading portion bound for no departure, no portions at all, or no arrival: it forms none.
    const ArrivalIndex terminates = newArrival();
    const std::vector<PortionIndex> stock = trainOf(terminates, 2);
    attachToDeparture(*state, rear, stock[1]);
    EXPECT_EQ(departureFormedBy(*state, terminates), 0);
    EXPECT_EQ(departureFormedBy(*state, newArrival()), 0);
    EXPECT_EQ(departureFormedBy(*state, 0), 0);
    EXPECT_EQ(departureFormedBy(*state, arrivalCapacity + 1), 0);
}

TEST_F(WorldRakes, WalksEndEvenWhenLinksFormALoop) {
    const ArrivalIndex a = newArrival();
    const std::vector<PortionIndex> rake = trainOf(a, 2);
    portion(rake[1]).next = rake[0]; // damaged links, as a bad saved file could give
    EXPECT_EQ(rakeLength(*state, rake[0]), portionCapacity);
    EXPECT_NE(rakeTail(*state, rake[0]), 0);
}

} // namespace
} // namespace wm
