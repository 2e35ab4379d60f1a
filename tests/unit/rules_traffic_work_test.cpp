// Traffic worked in the sidings: how long the work takes, when it runs, and what it leaves when done.

#include "rules_fixture.h"

#include "rules/traffic_places.h"
#include "rules/traffic_work.h"
#include "world/rakes.h"
#include "world/reference_tables.h"
#include "world/ticks.h"

namespace wm {
namespace {

constexpr int upYard = 16;
constexpr LocationId uy5 = 121; // goods siding of the up yard, the proper one for general traffic
constexpr LocationId uy1 = 125; // an up yard road where nothing is unloaded
constexpr LocationId wal = 93;  // parcels dock of the station
constexpr int sunday = 7;

class TrafficWork : public RulesGame {
  protected:
    int minutes(TrafficIndex t, LocationId place = uy5) {
        return trafficWorkMinutes(s(), console(), services, place, t);
    }
    /// Traffic for the route, on a departure of the group leaving at `time`.
    TrafficIndex forDeparture(int time, int type = trafficGeneral, int group = upYard, int route = upYard) {
        return addTraffic(route, type, addDeparture(2, time, group, 10));
    }
    /// The traffic's portion standing alone at the place, not yet worked.
    void standAlone(TrafficIndex t, LocationId place) {
        const PortionIndex p = s().traffic[t].portion;
        s().portions[p].portionState = portionDetached;
        s().portions[p].location = place;
        s().locations[place].occState = occStock;
        s().locations[place].occupant = p;
    }
    /// The traffic being worked at the place with the ticks of work left.
    void beingWorked(TrafficIndex t, LocationId place, int ticks) {
        s().locations[place].occState = occTraffic;
        s().locations[place].occupant = t;
        s().traffic[t].readyAt = ticks;
        s().portions[s().traffic[t].portion].portionState = portionBeingWorked;
        s().portions[s().traffic[t].portion].location = place;
    }
    void tick() { advanceTrafficWork(s(), console(), services); }
};

TEST_F(TrafficWork, TrafficWithNoDepartureOrOnlyAYardsIsWorkedForItsUsualTime) {
    EXPECT_EQ(minutes(addTraffic(upYard, trafficGeneral, 0)), 1600);
    const DepartureIndex yard = addDeparture(16, notRunningTime, upYard, 12);
    EXPECT_EQ(minutes(addTraffic(upYard, trafficGeneral, yard)), 240);
    EXPECT_EQ(minutes(addTraffic(upYard, trafficCoal, yard)), 960);
    EXPECT_EQ(minutes(addTraffic(upYard, trafficTimber, yard)), 120);
    EXPECT_EQ(minutes(addTraffic(upYard, trafficCattle, yard)), 60);
    draw = [](int n) { return n - 1; };
    EXPECT_EQ(minutes(addTraffic(upYard, trafficParcels, yard)), 79);
}

TEST_F(TrafficWork, WorkForARealDepartureIsDoneWithinTheWorkingDay) {
    s().clock = 600;
    EXPECT_EQ(minutes(forDeparture(1000)), 309);                     // 91 minutes before it leaves
    EXPECT_EQ(minutes(forDeparture(1500, trafficCoal)), 590);        // done by 19:50
    EXPECT_EQ(minutes(forDeparture(1000, trafficGeneral, 17)), 189); // 120 less for another group
    EXPECT_EQ(minutes(forDeparture(1000, trafficTimber)), 240);      // at most twice the usual time
    draw = [](int n) { return n == 10 ? 9 : 0; };
    EXPECT_EQ(minutes(forDeparture(1000, trafficTimber)), 249);
}

TEST_F(TrafficWork, WorkBegunBeforeEightIsCountedFromEight) {
    s().clock = 400;
    EXPECT_EQ(minutes(forDeparture(1000, trafficCoal)), 429);
    EXPECT_EQ(minutes(forDeparture(1500, trafficCoal)), 710);
    // Loco coal is worked at any hour, so neither cut applies.
    EXPECT_EQ(minutes(forDeparture(1500, trafficLocoCoal)), 1009);
}

TEST_F(TrafficWork, WorkTakesAtLeastSeventyMinutes) {
    s().clock = 600;
    EXPECT_EQ(minutes(forDeparture(800, trafficGeneral, 17)), 70);
}

TEST_F(TrafficWork, TrafficThatWouldMissADepartureOfSeveralPortionsIsTakenOffIt) {
    s().clock = 600;
    const TrafficIndex t = forDeparture(700);
    const DepartureIndex d = s().traffic[t].departure;
    newPortion(s(), 0, 0, d);
    ASSERT_EQ(s().departures[d].portionCount, 2);
    EXPECT_EQ(minutes(t), 1600);
    EXPECT_EQ(s().score, -2);
    EXPECT_TRUE(wasShown("You lose 2 points for making traffic in UY5 miss departure"));
    EXPECT_EQ(s().traffic[t].departure, 0);
    EXPECT_EQ(s().portions[s().traffic[t].portion].departure, 0);
    EXPECT_EQ(s().departures[d].portionCount, 1);

    // The only portion of its train keeps it; the train waits for it.
    const TrafficIndex alone = forDeparture(700);
    EXPECT_EQ(minutes(alone), 70);
    EXPECT_EQ(s().score, -2);
}

TEST_F(TrafficWork, ParcelsAndMilkAreHurriedForTheirTrain) {
    s().clock = 600;
    const TrafficIndex parcels = forDeparture(660, trafficParcels, 15, 15);
    newPortion(s(), 0, 0, s().traffic[parcels].departure);
    EXPECT_EQ(minutes(parcels, wal), 30);
    EXPECT_EQ(minutes(forDeparture(640, trafficMilk, 15, 15), wal), 20);
    EXPECT_EQ(s().score, 0);
}

TEST_F(TrafficWork, WorkStartsWhenALonePortionStandsInASidingThatTakesIt) {
    s().clock = 600;
    const TrafficIndex t = forDeparture(1000);
    standAlone(t, uy5);
    tick();
    const Location& l = s().locations[uy5];
    EXPECT_EQ(l.occState, occTraffic);
    EXPECT_EQ(l.occupant, t);
    EXPECT_EQ(s().traffic[t].readyAt, ticksPerMinute * 309);
    EXPECT_EQ(s().portions[s().traffic[t].portion].portionState, portionBeingWorked);
    EXPECT_EQ(s().score, 1);
    EXPECT_TRUE(wasShown("You gain 1 point for shunting General traffic to UY5"));
}

TEST_F(TrafficWork, OnlyTheProperSidingEarnsTheShuntingPoint) {
    const LocationId coalSiding = 122;
    const TrafficIndex elsewhere = forDeparture(1000, trafficCoal);
    standAlone(elsewhere, uy5);
    tick();
    EXPECT_EQ(s().locations[uy5].occState, occTraffic);
    EXPECT_EQ(s().score, 0);
    const TrafficIndex proper = forDeparture(1000, trafficCoal);
    standAlone(proper, coalSiding);
    tick();
    EXPECT_EQ(s().locations[coalSiding].occState, occTraffic);
    EXPECT_EQ(s().score, 1);
    EXPECT_TRUE(
        wasShown("You gain 1 point for shunting Coal traffic to " + s().locations[coalSiding].code.str()));
}

TEST_F(TrafficWork, NoWorkStartsWithAnEngineThereOrWhereTheSidingDoesNotTakeIt) {
    const TrafficIndex withEngine = forDeparture(1000);
    standAlone(withEngine, uy5);
    s().locations[uy5].locoAt[innerPlace(highEnd)] = 1;
    const TrafficIndex nowhere = forDeparture(1000);
    standAlone(nowhere, uy1);
    const TrafficIndex otherRoute = addTraffic(17, trafficGeneral, 0);
    standAlone(otherRoute, 123);
    tick();
    EXPECT_EQ(s().locations[uy5].occState, occStock);
    EXPECT_EQ(s().locations[uy1].occState, occStock);
    EXPECT_EQ(s().locations[123].occState, occStock);
    EXPECT_EQ(s().score, 0);
}

TEST_F(TrafficWork, GoodsAreWorkedOnlyInWorkingHoursAndNeverOnASunday) {
    const TrafficIndex goods = forDeparture(1400);
    const TrafficIndex parcels = forDeparture(1400, trafficParcels, 15, 15);
    beingWorked(goods, uy5, 500);
    beingWorked(parcels, wal, 500);
    struct Case {
        int clock;
        int day;
        int left;
        bool goodsWorked;
    };
    for (const Case c : {Case{480, 5, 500, false}, Case{481, 5, 500, true}, Case{1199, 6, 500, true},
                         Case{1200, 5, 90, false}, Case{1200, 5, 89, true}, Case{1430, 5, 89, true},
                         Case{600, sunday, 500, false}}) {
        s().clock = c.clock;
        s().dayCode = c.day;
        s().traffic[goods].readyAt = c.left;
        s().traffic[parcels].readyAt = 500;
        tick();
        EXPECT_EQ(s().traffic[goods].readyAt, c.goodsWorked ? c.left - 1 : c.left) << c.clock << " " << c.day;
        EXPECT_EQ(s().traffic[parcels].readyAt, 499) << c.clock << " " << c.day;
    }
}

TEST_F(TrafficWork, FinishedWorkLeavesThePortionStandingAndSaysWhere) {
    const TrafficIndex t = forDeparture(1000);
    beingWorked(t, uy5, 1);
    tick();
    const PortionIndex p = s().traffic[t].portion;
    const Location& l = s().locations[uy5];
    EXPECT_EQ(l.occState, occStock);
    EXPECT_EQ(l.occupant, p);
    EXPECT_EQ(s().portions[p].portionState, portionStanding);
    EXPECT_EQ(s().portions[p].coupledToNext, 0);
    EXPECT_EQ(s().traffic[t].readyAt, 0);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], "Work now complete in UY5 on Yards screen");
    // Done is done: the portion is not taken up again.
    tick();
    EXPECT_EQ(l.occState, occStock);
    EXPECT_EQ(s().score, 0);
}

TEST_F(TrafficWork, APortionThatAloneMakesADepartureDueSoonStandsFormed) {
    s().clock = 600;
    const TrafficIndex due = forDeparture(609);
    beingWorked(due, uy5, 1);
    const TrafficIndex later = forDeparture(610);
    beingWorked(later, 123, 1);
    tick();
    const DepartureIndex d = s().traffic[due].departure;
    EXPECT_EQ(s().locations[uy5].occState, occDeparture);
    EXPECT_EQ(s().locations[uy5].occupant, d);
    EXPECT_EQ(s().departures[d].state, departureFormed);
    EXPECT_EQ(s().departures[d].location, uy5);
    EXPECT_EQ(s().portions[s().traffic[due].portion].portionState, portionInFormed);
    EXPECT_EQ(s().locations[123].occState, occStock);
}

TEST_F(TrafficWork, ALonePortionIsSingleTrafficOnlyWhereItsRouteIs) {
    const TrafficIndex t = forDeparture(1000);
    standAlone(t, uy5);
    const PortionIndex p = s().traffic[t].portion;
    EXPECT_EQ(singleTrafficAtPlace(s(), p, uy5), t);
    EXPECT_EQ(singleTrafficAtPlace(s(), p, uy1), 0);
    const PortionIndex behind = newPortion(s(), 0, 0, 0);
    appendPortion(s(), p, behind, true);
    EXPECT_EQ(singleTrafficAtPlace(s(), p, uy5), 0);
}

TEST_F(TrafficWork, EachTypeIsWorkedOnlyInItsOwnSidingsWithTheEngineRoomItNeeds) {
    struct Case {
        int type;
        int route;
        LocationId place;
        int enginePlace; // an engine standing in this place of the siding, 0 none
        bool accepted;
    };
    const Case cases[] = {
        {trafficEmptyStock, upYard, uy5, 0, false},
        {trafficParcels, 15, wal, 0, true},
        {trafficParcels, upYard, wal, 0, false}, // the traffic's route is not the siding's group
        {trafficMilk, upYard, uy5, 0, false},    // no dock there
        {trafficGeneral, upYard, uy5, 0, true},
        {trafficGeneral, upYard, uy1, 0, false},
        {trafficLocoCoal, 14, 33, 0, true},
        {trafficLocoCoal, 14, 32, 0, false},
        {trafficGeneral, 14, 32, 0, true},
        {trafficWagonsForRepair, 18, 161, 0, true},
        {trafficWagonsForRepair, 18, 160, 0, false},
        {trafficOil, upYard, 127, 0, true},
        {trafficOil, upYard, 128, 0, false},
        {trafficGeneral, upYard, uy5, 3, false}, // the high end must be free at UY5
        {trafficGeneral, upYard, uy5, 1, true},
        {trafficOil, upYard, 127, 2, false}, // the low end at GSO
        {trafficOil, upYard, 127, 4, true},
    };
    for (const Case& c : cases) {
        const TrafficIndex t = addTraffic(c.route, c.type, 0);
        Location& l = s().locations[c.place];
        l.locoAt = {};
        if (c.enginePlace != 0) l.locoAt[c.enginePlace] = 1;
        EXPECT_EQ(placeAccepts(s(), t, c.place), c.accepted)
            << trafficTypeName(c.type) << " for route " << c.route << " at " << c.place << ", engine place "
            << c.enginePlace;
        l.locoAt = {};
    }
}

} // namespace
} // namespace wm
