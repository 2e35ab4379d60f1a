// The engines a departure leaves behind: their condition, the bonus for the booked class and shed, the
// exchange of later duties, power, facing, and the classes allowed on the branch lines.

#include "departure_scoring_fixture.h"

#include "rules/duty_exchange.h"
#include "rules/engine_bonus.h"
#include "rules/engine_choice.h"
#include "world/sheds.h"

namespace wm {
namespace {

constexpr int dmu = 1, jinty = 2, lm4t = 5, lm5 = 11, jubilee = 13, duke = 22, britannia = 23;

class EngineChoice : public DepartureScoring {
  protected:
    void SetUp() override { s().clock = 600; }
    std::string leaves(DepartureIndex d, LocoIndex engine, LocoIndex second = 0) {
        scoreEngineChoice(s(), game->console, d, engine, second);
        return shown();
    }
    int bonus(DepartureIndex d, LocoIndex used, LocoIndex booked) {
        return engineBonus(s(), loadedShedTable(), s().departures[d], used, booked).points;
    }
};

TEST_F(EngineChoice, TheBookedClassAndTheTrainsOwnShedEarnUpToFourPoints) {
    const LocoIndex booked = engine(jubilee, " 8B");
    const DepartureIndex d = departure(2, 0, booked, "16A");
    const LocoIndex sameClassOwnShed = engine(jubilee, "16A");
    EXPECT_EQ(leaves(d, sameClassOwnShed),
              "bonus You gain 4 points for using 16A Jub   loco on 10.00 Stourwick\n");
    EXPECT_EQ(s().score, 4);
    EXPECT_EQ(leaves(d, booked), "bonus You gain 3 points for using  8B Jub   loco on 10.00 Stourwick\n");
    // An engine of the local shed scores only its class; one of another class only its shed.
    EXPECT_EQ(leaves(d, engine(jubilee, " SH")),
              "bonus You gain 1 point for using Jub   loco on 10.00 Stourwick\n");
    EXPECT_EQ(leaves(d, engine(britannia, "16A")),
              "bonus You gain 3 points for using 16A loco on 10.00 Stourwick\n");
}

TEST_F(EngineChoice, TheShedScoreFollowsTheDistricts) {
    const LocoIndex booked = engine(duke, " 9B");
    const DepartureIndex d = departure(2, 0, booked, "12A");
    EXPECT_EQ(bonus(d, engine(lm5, "12B"), booked), 2); // same district as the train's shed
    EXPECT_EQ(bonus(d, engine(lm5, "11A"), booked), 1); // a neighbouring district
    EXPECT_EQ(bonus(d, engine(lm5, "21A"), booked), 0); // far away
    // The two other sheds of the local district earn only one, as the booked shed or the train's.
    EXPECT_EQ(bonus(d, engine(lm5, " 9B"), booked), 1);
    const DepartureIndex local = departure(2, 0, 0, " 9D");
    EXPECT_EQ(bonus(local, engine(lm5, " 9D"), 0), 1);
    // Diesel units earn nothing, nor does any engine off the main lines.
    EXPECT_EQ(bonus(d, engine(dmu, "12A"), engine(dmu, "12A")), 0);
    const DepartureIndex branch = departure(9, 4, booked, "12A");
    EXPECT_EQ(leaves(branch, engine(duke, "12A")),
              "error You lose 3 points for loco. Duke  not allowed to SC\n");
}

TEST_F(EngineChoice, AnEngineTakingItsOwnTrainStraightOnEarnsNoBonus) {
    const LocoIndex booked = engine(jubilee, "16A");
    const LocoIndex brought = engine(jubilee, "16A");
    const DepartureIndex d = departure(2, 0, booked, "16A");
    feeds(d, 0, brought, 560);
    s().arrivals[1].line = 21; // came in from the up side and goes on down
    EXPECT_EQ(leaves(d, brought), "");
    // Booked more than an hour after it came in, the same engine was chosen again.
    s().arrivals[1].time = 539;
    EXPECT_EQ(leaves(d, brought), "bonus You gain 3 points for using 16A Jub   loco on 10.00 Stourwick\n");
}

TEST_F(EngineChoice, AnEngineOrPilotNotAvailableCostsFive) {
    const LocoIndex booked = engine(lm5, " SH");
    const DepartureIndex d = departure(2, 0, booked, "12A");
    const LocoIndex pilot = engine(lm5, " SH");
    s().locos[booked].condition = conditionNeedsWater;
    s().locos[pilot].condition = conditionNeedsRepair;
    EXPECT_EQ(leaves(d, booked, pilot),
              "error You lose 5 points for providing unserviceable loco for 10.00 Stourwick\n"
              "error You lose 5 points for providing unserviceable pilot for 10.00 "
              "Stourwick\n"
              "bonus You gain 1 point for using LM 5  loco on 10.00 Stourwick\n");
    // Off the main lines the condition is not judged here.
    const DepartureIndex trip = departure(14, 8, booked, " SH");
    EXPECT_EQ(leaves(trip, booked), "");
}

TEST_F(EngineChoice, AnEngineStandingInForOneOfItsClassSwapsTheLaterDuties) {
    const LocoIndex booked = engine(lm5, " SH");
    const LocoIndex used = engine(lm5, " SH");
    const LocoIndex other = engine(lm5, " SH");
    const DepartureIndex earlier = departure(2, 4, booked);
    const DepartureIndex d = departure(2, 4, booked);
    const DepartureIndex bookedsNext = departure(2, 4, booked);
    const DepartureIndex usedsNext = departure(2, 4, used);
    const DepartureIndex asPilots = departure(2, 4, other);
    s().departures[asPilots].loco2 = booked;
    const DepartureIndex gone = departure(2, 4, booked);
    s().departures[gone].state = departureOnWayOut;
    leaves(d, used);
    EXPECT_EQ(s().departures[earlier].loco, booked);
    EXPECT_EQ(s().departures[bookedsNext].loco, used);
    EXPECT_EQ(s().departures[usedsNext].loco, booked);
    EXPECT_EQ(s().departures[asPilots].loco, other);
    EXPECT_EQ(s().departures[asPilots].loco2, used);
    EXPECT_EQ(s().departures[gone].loco, booked);

    // An engine of another class takes over nobody's day.
    const LocoIndex tank = engine(lm4t, " SH");
    const DepartureIndex byTank = departure(2, 4, used);
    const DepartureIndex tanksNext = departure(2, 4, tank);
    leaves(byTank, tank);
    EXPECT_EQ(s().departures[tanksNext].loco, tank);
}

TEST_F(EngineChoice, ThePilotSwapsWithTheBookedPilotAndTheStandbyUnitKeepsItsDay) {
    const LocoIndex bookedPilot = engine(lm5, " SH");
    const LocoIndex pilot = engine(lm5, " SH");
    const LocoIndex train = engine(duke, "12A");
    const LocoIndex standby = engine(dmu, " SH");
    s().locos[standby].duty = standbyUnitDuty;
    const DepartureIndex d = departure(2, 0, train, "12A");
    s().departures[d].loco2 = bookedPilot;
    const DepartureIndex next = departure(2, 0, bookedPilot);
    s().departures[next].loco2 = pilot;
    leaves(d, train, pilot);
    EXPECT_EQ(s().departures[next].loco, pilot);
    EXPECT_EQ(s().departures[next].loco2, bookedPilot);

    // A booked engine after the standby unit in the table keeps its later duties; the one used still
    // hands its own over.
    const LocoIndex lateUnit = engine(dmu, " SH");
    const LocoIndex otherUnit = engine(dmu, " SH");
    const DepartureIndex unitTrain = departure(2, 4, lateUnit);
    const DepartureIndex unitsNext = departure(2, 4, lateUnit);
    const DepartureIndex othersNext = departure(2, 4, otherUnit);
    leaves(unitTrain, otherUnit);
    EXPECT_EQ(s().departures[unitsNext].loco, lateUnit);
    EXPECT_EQ(s().departures[othersNext].loco, lateUnit);
}

TEST_F(EngineChoice, EnginesWeakerThanTheBookedOnesCostThree) {
    const LocoIndex booked = engine(duke, " SH");
    const DepartureIndex express = departure(2, 0, booked);
    EXPECT_EQ(leaves(express, engine(lm5, " SH")),
              "error You lose 3 points for providing inadequate motive power for 10.00 Stourwick\n");
    EXPECT_EQ(leaves(express, engine(lm5, " SH"), engine(jinty, " SH")),
              "error You lose 3 points for providing inadequate motive power for 10.00 Stourwick\n");
    EXPECT_EQ(leaves(express, engine(lm5, " SH"), engine(lm5, " SH")), ""); // 5 + 5 against 8
    // A freight train counts freight power: a Jubilee (5) is weaker there than a Duke (6).
    const DepartureIndex freight = departure(2, 10, booked);
    EXPECT_EQ(leaves(freight, engine(jubilee, " SH")),
              "error You lose 3 points for providing inadequate motive power for 10.00 Stourwick\n");
    EXPECT_EQ(leaves(freight, engine(britannia, " SH")), "");
}

TEST_F(EngineChoice, ATenderEngineMustFaceTheWayTheTrainLeaves) {
    const std::string wrongWay = "error You lose 3 points for loco. facing wrong way on 10.00 Stourwick\n";
    const DepartureIndex down = departure(2, 4);
    const DepartureIndex up = departure(21, 4);
    EXPECT_EQ(leaves(down, engine(lm5, " SH", 0)), wrongWay);
    EXPECT_EQ(leaves(down, engine(lm5, " SH", 1)), "");
    EXPECT_EQ(leaves(up, engine(lm5, " SH", 1)), wrongWay);
    EXPECT_EQ(leaves(up, engine(lm5, " SH", 0)), "");
    // Tank engines, light engines and line 23 are not judged.
    EXPECT_EQ(leaves(down, engine(lm4t, " SH", 0)), "");
    EXPECT_EQ(leaves(departure(2, 8), engine(lm5, " SH", 0)), "");
    EXPECT_EQ(leaves(departure(23, 4), engine(lm5, " SH", 1)), "");
    s().departures[down].destination = "*Stourwick";
    EXPECT_EQ(leaves(down, engine(lm5, " SH", 0)), "");
}

TEST_F(EngineChoice, TrainsForDestinationsReachedByReversingMayLeaveEitherWayRound) {
    const DepartureIndex down = departure(2, 2);
    s().departures[down].destination = "Ashcombe Pk";
    EXPECT_EQ(leaves(down, engine(lm5, " SH", 0)), "");
    // The exemption holds only for the side it is listed for.
    const DepartureIndex up = departure(21, 2);
    s().departures[up].destination = "Ashcombe Pk";
    EXPECT_EQ(leaves(up, engine(lm5, " SH", 1)),
              "error You lose 3 points for loco. facing wrong way on 10.00 Ashcombe Pk\n");
    s().departures[up].destination = "Fellingrove";
    EXPECT_EQ(leaves(up, engine(lm5, " SH", 1)), "");
}

TEST_F(EngineChoice, OnlyJintiesMayWorkTheBranchLines) {
    const DepartureIndex sidings = departure(9, 10);
    EXPECT_EQ(leaves(sidings, engine(jinty, " SH")), "");
    EXPECT_EQ(leaves(sidings, engine(lm4t, " SH"), engine(jinty, " SH")),
              "error You lose 3 points for loco. LM 4T not allowed to SC\n");
    const DepartureIndex quarry = departure(11, 10);
    EXPECT_EQ(leaves(quarry, engine(lm4t, " SH"), engine(lm5, " SH")),
              "error You lose 3 points for loco. LM 4T not allowed to DR\n"
              "error You lose 3 points for loco. LM 5  not allowed to DR\n");
    EXPECT_EQ(s().score, -9);
}

} // namespace
} // namespace wm
