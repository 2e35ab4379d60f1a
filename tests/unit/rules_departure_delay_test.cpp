// A departure's delay as it leaves: the level's tolerance, the grace of its type, the lateness it was
// handed by its arrival, and the time made up on that arrival.

#include "departure_scoring_fixture.h"

#include "rules/departure_delay.h"
#include "rules/lateness.h"
#include "world/line_tables.h"

namespace wm {
namespace {

class DepartureDelay : public DepartureScoring {
  protected:
    /// The departure leaves `behind` minutes after its booked time plus its line's running time.
    std::string leaves(DepartureIndex d, int behind, LocoIndex worker = 0) {
        const Departure& r = s().departures[d];
        s().clock = r.time + departureRunningTime(r.line, r.trainType) + behind;
        scoreDepartureDelay(s(), game->console, d, worker);
        return shown();
    }
};

TEST_F(DepartureDelay, TheLevelForgivesItsMinutesAndTheRestCostOneEach) {
    s().difficulty = 25; // "Very hard": nothing forgiven
    const DepartureIndex d = departure(2, 0);
    EXPECT_EQ(leaves(d, 1), "");
    EXPECT_EQ(leaves(d, 2), "error You lose 1 point for delaying departure of 10.00 Stourwick\n");
    EXPECT_EQ(s().score, -1);

    s().difficulty = 5; // "Very easy": two minutes forgiven
    EXPECT_EQ(leaves(d, 3), "");
    EXPECT_EQ(leaves(d, 5), "error You lose 2 points for delaying departure of 10.00 Stourwick\n");
    EXPECT_EQ(s().score, -3);
}

TEST_F(DepartureDelay, EachTypeHasItsGrace) {
    s().difficulty = 15; // one minute forgiven
    struct Case {
        int trainType, grace;
    };
    for (const Case c : {Case{4, 0}, Case{5, 5}, Case{7, 5}, Case{8, 15}, Case{9, 15}, Case{10, 60},
                         Case{11, 60}, Case{12, 30}}) {
        SCOPED_TRACE(c.trainType);
        const DepartureIndex d = departure(21, c.trainType);
        const int free = c.grace + delayTolerance(s().difficulty) + 1;
        EXPECT_EQ(leaves(d, free), "");
        EXPECT_EQ(leaves(d, free + 1), "error You lose 1 point for delaying departure of 10.00 Stourwick\n");
    }
}

TEST_F(DepartureDelay, TheDelayIsCountedFromTheBookedTimePlusTheLinesRunningTime) {
    s().difficulty = 25;
    const DepartureIndex slowFreight = departure(21, 12); // 14 minutes out on line 21
    s().clock = 600 + 14 + 32;
    scoreDepartureDelay(s(), game->console, slowFreight, 0);
    EXPECT_EQ(shown(), "error You lose 1 point for delaying departure of 10.00 Stourwick\n");
    EXPECT_EQ(minutesBehindTime(s(), slowFreight), 32);
}

TEST_F(DepartureDelay, FiveHundredCountedMinutesOrMoreCostNothing) {
    s().difficulty = 25;
    const DepartureIndex d = departure(2, 0);
    EXPECT_EQ(leaves(d, 500), "error You lose 499 points for delaying departure of 10.00 Stourwick\n");
    EXPECT_EQ(leaves(d, 501), "");
    EXPECT_EQ(leaves(d, 900), "");
}

TEST_F(DepartureDelay, MinutesMadeUpOnALateArrivalEarnPointsAndItsLatenessIsNotCharged) {
    s().difficulty = 25;
    const LocoIndex brought = engine(13, "16A");
    const LocoIndex fresh = engine(13, "16A");
    const DepartureIndex d = departure(2, 0);
    feeds(d, 60, brought);
    EXPECT_EQ(leaves(d, 40, fresh), "bonus You gain 3 points for picking up lost time on 10.00 Stourwick\n");
    EXPECT_EQ(s().score, 3);
    // The engine that brought the train in earns nothing for it; the inherited minutes still cost nothing.
    EXPECT_EQ(leaves(d, 40, brought), "");
    // Less than five minutes made up earns nothing, and minutes beyond the arrival's are the player's.
    EXPECT_EQ(leaves(d, 56, fresh), "");
    EXPECT_EQ(leaves(d, 63, fresh), "error You lose 2 points for delaying departure of 10.00 Stourwick\n");
}

TEST_F(DepartureDelay, OnlyAPassengerOrParcelsTrainDueSoonAfterItsArrivalEarnsForTimeMadeUp) {
    s().difficulty = 25;
    const DepartureIndex parcels = departure(2, 6);
    feeds(parcels, 60);
    EXPECT_EQ(leaves(parcels, 20), "bonus You gain 7 points for picking up lost time on 10.00 Stourwick\n");
    const DepartureIndex emptyStock = departure(2, 7);
    feeds(emptyStock, 60);
    EXPECT_EQ(leaves(emptyStock, 20), "");
    // Booked 70 minutes after its late arrival: the arrival's lateness did not reach it.
    const DepartureIndex later = departure(2, 0);
    feeds(later, 60, 0, 530);
    EXPECT_EQ(leaves(later, 20), "");
}

TEST_F(DepartureDelay, OfTheArrivalsThatBroughtItsPortionsTheLatestFeedsTheDeparture) {
    s().difficulty = 25;
    const DepartureIndex d = departure(2, 4);
    feeds(d, 10);
    const ArrivalIndex latest = feeds(d, 30);
    feeds(d, -5);
    EXPECT_EQ(feedingArrival(s(), d), latest);
    EXPECT_EQ(leaves(d, 35), "error You lose 4 points for delaying departure of 10.00 Stourwick\n");

    // Portions that came on time, or were in the station at the start, hand on no lateness.
    const DepartureIndex onTime = departure(2, 4);
    feeds(onTime, 0);
    feeds(onTime, -3);
    EXPECT_EQ(feedingArrival(s(), onTime), 0);
}

TEST_F(DepartureDelay, AnArrivalThatRunsOnAsTheDepartureFeedsItEvenWhenOnTime) {
    s().difficulty = 25;
    const DepartureIndex d = departure(2, 4);
    const ArrivalIndex through = feeds(d, 0);
    EXPECT_EQ(feedingArrival(s(), d), through);
    EXPECT_EQ(leaves(d, 3), "error You lose 2 points for delaying departure of 10.00 Stourwick\n");
}

} // namespace
} // namespace wm
