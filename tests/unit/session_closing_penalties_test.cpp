// What the end of a session still charges: passenger trains held at the signals and main-line departures
// that never got away.

#include "departure_scoring_fixture.h"

#include "console/time_format.h"
#include "session/closing_penalties.h"
#include "world/line_tables.h"

namespace wm {
namespace {

class ClosingPenalties : public DepartureScoring {
  protected:
    void SetUp() override {
        s().difficulty = 25;
        s().clock = 700;
    }
    /// The passenger train next due on line 2, booked at 10.00 and held `waitCount` checks at the signal.
    ArrivalIndex held(int waitCount, int trainType = 0, int late = 0, int time = 600) {
        const ArrivalIndex a = ++s().arrivalCount;
        Arrival& r = s().arrivals[a];
        r.time = time;
        r.late = late;
        r.line = 2;
        r.group = 15;
        r.trainType = trainType;
        r.origin = "Hathersay";
        s().lines[2].nextPassenger = a;
        s().lines[2].waitCount = waitCount;
        return a;
    }
    std::string closeHeld() {
        ChargeHeldArrivals(s(), game->console);
        return shown();
    }
    std::string closeLate() {
        ChargeLateDepartures(s(), game->console);
        return shown();
    }
    /// Minutes a departure of the line and type booked at 10.00 is late at 11.40, before any allowance.
    int lateAt700(int line, int trainType) { return 100 - approachTime(15, line, trainType); }
};

TEST_F(ClosingPenalties, AHeldPassengerTrainCostsHalfItsWaitBeyondItsLatenessAndTheLevelsTolerance) {
    held(10);
    EXPECT_EQ(closeHeld(), "error You lose 5 points for delaying incoming 10.00 from Hathersay\n");
    EXPECT_EQ(s().score, -5);

    held(10, 0, -2); // early counts as much as late
    EXPECT_EQ(closeHeld(), "error You lose 3 points for delaying incoming 10.00 from Hathersay\n");
    s().difficulty = 5;
    held(11);
    EXPECT_EQ(closeHeld(), "error You lose 3 points for delaying incoming 10.00 from Hathersay\n");
}

TEST_F(ClosingPenalties, NothingIsChargedForATrainNeverHeldNotYetDueOrWithinItsGrace) {
    held(0);
    EXPECT_EQ(closeHeld(), "");
    s().lines[12].nextPassenger = held(10); // a line without an approach points at line 2's train
    s().lines[12].waitCount = 10;
    s().lines[2].waitCount = 0;
    EXPECT_EQ(closeHeld(), "");
    held(10, 5); // parcels have five minutes more
    EXPECT_EQ(closeHeld(), "");
    held(12, 6);
    EXPECT_EQ(closeHeld(), "error You lose 1 point for delaying incoming 10.00 from Hathersay\n");
    held(20, 0, 10); // its own lateness covers the wait
    EXPECT_EQ(closeHeld(), "");
    held(10, 0, 0, 700 + approachTime(15, 2, 0)); // not due at the signal yet
    EXPECT_EQ(closeHeld(), "");
    const ArrivalIndex due = held(10, 0, 0, 699 + approachTime(15, 2, 0));
    EXPECT_EQ(closeHeld(), "error You lose 5 points for delaying incoming " +
                               FormatTime(s().arrivals[due].time) + " from Hathersay\n");
    EXPECT_EQ(s().score, -6);
}

TEST_F(ClosingPenalties, AMainLineDepartureStillHereCostsItsMinutesLessGraceAllowanceAndOne) {
    const DepartureIndex d = departure(2, 0);
    const int late = lateAt700(2, 0) - 1;
    EXPECT_EQ(closeLate(), "error You lose " + std::to_string(late) +
                               " points for late departure of 10.00 to Stourwick\n");
    s().departures[d].lateAllowance = late - 1;
    EXPECT_EQ(closeLate(), "error You lose 1 point for late departure of 10.00 to Stourwick\n");
    s().departures[d].lateAllowance = late;
    EXPECT_EQ(closeLate(), "");

    // The grace of its type is the one late arrivals have.
    s().departures[d].lateAllowance = 0;
    s().departures[d].trainType = 12;
    s().departures[d].line = 21;
    EXPECT_EQ(closeLate(), "error You lose " + std::to_string(lateAt700(21, 12) - 61) +
                               " points for late departure of 10.00 to Stourwick\n");
    s().difficulty = 5; // two minutes forgiven
    EXPECT_EQ(closeLate(), "error You lose " + std::to_string(lateAt700(21, 12) - 63) +
                               " points for late departure of 10.00 to Stourwick\n");
}

TEST_F(ClosingPenalties, DeparturesGoneOffTheMainLinesNotYetDueOrNeverFormedCostNothing) {
    s().departures[departure(2, 0)].state = departureOnWayOut;
    departure(9, 0);                                        // a local line
    s().departures[departure(2, 0)].time = 700;             // due now
    s().departures[departure(2, 0)].state = departureBuilt; // never formed
    // 500 minutes or more after every allowance is not counted.
    const DepartureIndex longAgo = departure(2, 0);
    s().departures[longAgo].time = 700 - 501 - approachTime(15, 2, 0);
    EXPECT_EQ(closeLate(), "");
    s().departures[longAgo].time += 1;
    EXPECT_EQ(closeLate(), "error You lose 499 points for late departure of " +
                               FormatTime(s().departures[longAgo].time) + " to Stourwick\n");
}

TEST_F(ClosingPenalties, TheFeedingArrivalsLatenessIsItsOwnAndATrainNotYetInExcusesTheDeparture) {
    const DepartureIndex d = departure(2, 0);
    const ArrivalIndex a = feeds(d, 30);
    const int late = lateAt700(2, 0) - 1;
    s().lines[2].nextPassenger = a + 1; // the arrival is in: the queue has moved past it
    EXPECT_EQ(closeLate(), "error You lose " + std::to_string(late - 30) +
                               " points for late departure of 10.00 to Stourwick\n");
    s().lines[2].nextPassenger = a; // it is the next one to come
    EXPECT_EQ(closeLate(), "error You lose " + std::to_string(late - 30) +
                               " points for late departure of 10.00 to Stourwick\n");
    s().arrivals[a].late = -5; // early is not taken off
    EXPECT_EQ(closeLate(), "error You lose " + std::to_string(late) +
                               " points for late departure of 10.00 to Stourwick\n");
    s().lines[2].nextPassenger = 0; // nothing pending on its line counts as not reached
    EXPECT_EQ(closeLate(), "");
    s().lines[2].nextPassenger = a + 1;
    s().arrivals[a].trainType = 9; // a freight's queue is not asked
    s().lines[2].nextPassenger = 0;
    EXPECT_EQ(closeLate(), "error You lose " + std::to_string(late) +
                               " points for late departure of 10.00 to Stourwick\n");
}

} // namespace
} // namespace wm
