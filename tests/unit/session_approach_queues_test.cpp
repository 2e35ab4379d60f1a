// Which train comes in next on a line, and the condition its engine turns up in.

#include <gtest/gtest.h>

#include <deque>
#include <memory>

#include "host/headless/headless_host.h"
#include "rules/arriving_engines.h"
#include "session/approach_queues.h"
#include "session/game.h"
#include "world/berths.h"
#include "world/line_tables.h"
#include "world/location_table.h"

namespace wm {
namespace {

/// A game whose arrival table the test writes row by row, lines in order as the timetable does.
class ApproachQueues : public ::testing::Test {
  protected:
    void SetUp() override {
        buildLocationTable(game->state);
        game->state.clock = 600;
        game->state.shiftStart = 1;
        for (int i = 1; i <= 6; ++i) game->state.locos[i].duty = 400 + i;
        game->state.locoCount = 6;
    }

    ArrivalIndex add(int line, int time, int group, int trainType, LocoIndex loco, int condCode = 99) {
        GameState& s = game->state;
        const ArrivalIndex i = ++s.arrivalCount;
        Arrival& a = s.arrivals[i];
        a.line = line;
        a.time = time;
        a.group = group;
        a.trainType = trainType;
        a.loco = loco;
        a.condCode = condCode;
        s.lines[line].lastArrival = i;
        if (loco > 0 && loco != noEngine) s.locos[loco].where = whereOnArrival + i;
        return i;
    }

    GameState& state() { return game->state; }

    HeadlessHost host;
    std::unique_ptr<Game> game = std::make_unique<Game>(host);
};

TEST_F(ApproachQueues, PreparingALineFindsTheFirstTrainOfEachFamilyAndSpacesTheLaterOnes) {
    const ArrivalIndex first = add(1, 610, 15, 0, 1);
    add(1, 611, 15, 0, 0); // no engine: still queued
    const ArrivalIndex freight = add(1, 612, 16, 12, 2);
    add(1, 0, 15, 0, 3); // not running today
    const ArrivalIndex later = add(1, 613, 15, 1, 4);
    add(1, 700, 15, 0, 5); // the last of the line is never respaced

    prepareLine(*game, 1);
    const Line& line = state().lines[1];
    EXPECT_EQ(line.nextPassenger, first);
    EXPECT_EQ(line.nextFreight, freight);
    // 613 is inside the 5-minute headway of the 610 train.
    const int base = state().arrivals[first].time + state().arrivals[first].late;
    EXPECT_EQ(state().arrivals[later].time + state().arrivals[later].late, base + lineHeadway(1, 1));

    advancePassengerQueue(*game, 1);
    EXPECT_EQ(line.nextPassenger, 2);
    advancePassengerQueue(*game, 1);
    EXPECT_EQ(line.nextPassenger, later); // skips the freight and the train that does not run
    advancePassengerQueue(*game, 1);
    advancePassengerQueue(*game, 1);
    EXPECT_EQ(line.nextPassenger, 0);
    advancePassengerQueue(*game, 1); // an empty queue stays empty
    EXPECT_EQ(line.nextPassenger, 0);
    advanceFreightQueue(*game, 1);
    EXPECT_EQ(line.nextFreight, 0);
}

TEST_F(ApproachQueues, ALineWithNoTrainsTodayHasNothingPending) {
    prepareLine(*game, 4);
    chooseNextArrival(*game, 4);
    EXPECT_EQ(state().lines[4].nextPassenger, 0);
    EXPECT_EQ(state().lines[4].nextFreight, 0);
    EXPECT_EQ(state().lines[4].chosenArrival, 0);
}

TEST_F(ApproachQueues, TheChosenTrainStandsAtTheEntryWithItsEngineAtTheEndFacingTheLayout) {
    const ArrivalIndex a = add(1, 640, 15, 0, 1);
    prepareLine(*game, 1);
    chooseNextArrival(*game, 1);
    const Location& entry = state().locations[55];
    EXPECT_EQ(entry.occState, occArrival);
    EXPECT_EQ(entry.occupant, a);
    // Line 1 is below group 15: the engine leads at the high end.
    EXPECT_EQ(entry.locoAt[3], 1);
    EXPECT_EQ(entry.endFlag[highEnd], 1);
    EXPECT_EQ(state().locos[1].where, 55);
    EXPECT_EQ(state().locos[1].facing, 0);
    EXPECT_EQ(state().locos[1].lateAllowance, state().arrivals[a].late);
    // It cannot reach the edge sooner than its approach time from now.
    EXPECT_GE(state().arrivals[a].time + state().arrivals[a].late, approachTime(15, 1, 0) + 600 + 2);
}

TEST_F(ApproachQueues, AFreightWithAnEngineGoesFirstOnlyWhenClearlyEarlier) {
    const ArrivalIndex passenger = add(20, 650, 15, 0, 1);
    const ArrivalIndex freight = add(20, 640, 17, 9, 2);
    prepareLine(*game, 20);
    state().arrivals[passenger].late = 0;
    state().arrivals[freight].late = 0;
    chooseNextArrival(*game, 20);
    EXPECT_EQ(state().lines[20].chosenArrival, freight);
    // Four minutes or less ahead at the edge is not enough.
    state().arrivals[freight].late = 650 - approachTime(15, 20, 0) - (640 - approachTime(17, 20, 9)) - 4;
    chooseNextArrival(*game, 20);
    EXPECT_EQ(state().lines[20].chosenArrival, passenger);
    // A freight without an engine waits while there is a passenger train.
    state().arrivals[freight].late = 0;
    state().arrivals[freight].loco = noEngine;
    chooseNextArrival(*game, 20);
    EXPECT_EQ(state().lines[20].chosenArrival, passenger);
}

TEST_F(ApproachQueues, OnASharedEntryTheEarlierTrainOfTheTwoLinesComesInAndHoldsTheOtherBack) {
    const ArrivalIndex onTwo = add(2, 660, 15, 0, 1);
    const ArrivalIndex onThree = add(3, 655, 15, 0, 2);
    prepareLine(*game, 2);
    prepareLine(*game, 3);
    state().arrivals[onTwo].late = 0;
    state().arrivals[onThree].late = 0;
    chooseNextArrival(*game, 2);
    chooseNextArrival(*game, 3);
    const Location& entry = state().locations[51];
    EXPECT_EQ(entry.occupant, onThree);
    EXPECT_EQ(state().locos[2].where, 51);
    EXPECT_NE(state().locos[1].where, 51);
    EXPECT_GE(expectedEdgeTime(state(), onTwo), expectedEdgeTime(state(), onThree));

    // Choosing again for the other line keeps the earlier train and gives its engine back nothing.
    chooseNextArrival(*game, 2);
    EXPECT_EQ(state().locations[51].occupant, onThree);
    EXPECT_EQ(state().locos[1].where, whereOnArrival + onTwo);
}

TEST_F(ApproachQueues, OnASharedEntryASlowFreightCountsEightMinutesLater) {
    const ArrivalIndex passenger = add(7, 700, 15, 0, 1);
    const ArrivalIndex slow = add(8, 706, 16, 12, 2); // at the edge 3 minutes before the passenger
    prepareLine(*game, 7);
    prepareLine(*game, 8);
    state().arrivals[passenger].late = 0;
    state().arrivals[slow].late = 0;
    chooseNextArrival(*game, 7);
    chooseNextArrival(*game, 8);
    EXPECT_EQ(state().locations[53].occupant, passenger);
    EXPECT_GE(expectedEdgeTime(state(), slow), expectedEdgeTime(state(), passenger));
}

TEST_F(ApproachQueues, NothingToChooseClearsTheEntryAndReturnsTheEnginesToTheirTrain) {
    const ArrivalIndex a = add(21, 700, 15, 0, 1);
    prepareLine(*game, 21);
    chooseNextArrival(*game, 21);
    ASSERT_EQ(state().locations[189].occupant, a);
    advancePassengerQueue(*game, 21);
    chooseNextArrival(*game, 21);
    EXPECT_EQ(state().locations[189].occState, occEmpty);
    EXPECT_EQ(state().locations[189].locoAt[2] + state().locations[189].locoAt[3], 0);
    EXPECT_EQ(state().locos[1].where, whereOnArrival + a);
}

/// Scripted draws for the condition rules.
struct ScriptedDraw {
    std::deque<int> values;
    int operator()(int n) {
        const int v = values.empty() ? 0 : values.front();
        if (!values.empty()) values.pop_front();
        return n <= 0 ? 0 : v % n;
    }
};

TEST_F(ApproachQueues, AnArrivingEnginesConditionFollowsItsCode) {
    struct Case {
        int condCode;
        int draw;
        int condition;
    };
    const Case cases[] = {{93, 0, conditionNeedsCoal},  {94, 50, conditionAvailable},
                          {95, 0, conditionOutOfUse},   {96, 0, conditionNeedsServicing},
                          {97, 0, conditionNeedsWater}, {98, 0, conditionNeedsWater},
                          {99, 0, conditionAvailable},  {60, 60, conditionNeedsWater},
                          {60, 61, conditionNeedsCoal}, {0, 1, conditionNeedsCoal}};
    for (const Case& c : cases) {
        state().arrivalCount = 0;
        const ArrivalIndex a = add(2, 800, 15, 0, 1, c.condCode);
        ScriptedDraw draw{{c.draw, 0, 0}};
        drawArrivingEngine(state(), a, std::ref(draw));
        EXPECT_EQ(state().locos[1].condition, c.condition) << "code " << c.condCode << " draw " << c.draw;
    }
    EXPECT_EQ(state().locos[1].workTime, 0);
}

TEST_F(ApproachQueues, EnginesFailOnlyAtHarderLevelsAndThenRunLate) {
    state().difficulty = 5;
    const ArrivalIndex a = add(2, 800, 15, 0, 1, 10);
    ScriptedDraw easy{{98}};
    drawArrivingEngine(state(), a, std::ref(easy));
    EXPECT_EQ(state().locos[1].condition, conditionNeedsCoal); // 98 is not above 99 - 1

    state().difficulty = 25;
    state().arrivals[a].late = 5;
    ScriptedDraw hard{{95, 7, 100}};
    drawArrivingEngine(state(), a, std::ref(hard));
    EXPECT_EQ(state().locos[1].condition, conditionNeedsRepair);
    EXPECT_EQ(state().locos[1].workTime, 180 + 3 * (100 % (12 * 25)));
    EXPECT_EQ(state().arrivals[a].late, 5 + 10 + 7);
}

TEST_F(ApproachQueues, ServicingAndOutOfUseTakeTheirWorkTimes) {
    state().difficulty = 10;
    const ArrivalIndex a = add(2, 800, 15, 0, 1, 96);
    ScriptedDraw draw{{0, 13}};
    drawArrivingEngine(state(), a, std::ref(draw));
    EXPECT_EQ(state().locos[1].workTime, 360 + 3 * 13);
    state().arrivals[a].condCode = 95;
    ScriptedDraw none{{0}};
    drawArrivingEngine(state(), a, std::ref(none));
    EXPECT_EQ(state().locos[1].workTime, 3000);
}

TEST_F(ApproachQueues, WithNoEngineNothingIsDrawnButTheLatenessFloorHolds) {
    const ArrivalIndex a = add(1, 601, 15, 0, noEngine, 99);
    ScriptedDraw draw{{5}};
    drawArrivingEngine(state(), a, std::ref(draw));
    EXPECT_EQ(draw.values.size(), 1u);
    // 601 + 0 is before 7 minutes' running from 600: late = 7 + 600 + headway 5 - 601
    EXPECT_EQ(state().arrivals[a].late, 7 + 600 + 5 - 601);
}

TEST_F(ApproachQueues, AReturningEngineIsBookedOntoItsArrivalAndMadeLateEnoughToGetBack) {
    const ArrivalIndex engineless = add(21, 605, 15, 0, noEngine);
    const ArrivalIndex withEngine = add(21, 900, 15, 0, 2);
    ScriptedDraw draw{};
    bookReturningEngine(state(), 3, engineless, 20, std::ref(draw));
    EXPECT_EQ(state().arrivals[engineless].loco, 3);
    EXPECT_EQ(state().locos[3].where, whereOnArrival + engineless);
    EXPECT_EQ(state().arrivals[engineless].late, approachTime(15, 21, 0) + 600 - 605 + 10);

    bookReturningEngine(state(), 4, withEngine, 80, std::ref(draw));
    EXPECT_EQ(state().arrivals[withEngine].loco2, 4);
    EXPECT_EQ(state().locos[4].where, whereSecondEngineOnArrival + withEngine);
    EXPECT_EQ(state().arrivals[withEngine].late, 50); // 80 minutes late leaving: back at least 50 late
}

} // namespace
} // namespace wm
