// Stock turned into the departure it makes up after a coupling or uncoupling, and the readiness check that
// follows.

#include "rules_fixture.h"

#include "display/coupling_window.h"
#include "rules/departure_formation.h"
#include "rules/departure_readiness.h"
#include "world/rakes.h"

namespace wm {
namespace {

constexpr LocationId pl1 = 95; // a platform of the station (group 15) that up trains may leave from
constexpr LocationId pl3 = 98; // a platform of the station that up trains may not leave from
constexpr LocationId ufm = 96; // a through road of the station
constexpr int station = 15;
constexpr int passenger = 4;

class Formation : public RulesGame {
  protected:
    /// A passenger train of the station with portions standing ready; it leaves by the high end (line 20).
    DepartureIndex train(int portions, int time = 605, int line = 20, int type = passenger) {
        const DepartureIndex d = addDeparture(line, time, station, type);
        for (int i = 0; i < portions; ++i)
            s().portions[newPortion(s(), 0, 0, d)].portionState = portionStanding;
        return d;
    }
    std::vector<PortionIndex> portionsOf(DepartureIndex d) {
        std::vector<PortionIndex> out;
        for (PortionIndex p = s().departures[d].firstPortion; p != 0; p = s().portions[p].depNext)
            out.push_back(p);
        return out;
    }
    /// The portions stand at the place as one rake; `uncoupledAfter` names the links left uncoupled.
    void standRake(LocationId place, const std::vector<PortionIndex>& rake,
                   const std::vector<PortionIndex>& uncoupledAfter = {}) {
        PortionIndex head = 0;
        for (PortionIndex p : rake) head = appendPortion(s(), head, p, true);
        for (PortionIndex p : uncoupledAfter) s().portions[p].coupledToNext = 0;
        setRakeLocation(s(), head, place);
        s().locations[place].occState = occStock;
        s().locations[place].occupant = head;
    }
    static std::vector<PortionIndex> joined(std::vector<PortionIndex> a, const std::vector<PortionIndex>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
};

TEST_F(Formation, SetFormedTakesItsPortionsOutOfTheRake) {
    const DepartureIndex d = train(2);
    const DepartureIndex other = train(1, 700);
    const auto mine = portionsOf(d);
    const PortionIndex stranger = portionsOf(other)[0];
    standRake(pl1, {stranger, mine[0], mine[1]});
    setFormed(s(), d);
    EXPECT_EQ(s().departures[d].state, departureFormed);
    for (PortionIndex p : mine) {
        EXPECT_EQ(s().portions[p].portionState, portionInFormed);
        EXPECT_EQ(s().portions[p].next, 0);
        EXPECT_EQ(s().portions[p].prev, 0);
    }
    EXPECT_EQ(s().portions[stranger].next, 0); // no link leads into the formed train
    EXPECT_EQ(s().portions[stranger].portionState, portionStanding);
}

TEST_F(Formation, AFormedTrainIsOneRakeAgainWhenItCouplesOn) {
    const DepartureIndex d = train(3);
    const auto mine = portionsOf(d);
    standRake(pl1, {mine[2], mine[0], mine[1]});
    setFormed(s(), d);
    EXPECT_EQ(rakeOfFormed(s(), d), mine[0]);
    EXPECT_EQ(rakeLength(s(), mine[0]), 3);
    EXPECT_EQ(s().portions[mine[0]].next, mine[1]);
    EXPECT_EQ(s().portions[mine[1]].next, mine[2]);
    EXPECT_TRUE(rakeFullyCoupled(s(), mine[0]));
    EXPECT_EQ(rakeOfFormed(s(), d), mine[0]) << "a second call changes nothing";
    EXPECT_EQ(rakeLength(s(), mine[0]), 3);
}

TEST_F(Formation, ARakeThatIsAllOfADepartureDueSoonBecomesIt) {
    const DepartureIndex d = train(2);
    standRake(pl1, portionsOf(d));
    formAfterCoupling(s(), pl1);
    const Location& l = s().locations[pl1];
    EXPECT_EQ(l.occState, occDeparture);
    EXPECT_EQ(l.occupant, d);
    EXPECT_EQ(l.occState2, occEmpty);
    EXPECT_EQ(s().departures[d].location, pl1);
    EXPECT_EQ(s().departures[d].state, departureFormed);
}

TEST_F(Formation, WhatIsNotExactlyADepartureDueWithinTenMinutesStaysStock) {
    struct Case {
        const char* what;
        int time;
        int type;
        int portionsStanding; // of 2
        bool missingOne;
    };
    const Case cases[] = {
        {"due in ten minutes", 610, passenger, 2, false},
        {"a light engine's duty", 605, 8, 2, false},
        {"freight", 605, 9, 2, false},
        {"a portion not yet ready", 605, passenger, 1, false},
        {"a portion missing", 605, passenger, 2, true},
    };
    for (const Case& c : cases) {
        game = std::make_unique<Game>(host);
        SetUp();
        const DepartureIndex d = train(2, c.time, 20, c.type);
        auto rake = portionsOf(d);
        if (c.portionsStanding < 2) s().portions[rake[1]].portionState = portionDetached;
        if (c.missingOne) rake.pop_back();
        standRake(pl1, rake);
        formAfterCoupling(s(), pl1);
        EXPECT_EQ(s().locations[pl1].occState, occStock) << c.what;
        EXPECT_NE(s().departures[d].state, departureFormed) << c.what;
    }
}

TEST_F(Formation, AGroupCutOffAtTheHighEndSharesThePlaceAsTheSecondOccupant) {
    const DepartureIndex d = train(2);
    const PortionIndex loose = portionsOf(train(1, 900))[0];
    standRake(pl1, joined({loose}, portionsOf(d)), {loose});
    EXPECT_TRUE(formFromHighEnd(s(), pl1));
    const Location& l = s().locations[pl1];
    EXPECT_EQ(l.occState, occStock);
    EXPECT_EQ(l.occupant, loose);
    EXPECT_EQ(s().portions[loose].next, 0);
    EXPECT_EQ(l.occState2, occDeparture);
    EXPECT_EQ(l.occupant2, d);
}

TEST_F(Formation, AGroupAtTheLowEndLeavesItsUncoupledRestAsTheSecondOccupant) {
    const DepartureIndex d = train(2);
    const PortionIndex loose = portionsOf(train(1, 900))[0];
    const auto mine = portionsOf(d);
    standRake(pl1, joined(mine, {loose}), {mine[1]});
    EXPECT_FALSE(formFromHighEnd(s(), pl1));
    EXPECT_TRUE(formFromLowEnd(s(), pl1));
    const Location& l = s().locations[pl1];
    EXPECT_EQ(l.occState, occDeparture);
    EXPECT_EQ(l.occupant, d);
    EXPECT_EQ(l.occState2, occStock);
    EXPECT_EQ(l.occupant2, loose);
    EXPECT_EQ(s().portions[loose].prev, 0);
}

TEST_F(Formation, ARakeOfTwoDeparturesBecomesBoth) {
    const DepartureIndex first = train(1, 603);
    const DepartureIndex second = train(2, 607);
    const auto low = portionsOf(first);
    standRake(pl1, joined(low, portionsOf(second)), {low[0]});
    formAfterCoupling(s(), pl1);
    const Location& l = s().locations[pl1];
    EXPECT_EQ(l.occState, occDeparture);
    EXPECT_EQ(l.occupant, first);
    EXPECT_EQ(l.occState2, occDeparture);
    EXPECT_EQ(l.occupant2, second);
}

TEST_F(Formation, WholeStockOfTwoDeparturesBecomesBothWhateverItsLinks) {
    const DepartureIndex first = train(2, 603);
    const DepartureIndex second = train(1, 607);
    const auto low = portionsOf(first);
    const auto high = portionsOf(second);
    standRake(pl1, joined(low, high), {low[0]}); // coupled between the trains, not within the first
    formAfterCoupling(s(), pl1);
    ASSERT_EQ(s().locations[pl1].occState, occStock) << "no coupled group is a whole train";
    EXPECT_TRUE(formWholeStock(s(), pl1));
    const Location& l = s().locations[pl1];
    EXPECT_EQ(l.occState, occDeparture);
    EXPECT_EQ(l.occupant, first);
    EXPECT_EQ(l.occState2, occDeparture);
    EXPECT_EQ(l.occupant2, second);
    EXPECT_EQ(s().departures[first].location, pl1);
    EXPECT_EQ(s().departures[second].location, pl1);
    EXPECT_EQ(s().portions[low[1]].next, 0) << "the trains are apart";
    EXPECT_EQ(s().departures[first].state, departureFormed);
    EXPECT_EQ(s().departures[second].state, departureFormed);
}

TEST_F(Formation, WholeStockOfOneDepartureIsCoupledUpAndFormed) {
    const DepartureIndex d = train(3);
    const auto mine = portionsOf(d);
    standRake(pl1, mine, {mine[0], mine[1]});
    EXPECT_TRUE(formWholeStock(s(), pl1));
    EXPECT_EQ(s().locations[pl1].occupant, d);
    EXPECT_EQ(s().locations[pl1].occState2, occEmpty);
    EXPECT_EQ(s().departures[d].state, departureFormed);
}

TEST_F(Formation, StockThatIsNotWhollyOneOrTwoTrainsDueSoonKeepsItsLinks) {
    struct Case {
        const char* what;
        int secondTime;
        bool interleaved;
        bool third;
        bool secondOccupant;
    };
    const Case cases[] = {
        {"the second due in ten minutes", 610, false, false, false},
        {"portions of the two trains mixed", 605, true, false, false},
        {"a third train behind them", 605, false, true, false},
        {"a second occupant already there", 605, false, false, true},
    };
    for (const Case& c : cases) {
        game = std::make_unique<Game>(host);
        SetUp();
        const auto a = portionsOf(train(2, 603));
        const auto b = portionsOf(train(2, c.secondTime));
        std::vector<PortionIndex> rake =
            c.interleaved ? std::vector<PortionIndex>{a[0], b[0], a[1], b[1]} : joined(a, b);
        if (c.third) rake.push_back(portionsOf(train(1, 604))[0]);
        standRake(pl1, rake, {rake[0]});
        if (c.secondOccupant) {
            s().locations[pl1].occState2 = occStock;
            s().locations[pl1].occupant2 = portionsOf(train(1, 900))[0];
        }
        EXPECT_FALSE(formWholeStock(s(), pl1)) << c.what;
        EXPECT_EQ(s().locations[pl1].occState, occStock) << c.what;
        EXPECT_EQ(s().portions[rake[0]].coupledToNext, 0) << c.what << ": its links are as they were";
        EXPECT_EQ(s().portions[rake[0]].next, rake[1]) << c.what;
    }
}

TEST_F(Formation, ClosingTheCouplingWindowFormsTwoWholeTrainsUnlessALinkWithinOneWasCut) {
    for (const bool cutOne : {false, true}) {
        game = std::make_unique<Game>(host);
        SetUp();
        const DepartureIndex first = train(2, 603);
        const DepartureIndex second = train(1, 606);
        const auto low = portionsOf(first);
        standRake(pl1, joined(low, portionsOf(second)));
        CouplingEdit edit = startCouplingEdit(s(), pl1);
        if (cutOne) {
            ASSERT_TRUE(toggleCouplingRow(s(), edit, firstCouplingRow)); // the first portion's link
        }
        applyCouplings(s(), edit);
        const Location& l = s().locations[pl1];
        if (cutOne) {
            EXPECT_EQ(l.occState, occStock) << "the player's cut stands";
            EXPECT_EQ(l.occupant, low[0]);
            EXPECT_EQ(l.occState2, occStock);
            EXPECT_EQ(l.occupant2, low[1]);
            EXPECT_NE(s().departures[first].state, departureFormed);
        } else {
            EXPECT_EQ(l.occState, occDeparture);
            EXPECT_EQ(l.occupant, first);
            EXPECT_EQ(l.occState2, occDeparture);
            EXPECT_EQ(l.occupant2, second);
        }
    }
}

TEST_F(Formation, TheGivenDepartureIsFormedWithoutTheTest) {
    const DepartureIndex d = train(1, 900); // far off
    standRake(pl1, portionsOf(d));
    EXPECT_TRUE(formDepartureFromLowEnd(s(), pl1, d));
    EXPECT_EQ(s().locations[pl1].occupant, d);
    EXPECT_EQ(s().departures[d].state, departureFormed);
}

class Readiness : public Formation {
  protected:
    LocoIndex engineAt(LocationId place, int enginePlace, int classIndex = 11) {
        const LocoIndex e = ++s().locoCount;
        s().locos[e].classIndex = classIndex;
        s().locos[e].where = place;
        s().locations[place].locoAt[enginePlace] = e;
        return e;
    }
};

TEST_F(Readiness, AFormedTrainWithItsEngineAtTheLeavingEndIsReady) {
    const DepartureIndex d = train(2); // up main: leaves by the high end
    engineAt(pl1, innerPlace(highEnd));
    s().locations[pl1].endFlag[highEnd] = 1;
    standRake(pl1, portionsOf(d));
    formAfterCoupling(s(), pl1);
    EXPECT_EQ(s().departures[d].state, departureReady);
}

TEST_F(Readiness, AnEngineAtTheOtherEndMayPushOnlyWhenItCanWorkTheTrain) {
    for (const int classIndex : {11, 20}) { // LM 5 works passenger trains, LM 8F does not
        game = std::make_unique<Game>(host);
        SetUp();
        const DepartureIndex d = train(1);
        engineAt(pl1, innerPlace(lowEnd), classIndex);
        s().locations[pl1].endFlag[lowEnd] = 1;
        standRake(pl1, portionsOf(d));
        formAfterCoupling(s(), pl1);
        EXPECT_EQ(s().departures[d].state == departureReady, classIndex == 11) << "class " << classIndex;
    }
}

TEST_F(Readiness, APassengerTrainIsNotReadyOffThePlatformsOrBeforeItIsDue) {
    struct Case {
        const char* what;
        LocationId place;
        int time;
    };
    const Case cases[] = {
        {"in a through road", ufm, 603},
        {"at a platform up trains may not leave from", pl3, 603},
        {"six minutes before its time", pl1, 606},
    };
    for (const Case& c : cases) {
        game = std::make_unique<Game>(host);
        SetUp();
        const DepartureIndex d = train(1, c.time);
        engineAt(c.place, innerPlace(highEnd));
        s().locations[c.place].endFlag[highEnd] = 1;
        standRake(c.place, portionsOf(d));
        formAfterCoupling(s(), c.place);
        EXPECT_EQ(s().locations[c.place].occupant, d) << c.what;
        EXPECT_EQ(s().departures[d].state, departureFormed) << c.what;
    }
}

TEST_F(Readiness, AtTheHighEndOnlyTheSecondOccupantLeaves) {
    const DepartureIndex first = train(1, 603);
    const DepartureIndex second = train(1, 604);
    engineAt(pl1, innerPlace(highEnd));
    s().locations[pl1].endFlag[highEnd] = 1;
    const auto low = portionsOf(first);
    standRake(pl1, joined(low, portionsOf(second)), {low[0]});
    formAfterCoupling(s(), pl1);
    EXPECT_EQ(s().departures[second].state, departureReady);
    EXPECT_EQ(s().departures[first].state, departureFormed);
}

} // namespace
} // namespace wm
