// What rows 30 to 32 say about the place the player has chosen to move from.

#include <gtest/gtest.h>

#include <memory>

#include "console/palette.h"
#include "host/headless/headless_host.h"
#include "session/from_description.h"
#include "session/game.h"
#include "world/berths.h"
#include "world/location_table.h"

namespace wm {
namespace {

class FromDescription : public ::testing::Test {
  protected:
    void SetUp() override {
        game->console.SetConsoleSize(32, 100);
        ASSERT_TRUE(game->console.ApplyFontSize());
        buildLocationTable(s());
        s().clock = 600;
        s().locoCount = 3;
        for (int i = 1; i <= 3; ++i) {
            s().locos[i].number = std::to_string(45100 + i);
            s().locos[i].classIndex = 9; // a mixed-traffic class with power for both kinds of train
            s().locos[i].shed = " SH";
        }
        // A departure formed at PL1 that runs down (line 1 below group 15) and so leaves by the low end.
        s().departureCount = 1;
        Departure& d = s().departures[1];
        d.code = "745A";
        d.time = 610;
        d.line = 1;
        d.group = 15;
        d.destination = "Carrowfold";
        d.loco = 1;
        Location& pl1 = s().locations[platform];
        pl1.occState = occDeparture;
        pl1.occupant = 1;
        pl1.locoAt[2] = 1;
        pl1.endFlag[lowEnd] = 1;
        s().locos[1].where = platform;
    }
    GameState& s() { return game->state; }
    std::string row(int n) { return host.rowText(n); }
    /// What a player sees of a row: each character with its background, and its colour when it has a mark.
    std::string look(int n) {
        std::string seen;
        for (int column = 1; column <= 100; ++column) {
            const RecordedCell& cell = host.cell(column, n);
            seen += cell.ch;
            seen += cell.ch == ' ' ? '.' : HeadlessHost::colourLetter(cell.text);
            seen += HeadlessHost::colourLetter(cell.background);
        }
        return seen;
    }
    /// Rows 30 to 32 are drawn again on a cleared console, as a repaint does.
    void expectTheBottomRowsSurviveARedraw() {
        const std::string before[] = {look(30), look(31), look(32)};
        game->console.ClearScreen();
        game->console.RedrawBottomLines();
        for (int n = 30; n <= 32; ++n) EXPECT_EQ(look(n), before[n - 30]) << "row " << n;
    }

    static constexpr LocationId platform = 95;
    HeadlessHost host;
    std::unique_ptr<Game> game = std::make_unique<Game>(host);
};

TEST_F(FromDescription, ADepartureWithItsBookedEngineNeedsNoWarning) {
    DescribeFrom(*game, platform);
    EXPECT_NE(row(30).find("10.10"), std::string::npos) << row(30);
    EXPECT_EQ(row(31).rfind("45101 ", 0), 0u) << row(31);
    EXPECT_EQ(row(32).find_first_not_of(' '), std::string::npos) << row(32);
    EXPECT_EQ(game->move.moveEngine, 1);
    EXPECT_EQ(game->move.placePicked, 2);
    EXPECT_TRUE(game->move.withTrain);
}

TEST_F(FromDescription, TheDescriptionReadsInFullFromColumnOneAfterARedraw) {
    DescribeFrom(*game, platform);
    const std::string described = row(30);
    EXPECT_EQ(described.rfind("10.10 from Wendmoor Stn to Carrowfold", 0), 0u) << described;
    expectTheBottomRowsSurviveARedraw();
    EXPECT_EQ(row(30), described);

    // The next description replaces the last one whole: nothing of the departure is left behind.
    Location& shed = s().locations[1];
    shed.locoAt[1] = 2;
    DescribeFrom(*game, 1);
    EXPECT_EQ(game->console.bottomLine(30), "Light engine");
    expectTheBottomRowsSurviveARedraw();
    EXPECT_EQ(row(30), "Light engine" + std::string(88, ' '));
}

TEST_F(FromDescription, TheEngineWarningAndTheSideNoteSurviveARedraw) {
    // The departure is coming into PL1 and its engine needs water.
    Location& pl1 = s().locations[platform];
    s().locations[incomingBerth(platform)] = pl1;
    pl1.occState = occComingIn;
    pl1.busyTicks = 6;
    s().locos[1].condition = conditionNeedsWater;
    DescribeFrom(*game, platform);
    EXPECT_EQ(row(32).rfind(" Water loco", 0), 0u) << row(32);
    EXPECT_EQ(host.cell(2, 32).text, palette::Yellow);
    const std::string note = "Will reach " + std::string(pl1.code.view()) + " in 2 minutes";
    EXPECT_EQ(row(31).substr(100 - note.size()), note) << row(31);
    EXPECT_EQ(host.cell(100, 31).background, palette::Yellow);
    EXPECT_EQ(row(31).rfind("45101 ", 0), 0u) << row(31);
    expectTheBottomRowsSurviveARedraw();
}

TEST_F(FromDescription, AnEngineThatNeedsWaterIsToldToTakeIt) {
    s().locos[1].condition = conditionNeedsWater;
    DescribeFrom(*game, platform);
    EXPECT_EQ(row(32).rfind(" Water loco", 0), 0u) << row(32);
    s().locos[1].watering = 1; // already at the column: nothing to say
    EXPECT_EQ(engineCheck(*game, 1, platform), "");
}

TEST_F(FromDescription, AnEngineFromAnotherShedOrUnfitForTheMainLineIsToBeChecked) {
    s().locos[2].shed = " 5A";
    s().departures[1].loco = 2;
    EXPECT_EQ(engineCheck(*game, 1, platform), " Check loco");
    s().departures[1].loco = 1;
    s().locos[1].condition = conditionNeedsCoal;
    EXPECT_EQ(engineCheck(*game, 1, platform), " Check loco");
}

TEST_F(FromDescription, TwoEnginesAreListedWithTheirCoupling) {
    Location& pl1 = s().locations[platform];
    pl1.locoAt[1] = 2;
    s().locos[2].where = platform;
    DescribeFrom(*game, platform);
    EXPECT_NE(row(31).find("SH+45101"), std::string::npos) << row(31);
    pl1.endFlag[lowEnd] = 0;
    DescribeFrom(*game, platform);
    EXPECT_NE(row(31).find("SH:45101"), std::string::npos) << row(31);
}

TEST_F(FromDescription, AnArrivalAtTheEntryIsDescribedOnlyWithinTheHour) {
    s().arrivalCount = 1;
    Arrival& a = s().arrivals[1];
    a.code = "410A";
    a.time = 720;
    a.line = 1;
    a.group = 15;
    a.origin = "Thurlstone";
    a.trainType = 0; // express, letter A
    a.loco = noEngine;
    Location& entry = s().locations[55];
    entry.occState = occArrival;
    entry.occupant = 1;
    DescribeFrom(*game, 55);
    EXPECT_EQ(row(30).rfind("Nothing in next hour", 0), 0u) << row(30);
    EXPECT_TRUE(host.messages().empty());

    a.time = 630;
    DescribeFrom(*game, 55);
    EXPECT_EQ(row(30).rfind("10.30 at ", 0), 0u) << row(30);
    EXPECT_NE(row(30).find(" from Thurlstone (A)"), std::string::npos) << row(30);
    ASSERT_FALSE(host.messages().empty());
    EXPECT_EQ(host.messages().back(), "notice  Arrival awaiting pending departure");
}

TEST_F(FromDescription, AFreightArrivalThatMayBeShuntedInItsYardSaysSo) {
    s().arrivalCount = 1;
    Arrival& a = s().arrivals[1];
    a.code = "099A";
    a.time = 590;
    a.line = 20;
    a.group = 16;
    a.origin = "Gantry Hill";
    a.trainType = 10;
    a.loco = 2;
    const std::string note = "Shunt to yard";
    for (const LocationId place : {125, 134}) { // UY1 of the yard; UG3, a reception road
        Location& road = s().locations[place];
        road.occState = occArrival;
        road.occupant = 1;
        road.locoAt[3] = 2;
        road.endFlag[highEnd] = 1;
        s().locos[2].where = place;
        DescribeFrom(*game, place);
        EXPECT_EQ(row(32).find(note) != std::string::npos, place == 125) << row(32);
    }
}

} // namespace
} // namespace wm
