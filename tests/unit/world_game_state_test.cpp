#include "world/game_state.h"

#include <gtest/gtest.h>

#include <memory>

namespace wm {
namespace {

struct LineStart {
    int line;
    int entryPlace;
    int signalIndex;
};

TEST(WorldGameState, ResetRestoresEveryScalarCountAndTimer) {
    auto state = std::make_unique<GameState>();
    state->difficulty = 25;
    state->dayCode = 7;
    state->dayName = "Sunday";
    state->clock = 600;
    state->shiftStart = 1;
    state->shiftEnd = 1439;
    state->score = -12;
    state->target = 35;
    state->locationCount = 401;
    state->locoCount = 323;
    state->departureCount = 4;
    state->arrivalCount = 3;
    state->trafficCount = 2;
    state->portionCount = 9;
    state->lightEngineCount = 1;
    state->watchCount = 5;
    state->sectionTimer[520] = 7;
    state->branchTimer = 1441;

    state->reset();

    EXPECT_EQ(state->difficulty, 5);
    EXPECT_EQ(state->dayCode, 0);
    EXPECT_TRUE(state->dayName.empty());
    EXPECT_EQ(state->clock, -1);
    EXPECT_EQ(state->shiftStart, 0);
    EXPECT_EQ(state->shiftEnd, 1440);
    EXPECT_EQ(state->score, 0);
    EXPECT_EQ(state->target, 0);
    EXPECT_EQ(state->locationCount + state->locoCount + state->departureCount + state->arrivalCount +
                  state->trafficCount + state->portionCount + state->lightEngineCount + state->watchCount,
              0);
    EXPECT_EQ(state->sectionTimer[520], 0);
    EXPECT_EQ(state->branchTimer, 0);
}

TEST(WorldGameState, ResetZeroesRecords) {
    auto state = std::make_unique<GameState>();
    state->locations[400].locoAt[4] = 12;
    state->locations[400].endFlag[highEnd] = 1;
    state->locos[350].where = 5001;
    state->departures[600].code = "745A";
    state->portions[2000].next = 3;
    state->watchList[20].departure = 4;

    state->reset();

    EXPECT_EQ(state->locations[400].locoAt[4], 0);
    EXPECT_EQ(state->locations[400].endFlag[highEnd], 0);
    EXPECT_EQ(state->locos[350].where, 0);
    EXPECT_TRUE(state->departures[600].code.empty());
    EXPECT_EQ(state->portions[2000].next, 0);
    EXPECT_EQ(state->watchList[20].departure, 0);
}

TEST(WorldGameState, LinesStartWithTheirEntryPlacesAndEmptyQueues) {
    auto state = std::make_unique<GameState>();
    state->lines[2].waitCount = 3;
    state->lines[2].chosenArrival = 17;
    state->lines[2].nextFreight = 40;
    state->lines[2].lastArrival = 44;
    state->reset();

    const LineStart approaches[] = {{1, 55, 169},   {2, 51, 139},   {3, 51, 139},   {7, 53, 141},
                                    {8, 53, 141},   {20, 179, 457}, {21, 189, 501}, {22, 191, 502},
                                    {23, 191, 502}, {4, 1, 1},      {16, 1, 1},     {25, 1, 1}};
    for (const LineStart& expected : approaches) {
        const Line& line = state->lines[expected.line];
        EXPECT_EQ(line.entryPlace, expected.entryPlace) << "line " << expected.line;
        EXPECT_EQ(line.signalIndex, expected.signalIndex) << "line " << expected.line;
    }
    for (int i = 1; i <= lineCapacity; ++i) {
        const Line& line = state->lines[i];
        EXPECT_EQ(line.nextPassenger, 1) << "line " << i;
        EXPECT_EQ(line.nextFreight, 1) << "line " << i;
        EXPECT_EQ(line.lastArrival, 0) << "line " << i;
        EXPECT_EQ(line.chosenArrival, 0) << "line " << i;
        EXPECT_EQ(line.waitCount, 0) << "line " << i;
    }
}

TEST(WorldRecords, WhereNamesAPlaceASecondBerthATrainOrADeparture) {
    EXPECT_EQ(placeOfWhere(117), 117);
    EXPECT_EQ(placeOfWhere(317), 117);
    EXPECT_EQ(placeOfWhere(0), 0);
    EXPECT_EQ(placeOfWhere(401), 0);
    EXPECT_EQ(placeOfWhere(whereOnArrival + 12), 0);

    EXPECT_EQ(arrivalOfWhere(whereOnArrival + 12), 12);
    EXPECT_EQ(arrivalOfWhere(whereSecondEngineOnArrival + 12), 12);
    EXPECT_EQ(arrivalOfWhere(whereOnArrival + maxArrivalsInADay), maxArrivalsInADay);
    EXPECT_EQ(arrivalOfWhere(117), 0);
    EXPECT_EQ(arrivalOfWhere(whereLeftWithDeparture + 3), 0);

    EXPECT_EQ(departureOfWhere(whereLeftWithDeparture + 3), 3);
    EXPECT_EQ(departureOfWhere(whereOnArrival + 3), 0);
}

TEST(WorldRecords, PseudoDeparturesAndPilotDuties) {
    Departure departure;
    departure.time = notRunningTime;
    EXPECT_TRUE(isPseudoDeparture(departure));
    departure.time = 1439;
    EXPECT_FALSE(isPseudoDeparture(departure));

    departure.code = "421$";
    EXPECT_TRUE(isPilotDuty(departure));
    departure.code = "745A";
    EXPECT_FALSE(isPilotDuty(departure));
    departure.code = "";
    EXPECT_FALSE(isPilotDuty(departure));
}

} // namespace
} // namespace wm
