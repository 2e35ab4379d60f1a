// The Assign order: which rakes name a departure, the checks and the load limit, the points, the trips
// between the yards, and the rake formed into its train when it is complete.

#include "rules_fixture.h"

#include "rules/traffic_assignment.h"
#include "world/rakes.h"

namespace wm {
namespace {

constexpr int upYard = 16;
constexpr LocationId ug3 = 134; // a road of the up yard
constexpr LocationId dg3 = 146; // a road of the down yard
constexpr int lm8F = 20;        // freight power 8
constexpr int stoppingFreight = 10;

class TrafficAssignment : public RulesGame {
  protected:
    LocoIndex engineOfClass(int classIndex) {
        const LocoIndex i = ++s().locoCount;
        s().locos[i].classIndex = classIndex;
        s().locos[i].number = "E" + std::to_string(i);
        return i;
    }
    /// A freight train of the up yard with its own first portion (standing ready) and a booked LM 8F.
    DepartureIndex freightTrain(int line = 2, int time = 640, int type = stoppingFreight,
                                int group = upYard) {
        const DepartureIndex d = addDeparture(line, time, group, type);
        s().departures[d].loco = engineOfClass(lm8F);
        ownPortion(d);
        return d;
    }
    PortionIndex ownPortion(DepartureIndex d) {
        const PortionIndex p = newPortion(s(), 0, 0, d);
        s().portions[p].portionState = portionStanding;
        return p;
    }
    /// The yard's pseudo-departure for traffic of a line and type.
    DepartureIndex yardTraffic(int line = 2, int type = stoppingFreight) {
        return addDeparture(line, notRunningTime, upYard, type);
    }
    /// A block of traffic for the yard's pseudo-departure, standing ready.
    PortionIndex block(DepartureIndex pseudo, int route = upYard) {
        const TrafficIndex t = addTraffic(route, trafficGeneral, pseudo);
        const PortionIndex p = s().traffic[t].portion;
        s().portions[p].portionState = portionStanding;
        return p;
    }
    /// The portions stand at the place as one rake in this order, every link coupled.
    void standRake(LocationId place, std::vector<PortionIndex> rake) {
        PortionIndex head = 0;
        for (PortionIndex p : rake) head = appendPortion(s(), head, p, true);
        setRakeLocation(s(), head, place);
        s().locations[place].occState = occStock;
        s().locations[place].occupant = head;
    }
    void assign(LocationId place = ug3) { assignTraffic(s(), console(), place); }
    std::vector<PortionIndex> rakeAt(LocationId place) {
        std::vector<PortionIndex> out;
        for (PortionIndex p = s().locations[place].occupant; p != 0; p = s().portions[p].next)
            out.push_back(p);
        return out;
    }
};

TEST_F(TrafficAssignment, AnUncoupledLinkIsRefusedWhateverElseIsWrong) {
    const DepartureIndex a = freightTrain();
    const DepartureIndex b = freightTrain(3);
    const PortionIndex unready = block(yardTraffic());
    s().portions[unready].portionState = portionDetached;
    standRake(ug3, {unready, s().departures[a].firstPortion, s().departures[b].firstPortion});
    s().portions[s().departures[a].firstPortion].coupledToNext = 0;
    EXPECT_EQ(rakeDeparture(s(), console(), s().locations[ug3].occupant), rakeNotCoupled);
    EXPECT_TRUE(wasShown("Portions not all coupled"));
    EXPECT_FALSE(wasShown("Portions not all ready to be part of departure"));
}

TEST_F(TrafficAssignment, RakesThatNameNoSingleTrainAreRefused) {
    struct Case {
        const char* what;
        int expected;
        const char* message;
    };
    const Case cases[] = {
        {"two freight trains", rakeMixesDepartures, "Trying to combine different departures"},
        {"a block still to be sorted", rakeNotAllReady, "Portions not all ready to be part of departure"},
        {"a portion for no departure", rakeNotAllReady, "Portions not all ready to be part of departure"},
    };
    for (int i = 0; i < 3; ++i) {
        SetUp();
        const DepartureIndex a = freightTrain();
        const PortionIndex other = i == 0   ? s().departures[freightTrain(3)].firstPortion
                                   : i == 1 ? block(yardTraffic())
                                            : ownPortion(0);
        if (i == 1) s().portions[other].portionState = portionDetached;
        standRake(ug3, {s().departures[a].firstPortion, other});
        const int before = s().score;
        EXPECT_EQ(rakeDeparture(s(), console(), s().locations[ug3].occupant), cases[i].expected)
            << cases[i].what;
        EXPECT_TRUE(wasShown(cases[i].message)) << cases[i].what;
        assign();
        EXPECT_EQ(s().departures[a].portionCount, 1) << cases[i].what;
        EXPECT_EQ(s().score, before) << cases[i].what;
        game = std::make_unique<Game>(host);
    }
}

TEST_F(TrafficAssignment, YardTrafficAloneNamesNoTrain) {
    standRake(ug3, {block(yardTraffic()), block(yardTraffic())});
    EXPECT_EQ(rakeDeparture(s(), console(), s().locations[ug3].occupant), 0);
    assign();
    EXPECT_TRUE(wasShown("No assignable departure found"));
    EXPECT_EQ(s().score, 0);
}

TEST_F(TrafficAssignment, BlocksJoinTheTrainAndEarnMoreFromAFastFreightYard) {
    const DepartureIndex r = freightTrain(2, 900);
    const PortionIndex fast1 = block(yardTraffic(2, 9));
    const PortionIndex fast2 = block(yardTraffic(2, 9));
    const PortionIndex slow = block(yardTraffic(2, 12));
    standRake(ug3, {fast1, s().departures[r].firstPortion, fast2, slow});
    assign();
    EXPECT_EQ(s().score, 5); // 2 + 2 + 1
    EXPECT_TRUE(wasShown("You gain 2 points for assigning traffic for Ormesdyke"));
    EXPECT_TRUE(wasShown("You gain 1 point for assigning traffic for Ormesdyke"));
    EXPECT_EQ(s().departures[r].portionCount, 4);
    EXPECT_EQ(departureListLength(s(), r), 4);
    for (PortionIndex p : {fast1, fast2, slow}) {
        EXPECT_EQ(s().portions[p].departure, r);
        EXPECT_EQ(s().portions[p].portionState, portionStanding);
        EXPECT_EQ(s().traffic[s().portions[p].traffic].departure, r);
    }
    // Not due within the hour: it stays a rake.
    EXPECT_EQ(s().locations[ug3].occState, occStock);
    EXPECT_EQ(rakeAt(ug3).size(), 4u);
}

TEST_F(TrafficAssignment, EachFailedCheckCostsAPointAndMovesNothing) {
    struct Case {
        const char* what;
        int trainType;
        int line;
        int trafficType;
        int trafficLine;
        const char* reason;
    };
    const Case cases[] = {
        {"work train", 11, 2, stoppingFreight, 2, "trying to add traffic to a non-traffic train"},
        {"unbraked on a fitted train", 9, 2, 12, 2, "trying to add unbraked traffic to a fully-fitted train"},
        {"down main for up main traffic", stoppingFreight, 3, stoppingFreight, 20,
         "trying to assign traffic for incompatible routes"},
    };
    for (const Case& c : cases) {
        SetUp();
        const DepartureIndex r = freightTrain(c.line, 640, c.trainType);
        const PortionIndex b = block(yardTraffic(c.trafficLine, c.trafficType));
        standRake(ug3, {s().departures[r].firstPortion, b});
        assign();
        EXPECT_EQ(s().score, -1) << c.what;
        EXPECT_TRUE(wasShown(std::string("You lose 1 point for ") + c.reason)) << c.what;
        EXPECT_NE(s().portions[b].departure, r) << c.what;
        EXPECT_EQ(s().departures[r].portionCount, 1) << c.what;
        game = std::make_unique<Game>(host);
    }
}

TEST_F(TrafficAssignment, RouteCompatibility) {
    struct Case {
        int line;        // the train's line; the yard is group 16
        int trafficLine; // the line of the traffic's yard pseudo-departure
        bool fits;
    };
    const Case cases[] = {
        {2, 2, true},  {3, 2, false},  {2, 3, true},    {7, 8, true},   {9, 5, true},    {1, 5, false},
        {1, 2, false}, {21, 21, true}, {20, 21, false}, {22, 21, true}, {23, 24, false},
    };
    for (const Case& c : cases) {
        SetUp();
        const DepartureIndex r = freightTrain(c.line);
        standRake(ug3, {s().departures[r].firstPortion, block(yardTraffic(c.trafficLine))});
        assign();
        EXPECT_EQ(s().score, c.fits ? 1 : -1) << "line " << c.line << ", traffic line " << c.trafficLine;
        game = std::make_unique<Game>(host);
    }
}

TEST_F(TrafficAssignment, AnLm8FTakesAtMostThirteenPortions) {
    const DepartureIndex r = freightTrain();
    const DepartureIndex pseudo = yardTraffic();
    std::vector<PortionIndex> rake{s().departures[r].firstPortion};
    for (int i = 0; i < 12; ++i) rake.push_back(block(pseudo));
    standRake(ug3, rake);
    assign();
    EXPECT_EQ(s().departures[r].portionCount, 13);

    game = std::make_unique<Game>(host);
    SetUp();
    const DepartureIndex full = freightTrain();
    std::vector<PortionIndex> more{s().departures[full].firstPortion};
    for (int i = 0; i < 13; ++i) more.push_back(block(yardTraffic()));
    standRake(ug3, more);
    assign();
    EXPECT_TRUE(wasShown("That train would exceed its maximum load."));
    EXPECT_EQ(s().departures[full].portionCount, 1);
    EXPECT_EQ(s().score, 0);
}

TEST_F(TrafficAssignment, TripsAboutTheYardsTakeAnyLoad) {
    const DepartureIndex r = freightTrain(9, 640, stoppingFreight);
    const DepartureIndex pseudo = yardTraffic(9);
    std::vector<PortionIndex> rake{s().departures[r].firstPortion};
    for (int i = 0; i < 15; ++i) rake.push_back(block(pseudo));
    standRake(ug3, rake);
    assign();
    EXPECT_EQ(s().departures[r].portionCount, 16);
}

TEST_F(TrafficAssignment, ACompleteRakeInItsGroupIsFormedWithinTheHour) {
    s().clock = 600;
    const DepartureIndex r = freightTrain(2, 655);
    const PortionIndex b1 = block(yardTraffic());
    const PortionIndex b2 = block(yardTraffic());
    standRake(ug3, {s().departures[r].firstPortion, b1, b2});
    assign();
    const Location& l = s().locations[ug3];
    EXPECT_EQ(l.occState, occDeparture);
    EXPECT_EQ(l.occupant, r);
    EXPECT_EQ(s().departures[r].state, departureFormed);
    EXPECT_EQ(s().departures[r].location, ug3);
    for (PortionIndex p = s().departures[r].firstPortion; p != 0; p = s().portions[p].depNext) {
        EXPECT_EQ(s().portions[p].portionState, portionInFormed);
        EXPECT_EQ(s().portions[p].location, ug3);
        EXPECT_EQ(s().portions[p].next, 0);
    }
}

TEST_F(TrafficAssignment, ACompleteRakeOutsideItsGroupOrTooEarlyIsAssignedButNotFormed) {
    s().clock = 600;
    const DepartureIndex away = freightTrain(2, 655);
    const PortionIndex b = block(yardTraffic());
    standRake(dg3, {s().departures[away].firstPortion, b});
    assign(dg3);
    EXPECT_EQ(s().portions[b].departure, away);
    EXPECT_EQ(s().locations[dg3].occState, occStock);
    EXPECT_EQ(s().departures[away].state, departureGathering);

    const DepartureIndex early = freightTrain(2, 661);
    const PortionIndex b2 = block(yardTraffic());
    standRake(ug3, {s().departures[early].firstPortion, b2});
    assign();
    EXPECT_EQ(s().portions[b2].departure, early);
    EXPECT_EQ(s().locations[ug3].occState, occStock);
}

TEST_F(TrafficAssignment, AFormedTrainWithItsEngineCoupledIsReady) {
    s().clock = 600;
    const DepartureIndex r = freightTrain(2, 650); // line 2 below group 16: leaves by the low end
    standRake(ug3, {s().departures[r].firstPortion, block(yardTraffic())});
    Location& l = s().locations[ug3];
    l.locoAt[innerPlace(lowEnd)] = s().departures[r].loco;
    l.endFlag[lowEnd] = 1;
    assign();
    EXPECT_EQ(s().departures[r].state, departureReady);
}

class InterYardTrip : public TrafficAssignment {
  protected:
    void SetUp() override {
        TrafficAssignment::SetUp();
        // The trip from Drennan Quarry to the up yard: its traffic arrives there on the trip's arrival.
        trip = freightTrain(16, 700, 12, drennan);
        back = addArrival(16, 720, upYard, 12);
        s().departures[trip].returnArrival = back;
        alreadyOn = newPortion(s(), back, 0, 0);
    }
    static constexpr int drennan = 11;
    DepartureIndex trip = 0;
    ArrivalIndex back = 0;
    PortionIndex alreadyOn = 0;
};

TEST_F(InterYardTrip, TheTrafficRidesOnToTheOtherYard) {
    const PortionIndex forQuarry = block(yardTraffic(), drennan);
    const PortionIndex forUpYard = block(yardTraffic(), upYard);
    const PortionIndex own = s().departures[trip].firstPortion;
    standRake(dg3, {forQuarry, own, forUpYard});
    assign(dg3);
    // Only traffic whose route the trip's group serves earns a point.
    EXPECT_EQ(s().score, 1);
    EXPECT_TRUE(wasShown("You gain 1 point for assigning traffic for inter-yard trip"));
    EXPECT_EQ(s().locations[dg3].occupant, own);
    EXPECT_EQ(rakeAt(dg3), std::vector<PortionIndex>{own});
    std::vector<PortionIndex> arriving;
    for (PortionIndex p = s().arrivals[back].firstPortion; p != 0; p = s().portions[p].next)
        arriving.push_back(p);
    EXPECT_EQ(arriving, (std::vector<PortionIndex>{alreadyOn, forQuarry, forUpYard}));
    for (PortionIndex p : {forQuarry, forUpYard}) {
        EXPECT_EQ(s().portions[p].traffic, 0);
        EXPECT_TRUE(isPseudoDeparture(s().departures[s().portions[p].departure]));
        EXPECT_EQ(s().portions[p].portionState, portionOnTrain);
    }
    EXPECT_EQ(s().departures[trip].portionCount, 1);
}

TEST_F(InterYardTrip, ATripOfTheSidingsGroupEarnsForAnyTraffic) {
    s().departures[trip].group = 9;
    standRake(dg3, {s().departures[trip].firstPortion, block(yardTraffic(), 12)});
    assign(dg3);
    EXPECT_EQ(s().score, 1);
}

TEST_F(TrafficAssignment, TheFinalLineFollowsTheEngineWhileItKeepsItsDirection) {
    // A trip from the up yard to the down yard whose engine comes back on a train that runs on up main.
    const DepartureIndex trip = addDeparture(16, 700, 17, stoppingFreight); // line 16 below 17: down
    const ArrivalIndex back = addArrival(16, 720, upYard, stoppingFreight);
    s().departures[trip].returnArrival = back;
    const DepartureIndex onward = addDeparture(3, 760, upYard, stoppingFreight); // down as well
    newPortion(s(), back, 0, onward);
    EXPECT_EQ(finalTrafficLine(s(), trip), 3);
    s().departures[onward].line = 21; // up: the chain stops before it
    EXPECT_EQ(finalTrafficLine(s(), trip), 16);
    EXPECT_EQ(finalTrafficLine(s(), onward), 21);
}

TEST_F(TrafficAssignment, AssignIsNotPossibleWhereNoStockStands) {
    assign();
    EXPECT_TRUE(wasShown("That isn't possible"));
}

} // namespace
} // namespace wm
