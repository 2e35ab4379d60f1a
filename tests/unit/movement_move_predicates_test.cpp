// The questions the move rules ask of a place: may a train start from it, may a freight be shunted in its
// yard, is there room for an engine at an end, and does a long train stand there.

#include <string>
#include <vector>

#include "movement/move_predicates.h"
#include "movement_fixture.h"

namespace wm {
namespace {

constexpr int none = -1;

class MovePredicates : public MoveFixture {
  protected:
    /// A departure at 600; when `throughAt` is not `none`, the one portion of an arrival booked then
    /// goes forward as it.
    DepartureIndex departureWith(int line, int group, int trainType, int throughAt) {
        const DepartureIndex d = addDeparture(line, group, 600, trainType);
        if (throughAt != none) addPortion(addArrival(line, group, throughAt, trainType, 0), d);
        return d;
    }
    /// A freight arrival at 600 that forms a departure `formsAfter` minutes later, either as a through
    /// train or as the first of its two portions.
    ArrivalIndex arrivalFormingAfter(int group, int trainType, int formsAfter, bool through) {
        const ArrivalIndex a = addArrival(20, group, 600, trainType, 0);
        if (formsAfter == none) return a;
        const DepartureIndex d = addDeparture(20, group, 600 + formsAfter, trainType);
        addPortion(a, d);
        if (!through) addPortion(a, addDeparture(20, group, 900, trainType));
        return a;
    }
};

TEST_F(MovePredicates, PassengerAndParcelsTrainsStartOnlyFromTheirOwnRoads) {
    struct Case {
        LocationId place;
        int line;
        int group;
        int trainType;
        int throughAt;
        bool mayLeave;
    };
    std::vector<Case> cases = {
        // Another group's train, or one of types 6..12, leaves from anywhere.
        {95, 1, 9, 1, none, true},
        {96, 4, 9, 0, none, true},
        {95, 1, 15, 6, none, true},
        {108, 11, 15, 12, none, true},
        {94, 20, 15, 9, none, true},
        {93, 4, 15, 8, none, true},
        // Not even running through may these lines leave from PL1 or the roads 107..110.
        {107, 1, 15, 5, none, false},
        {108, 2, 15, 0, none, false},
        {109, 9, 15, 4, none, false},
        {110, 11, 15, 5, none, false},
        {95, 1, 15, 0, 600, false},
        {95, 1, 15, 5, none, false},
        {95, 4, 15, 1, none, true},
        {95, 10, 15, 1, none, true},
        {95, 21, 15, 1, none, true},
        {104, 1, 15, 1, none, true},
        {107, 4, 15, 5, none, true},
        {110, 4, 15, 5, none, true},
        // Nor lines 20..23 from GNB, PL3 or PL4.
        {94, 20, 15, 5, none, false},
        {98, 21, 15, 1, none, false},
        {99, 22, 15, 0, none, false},
        {99, 23, 15, 3, 600, false},
        {98, 19, 15, 1, none, true},
        {98, 24, 15, 1, none, true},
        {100, 20, 15, 1, none, true},
        {94, 19, 15, 5, none, true},
        // A passenger train starts from a platform, unless it runs straight through.
        {96, 4, 15, 0, none, false},
        {107, 4, 15, 4, none, false},
        {71, 4, 15, 2, none, false},
        {96, 4, 15, 0, 600, true},
        {96, 4, 15, 0, 590, false},
        {105, 20, 15, 2, 600, true},
        {100, 4, 15, 3, none, true},
        // Parcels also from GNB, ULD and the bay.
        {96, 4, 15, 5, none, false},
        {93, 4, 15, 5, none, false},
        {106, 4, 15, 5, none, false},
        {94, 4, 15, 5, none, true},
        {98, 4, 15, 5, none, true},
        {96, 4, 15, 5, 600, true},
        {96, 4, 15, 5, 630, false},
    };
    for (int line : {1, 2, 3, 7, 8, 9, 11}) {
        cases.push_back({95, line, 15, 1, none, false});
        cases.push_back({98, line, 15, 1, none, true});
    }
    for (const Case& c : cases) {
        const DepartureIndex d = departureWith(c.line, c.group, c.trainType, c.throughAt);
        EXPECT_EQ(departureMayLeave(s(), c.place, d), c.mayLeave)
            << "place " << c.place << " line " << c.line << " group " << c.group << " type " << c.trainType
            << " through at " << c.throughAt;
    }
    EXPECT_TRUE(departureMayLeave(s(), 95, 0));
    EXPECT_TRUE(departureMayLeave(s(), 95, s().departureCount + 1));
}

TEST_F(MovePredicates, AFreightIsShuntedOnlyInItsOwnYardAndWhenItsDepartureIsNotClose) {
    struct Case {
        LocationId place;
        int group;
        int trainType;
        int formsAfter;
        bool through;
        bool mayShunt;
    };
    const std::vector<Case> cases = {
        {125, 16, 9, none, false, true},
        {121, 16, 10, none, false, true},
        {130, 16, 11, none, false, true},
        {125, 16, 8, none, false, false},
        {125, 16, 12, none, false, false},
        {125, 16, 0, none, false, false},
        // The up yard's roads 131..137, and every down yard road, lie in the ranges it is kept out of.
        {131, 16, 9, none, false, false},
        {137, 16, 9, none, false, false},
        {142, 17, 9, none, false, false},
        {151, 17, 10, none, false, false},
        // Only in its own group's yard.
        {125, 17, 9, none, false, false},
        {144, 16, 9, none, false, false},
        {20, 9, 9, none, false, false},
        // The departure it forms leaves at least 12 minutes after it was booked in.
        {125, 16, 9, 12, false, true},
        {125, 16, 9, 11, false, false},
        {125, 16, 9, -10, false, false},
        {125, 16, 9, 12, true, true},
        {125, 16, 9, 11, true, false},
    };
    for (const Case& c : cases) {
        const ArrivalIndex a = arrivalFormingAfter(c.group, c.trainType, c.formsAfter, c.through);
        EXPECT_EQ(mayShuntArrival(s(), c.place, a), c.mayShunt)
            << "place " << c.place << " group " << c.group << " type " << c.trainType << " forms after "
            << c.formsAfter << (c.through ? " through" : "");
    }
    EXPECT_FALSE(mayShuntArrival(s(), 125, 0));
}

TEST_F(MovePredicates, RoomForAnEngineAtEachEnd) {
    struct Case {
        LocationId place;
        std::vector<int> taken; // engine places with an engine in them
        OccState occState;
        bool highSingle, highPair, lowSingle, lowPair;
    };
    const std::vector<Case> cases = {
        // UFM, four engine places.
        {96, {}, occEmpty, true, true, true, true},
        {96, {4}, occEmpty, false, false, true, true},
        {96, {3}, occEmpty, true, false, true, true},
        {96, {1}, occEmpty, true, true, false, false},
        {96, {2}, occEmpty, true, true, true, false},
        {96, {2, 3}, occEmpty, true, false, true, false},
        {96, {}, occStock, true, true, true, true},
        {96, {}, occLeavingLight, true, true, true, true},
        {96, {}, occComingIn, false, false, false, false},
        {96, {}, occEngineComingIn, false, false, false, false},
        // LSH, one engine place: never room for two.
        {106, {}, occEmpty, true, false, true, false},
        {106, {1}, occEmpty, false, false, false, false},
        // Shed roads LL6 and LS4 (three places) fill from the high end, whichever end is asked.
        {41, {1, 2}, occEmpty, true, true, true, true},
        {41, {4}, occEmpty, false, false, false, false},
        {41, {3}, occEmpty, true, false, true, false},
        {41, {}, occEngineComingIn, false, false, false, false},
        {40, {}, occEmpty, true, true, true, true},
        {40, {3}, occEmpty, false, false, false, false},
        {40, {2}, occEmpty, true, false, true, false},
        {40, {1}, occEmpty, true, true, true, true},
    };
    for (const Case& c : cases) {
        std::string where = "place " + std::to_string(c.place) + " taken";
        for (int k : c.taken) where += " " + std::to_string(k);
        where += " occState " + std::to_string(c.occState);
        SCOPED_TRACE(where);
        at(c.place).locoAt = {};
        for (int k : c.taken) putEngine(c.place, k, k);
        at(c.place).occState = c.occState;
        EXPECT_EQ(roomAtHighEnd(s(), c.place, true), c.highSingle);
        EXPECT_EQ(roomAtHighEnd(s(), c.place, false), c.highPair);
        EXPECT_EQ(roomAtLowEnd(s(), c.place, true), c.lowSingle);
        EXPECT_EQ(roomAtLowEnd(s(), c.place, false), c.lowPair);
    }
}

TEST_F(MovePredicates, ExpressExcursionAndReliefTrainsAreLong) {
    for (int type = 0; type <= 12; ++type) {
        const bool isLong = type == 0 || type == 2 || type == 3;
        const ArrivalIndex a = addArrival(2, 15, 600, type, 0);
        const DepartureIndex d = addDeparture(2, 15, 600, type);
        EXPECT_EQ(longTrain(s(), occArrival, a), isLong) << "arrival of type " << type;
        EXPECT_EQ(longTrain(s(), occDeparture, d), isLong) << "departure of type " << type;
        EXPECT_EQ(longTrain(s(), occReversingDeparture, d), isLong) << "departure of type " << type;
        // Stock or traffic is no train, whatever its index names in the train tables.
        EXPECT_FALSE(longTrain(s(), occStock, a));
        EXPECT_FALSE(longTrain(s(), occTraffic, d));
    }
    EXPECT_FALSE(longTrain(s(), occArrival, s().arrivalCount + 1));
    EXPECT_FALSE(longTrain(s(), occDeparture, 0));
}

TEST_F(MovePredicates, APlaceHoldsALongTrainStandingOrComingIn) {
    const LocationId p6n = 100;
    const ArrivalIndex express = addArrival(2, 15, 600, 0, 0);
    const DepartureIndex stopping = addDeparture(2, 15, 600, 1);
    const DepartureIndex relief = addDeparture(2, 15, 600, 3);
    auto place = [&](OccState occState, int occupant, OccState berthState, int berthOccupant) {
        at(p6n).occState = occState;
        at(p6n).occupant = occupant;
        berthOf(p6n).occState = berthState;
        berthOf(p6n).occupant = berthOccupant;
        return holdsLongTrain(s(), p6n);
    };
    EXPECT_TRUE(place(occArrival, express, occEmpty, 0));
    EXPECT_FALSE(place(occDeparture, stopping, occArrival, express));
    EXPECT_TRUE(place(occDeparture, relief, occEmpty, 0));
    EXPECT_FALSE(place(occEmpty, 0, occEmpty, 0));
    // While something comes in, it is the train in the berth that counts.
    EXPECT_TRUE(place(occComingIn, stopping, occArrival, express));
    EXPECT_FALSE(place(occComingIn, express, occDeparture, stopping));
    EXPECT_FALSE(place(occComingIn, express, occStock, express));
    // An engine coming in light brings no train.
    EXPECT_FALSE(place(occEngineComingIn, 0, occArrival, express));
}

} // namespace
} // namespace wm
