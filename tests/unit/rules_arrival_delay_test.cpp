// An arrival that comes in later than booked and expected costs a point a minute beyond the level's
// tolerance and its type's grace; freight shunted in its yard and trains that run straight on are judged
// elsewhere.

#include "rules_fixture.h"

#include "console/time_format.h"
#include "rules/arrival_delay.h"
#include "rules/train_at_stand.h"

namespace wm {
namespace {

constexpr LocationId platform = 98; // PL3, of the station group
constexpr int station = 15;
constexpr int upYard = 16;
constexpr int veryEasy = 5;
constexpr int veryHard = 25;

class ArrivalDelay : public RulesGame {
  protected:
    /// The arrival stands in the place as the cycle leaves it when it comes to a stand.
    void standAt(LocationId place, ArrivalIndex arrival) {
        s().locations[place].occState = occArrival;
        s().locations[place].occupant = arrival;
    }
    std::string reason(ArrivalIndex a) {
        return "delaying arrival of " + FormatTime(s().arrivals[a].time) + " from " +
               s().arrivals[a].origin.str();
    }
};

TEST_F(ArrivalDelay, EachMinuteBeyondTheLevelsToleranceCostsAPoint) {
    const ArrivalIndex a = addArrival(2, 600, station, 0);
    s().difficulty = veryHard;
    s().clock = 601;
    EXPECT_EQ(countedArrivalDelay(s(), a), 1);
    s().difficulty = veryEasy;
    s().clock = 602;
    EXPECT_EQ(countedArrivalDelay(s(), a), 0);
    s().clock = 603;
    EXPECT_EQ(countedArrivalDelay(s(), a), 1);
}

TEST_F(ArrivalDelay, LatenessAlreadyExpectedIsNotCountedButEarlinessIs) {
    const ArrivalIndex a = addArrival(2, 600, station, 0);
    s().arrivals[a].late = 10;
    s().clock = 615;
    EXPECT_EQ(countedArrivalDelay(s(), a), 5);
    s().arrivals[a].late = -5;
    EXPECT_EQ(countedArrivalDelay(s(), a), 15);
}

TEST_F(ArrivalDelay, EachTypeHasItsGrace) {
    struct Case {
        int trainType;
        int grace;
    };
    for (const Case c : {Case{0, 0}, Case{4, 0}, Case{5, 5}, Case{7, 5}, Case{8, 30}, Case{9, 30},
                         Case{10, 120}, Case{11, 120}, Case{12, 60}}) {
        const ArrivalIndex a = addArrival(2, 600, station, c.trainType);
        s().clock = 600 + c.grace;
        EXPECT_EQ(countedArrivalDelay(s(), a), 0) << "type " << c.trainType;
        s().clock = 601 + c.grace;
        EXPECT_EQ(countedArrivalDelay(s(), a), 1) << "type " << c.trainType;
    }
}

TEST_F(ArrivalDelay, ATrainRunningStraightOnIsJudgedAtItsDeparture) {
    const ArrivalIndex soon = addArrival(2, 600, station, 0);
    newPortion(s(), soon, 0, addDeparture(20, 609, station, 0));
    const ArrivalIndex later = addArrival(2, 600, station, 0);
    newPortion(s(), later, 0, addDeparture(20, 610, station, 0));
    s().clock = 640;
    EXPECT_EQ(countedArrivalDelay(s(), soon), 0);
    EXPECT_EQ(countedArrivalDelay(s(), later), 40);
}

TEST_F(ArrivalDelay, ItIsChargedOnlyInAPlaceOfItsGroup) {
    const ArrivalIndex a = addArrival(2, 600, station, 0, "Fellingrove");
    s().clock = 604;
    chargeArrivalDelay(s(), console(), 121, a); // UY5, of the up yard
    EXPECT_EQ(s().score, 0);
    chargeArrivalDelay(s(), console(), platform, a);
    EXPECT_EQ(s().score, -4);
    EXPECT_TRUE(wasShown("You lose 4 points for " + reason(a)));
}

TEST_F(ArrivalDelay, FreightShuntedAboutItsYardIsNotCharged) {
    const ArrivalIndex freight = addArrival(1, 600, upYard, 10);
    s().clock = 800;
    chargeArrivalDelay(s(), console(), 125, freight); // UY1, a yard road
    EXPECT_EQ(s().score, 0);
    chargeArrivalDelay(s(), console(), 131, freight); // UG6, a reception road
    EXPECT_EQ(s().score, -80);
    // Its departure leaving within 12 minutes makes it a train that is dealt with as it stands.
    const ArrivalIndex quick = addArrival(1, 600, upYard, 10);
    newPortion(s(), quick, 0, addDeparture(20, 611, upYard, 10));
    chargeArrivalDelay(s(), console(), 125, quick);
    EXPECT_EQ(s().score, -160);
}

TEST_F(ArrivalDelay, ATrainComingToAStandLateIsChargedUnlessItTurnsIntoItsDeparture) {
    const ArrivalIndex late = addArrival(2, 600, station, 0);
    standAt(platform, late);
    s().clock = 603;
    settleTrainAtStand(s(), console(), services, platform);
    EXPECT_EQ(s().score, -3);
    EXPECT_TRUE(wasShown("You lose 3 points for " + reason(late)));

    const ArrivalIndex through = addArrival(2, 600, station, 0);
    const DepartureIndex onward = addDeparture(20, 600, station, 0);
    newPortion(s(), through, 0, onward);
    const LocationId other = 99; // PL4
    standAt(other, through);
    settleTrainAtStand(s(), console(), services, other);
    EXPECT_EQ(s().score, -3);
    EXPECT_EQ(s().locations[other].occState, occDeparture);
    EXPECT_EQ(s().locations[other].occupant, onward);
}

} // namespace
} // namespace wm
