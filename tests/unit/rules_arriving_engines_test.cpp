// The condition, facing and lateness an arriving engine turns up with, and engines booked back home.

#include <gtest/gtest.h>

#include "rules/arriving_engines.h"
#include "world/game_state.h"
#include "world/line_tables.h"

namespace wm {
namespace {

class ArrivingEngines : public ::testing::Test {
  protected:
    void SetUp() override {
        s.clock = 600;
        s.shiftStart = 1;
        s.difficulty = 15;
        s.locoCount = 4;
    }

    ArrivalIndex add(int line, int group, LocoIndex loco, int condCode, int time = 900) {
        const ArrivalIndex i = ++s.arrivalCount;
        Arrival& a = s.arrivals[i];
        a.line = line;
        a.group = group;
        a.time = time;
        a.trainType = 0;
        a.loco = loco;
        a.condCode = condCode;
        return i;
    }

    /// The condition draw gives `r`; every later draw gives `rest`.
    static Draw drawing(int r, int rest = 0) {
        return [r, rest, first = true](int n) mutable {
            const int v = first ? r : rest;
            first = false;
            return v % n;
        };
    }

    GameState s;
};

TEST_F(ArrivingEngines, FailuresComeOnlyAboveVeryEasyOneMoreChanceALevel) {
    const struct {
        int difficulty;
        int failures;
    } levels[] = {{5, 0}, {10, 1}, {15, 2}, {20, 3}, {25, 4}};
    for (const auto& level : levels) {
        s.difficulty = level.difficulty;
        int failures = 0;
        for (int condCode : {0, 40, 92}) {
            for (int r = 0; r <= 98; ++r) {
                s.arrivalCount = 0;
                const ArrivalIndex a = add(1, 15, 1, condCode);
                s.arrivals[a].late = 30; // well past the floor, so only a failure changes it
                drawArrivingEngine(s, a, drawing(r, 3));
                const bool failed = s.locos[1].condition == conditionNeedsRepair;
                EXPECT_EQ(s.arrivals[a].late, failed ? 30 + 10 + 3 : 30)
                    << "level " << level.difficulty << " r " << r;
                if (failed) {
                    EXPECT_GT(r, condCode);
                    EXPECT_EQ(s.locos[1].workTime, 180 + 3 * 3);
                    if (condCode == 0) ++failures;
                }
            }
        }
        EXPECT_EQ(failures, level.failures) << "level " << level.difficulty;
    }
}

TEST_F(ArrivingEngines, FacingFollowsTheMainLineUnlessTheCodeSaysOtherwise) {
    // Down the line 20 into group 15 (group below line) faces 1; up the line 1 into group 15 faces 0.
    const struct {
        int line;
        int condCode;
        int facingBefore;
        int facing;
    } cases[] = {
        {20, 99, 0, 1}, {1, 99, 1, 0},  // main lines set it
        {20, 93, 0, 0}, {1, 97, 1, 1},  // coal and water codes leave it
        {20, 94, 1, 0}, {1, 94, 0, 1},  // 94 sets it the other way round, on any line
        {16, 94, 1, 0}, {16, 99, 1, 1}, // a local line leaves it otherwise
    };
    for (const auto& c : cases) {
        s.arrivalCount = 0;
        s.locos[1].facing = c.facingBefore;
        const ArrivalIndex a = add(c.line, 15, 1, c.condCode);
        drawArrivingEngine(s, a, drawing(0));
        EXPECT_EQ(s.locos[1].facing, c.facing) << "line " << c.line << " code " << c.condCode;
    }
}

TEST_F(ArrivingEngines, ASecondEngineIsAlwaysAvailableAndFacesTheWayItRuns) {
    for (int condCode : {94, 95, 10}) {
        s.arrivalCount = 0;
        s.locos[2].condition = conditionNeedsRepair;
        s.locos[2].facing = 0;
        const ArrivalIndex a = add(16, 17, 1, condCode);
        s.arrivals[a].loco2 = 2;
        drawArrivingEngine(s, a, drawing(98));
        EXPECT_EQ(s.locos[2].condition, conditionAvailable) << condCode;
        EXPECT_EQ(s.locos[2].facing, 0) << condCode; // group 17 is not below line 16
    }
    s.arrivals[1].line = 20;
    s.arrivals[1].group = 15;
    drawArrivingEngine(s, 1, drawing(0));
    EXPECT_EQ(s.locos[2].facing, 1);
}

TEST_F(ArrivingEngines, TheLatenessFloorSpacesTrainsOnlyAfterTheFirstMinuteAndNeverMakesATrainEarlier) {
    const int running = arrivalRunningTime(1, 15, 0);
    const int headway = lineHeadway(1, speedClass(0));
    ASSERT_GT(headway, 0);

    // condCode 99 and no engine: nothing drawn, the floor still holds.
    const ArrivalIndex noEngineYet = add(1, 15, noEngine, 99, 601);
    int draws = 0;
    drawArrivingEngine(s, noEngineYet, [&draws](int) { return ++draws, 0; });
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(s.arrivals[noEngineYet].late, running + 600 + headway - 601);

    s.clock = s.shiftStart;
    const ArrivalIndex first = add(1, 15, 0, 99, s.shiftStart);
    drawArrivingEngine(s, first, drawing(0));
    EXPECT_EQ(s.arrivals[first].late, running); // no headway at the first minute

    s.clock = 600;
    const ArrivalIndex wellLate = add(1, 15, 1, 99, 601);
    s.arrivals[wellLate].late = 90;
    drawArrivingEngine(s, wellLate, drawing(0));
    EXPECT_EQ(s.arrivals[wellLate].late, 90);

    // Far enough off to need no floor: a lateness already known is kept.
    const ArrivalIndex later = add(1, 15, 1, 99, 900);
    s.arrivals[later].late = 4;
    drawArrivingEngine(s, later, drawing(0));
    EXPECT_EQ(s.arrivals[later].late, 4);
}

TEST_F(ArrivingEngines, DamagedReferencesAreNotFollowed) {
    const ArrivalIndex a = add(1, 15, 300, 10, 601); // an engine beyond the day's
    int draws = 0;
    drawArrivingEngine(s, a, [&draws](int) { return ++draws, 0; });
    EXPECT_EQ(draws, 0);
    EXPECT_GT(s.arrivals[a].late, 0); // the floor still holds
    drawArrivingEngine(s, 0, drawing(0));
    drawArrivingEngine(s, 599, drawing(0));
    EXPECT_FALSE(bookReturningEngine(s, 3, 599, 0, drawing(0)));
    EXPECT_FALSE(bookReturningEngine(s, 400, a, 0, drawing(0)));
    EXPECT_EQ(s.arrivals[a].loco, 300);
    EXPECT_EQ(s.arrivals[a].loco2, 0);
}

TEST_F(ArrivingEngines, AnEngineBookedOntoItsLinesNextTrainHasItsConditionDrawnAgain) {
    const ArrivalIndex pending = add(21, 15, noEngine, 93);
    const ArrivalIndex laterOne = add(21, 15, noEngine, 93, 1000);
    s.lines[21].nextPassenger = pending;
    s.locos[3].condition = conditionAvailable;
    s.locos[4].condition = conditionAvailable;

    EXPECT_FALSE(bookReturningEngine(s, 4, laterOne, 0, drawing(0)));
    EXPECT_EQ(s.locos[4].condition, conditionAvailable); // not drawn until its train is next

    EXPECT_TRUE(bookReturningEngine(s, 3, pending, 0, drawing(0)));
    EXPECT_EQ(s.arrivals[pending].loco, 3);
    EXPECT_EQ(s.locos[3].condition, conditionNeedsCoal);

    // A freight train is the next of its own family only.
    const ArrivalIndex freight = add(21, 16, noEngine, 93, 700);
    s.arrivals[freight].trainType = 10;
    s.lines[21].nextPassenger = freight;
    EXPECT_FALSE(bookReturningEngine(s, 4, freight, 0, drawing(0)));
    s.lines[21].nextFreight = freight;
    s.arrivals[freight].loco = noEngine;
    s.locos[4].condition = conditionAvailable;
    EXPECT_TRUE(bookReturningEngine(s, 4, freight, 0, drawing(0)));
    EXPECT_EQ(s.locos[4].condition, conditionNeedsCoal);
}

} // namespace
} // namespace wm
