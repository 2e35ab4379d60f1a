// A freight train made up from yard traffic, played through the driver: the pilot gathers the oil tank
// behind the 6.17 in UG4, the coupling window couples them, Assign gives the tank to the train, which
// stands formed, is made ready by its engine and goes out late. Each test plays the script as far as one
// of its steps and looks at the game as the player leaves it there.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <string>
#include <vector>

#include "script_play_fixture.h"
#include "world/lookups.h"
#include "world/rakes.h"

namespace wm {
namespace {

class YardMakeUp : public ScriptPlay {
  protected:
    /// Plays yard_make_up.txt up to and including the line that writes `stateFile`.
    void playUntil(const std::string& stateFile) {
        std::ifstream in(std::filesystem::path(WENDMOOR_TESTS_DIR) / "scripts" / "yard_make_up.txt");
        ASSERT_TRUE(in);
        std::vector<std::string> script;
        for (std::string line; std::getline(in, line);) {
            script.push_back(line);
            if (line == "state %OUT%/" + stateFile) break;
        }
        ASSERT_EQ(script.back(), "state %OUT%/" + stateFile) << "no such step";
        playCommands("yard_make_up.txt", script);
    }
    bool said(const std::string& message) {
        const auto& m = driver.host().messages();
        return std::find(m.begin(), m.end(), message) != m.end();
    }
    DepartureIndex train() { return findDepartureByCode(s(), "099B"); }
    LocoIndex pilot() {
        for (LocoIndex e = 1; e <= s().locoCount; ++e)
            if (s().locos[e].number.str() == "47306") return e;
        return 0;
    }
    const Location& ug4() { return s().locations[place("UG4")]; }
};

TEST_F(YardMakeUp, ThePilotBringsTheOilTankBehindTheTrainsWagonUncoupled) {
    playUntil("gathered.json");
    EXPECT_EQ(s().locations[place("GSO")].occState, occEmpty);
    ASSERT_EQ(ug4().occState, occStock);
    const Portion& head = s().portions[ug4().occupant];
    EXPECT_EQ(head.departure, train());
    ASSERT_NE(head.next, 0);
    const Portion& tank = s().portions[head.next];
    EXPECT_EQ(tank.traffic, findTrafficByName(s(), "Oil1"));
    EXPECT_EQ(tank.portionState, 3);
    EXPECT_EQ(head.coupledToNext, 0) << "what the pilot brought is not yet coupled to what it joined";
    EXPECT_EQ(ug4().locoAt[3], pilot());
    EXPECT_EQ(ug4().endFlag[highEnd], 1);
    EXPECT_NE(screenRow("gathered.txt", 8).find("UG4\xC2\xA6  6.17"), std::string::npos)
        << screenRow("gathered.txt", 8);
}

TEST_F(YardMakeUp, TheCouplingWindowCouplesTheTankAndLetsThePilotGo) {
    playUntil("closed.json");
    const std::string window = contents("window.txt");
    EXPECT_NE(window.find("  +    6.17 Up Yard to Carrowfold"), std::string::npos) << window;
    EXPECT_NE(window.find("      low priority traffic to Cressingfol"), std::string::npos) << window;
    EXPECT_NE(window.find("       47306a Jinty"), std::string::npos) << "the pilot shows uncoupled";
    ASSERT_EQ(ug4().occState, occStock);
    EXPECT_TRUE(rakeFullyCoupled(s(), ug4().occupant));
    EXPECT_EQ(rakeLength(s(), ug4().occupant), 2);
    EXPECT_EQ(ug4().endFlag[lowEnd], 0);
    EXPECT_EQ(ug4().endFlag[highEnd], 0);
}

TEST_F(YardMakeUp, AssignGivesTheTankToTheTrainWhichStandsFormed) {
    playUntil("assigned.json");
    EXPECT_TRUE(said("bonus You gain 1 point for assigning traffic for Carrowfold"));
    EXPECT_EQ(s().score, 1);
    const std::array<LocoIndex, 5> none{};
    EXPECT_EQ(ug4().locoAt, none) << "the pilot went back to NUH";
    const Location& nuh = s().locations[place("NUH")];
    EXPECT_NE(std::find(nuh.locoAt.begin(), nuh.locoAt.end(), pilot()), nuh.locoAt.end());
    ASSERT_EQ(ug4().occState, occDeparture);
    EXPECT_EQ(ug4().occupant, train());
    const Departure& d = s().departures[train()];
    EXPECT_EQ(d.state, 3) << "formed, waiting for its engine";
    EXPECT_EQ(d.portionCount, 2);
    EXPECT_EQ(d.location, place("UG4"));
    EXPECT_EQ(s().traffic[findTrafficByName(s(), "Oil1")].departure, train());
    EXPECT_NE(screenRow("assigned.txt", 8).find("UG4 \xC2\xA2 \xC2\xA6   6.17"), std::string::npos)
        << screenRow("assigned.txt", 8);
}

TEST_F(YardMakeUp, ThePilotCoupledAtTheLeavingEndMakesTheTrainReady) {
    playUntil("ready.json");
    EXPECT_EQ(s().departures[train()].state, 4);
    EXPECT_EQ(ug4().locoAt[2], pilot());
    EXPECT_EQ(ug4().endFlag[lowEnd], 1);
    EXPECT_NE(screenRow("ready.txt", 8).find("\xC2\xA5+( 6.17"), std::string::npos)
        << screenRow("ready.txt", 8);
}

TEST_F(YardMakeUp, TheTrainGoesOutLateAndIsScored) {
    playUntil("gone.json");
    EXPECT_EQ(s().departures[train()].state, 6);
    EXPECT_EQ(ug4().occState, occEmpty);
    EXPECT_TRUE(said("error You lose 2 points for delaying departure of  6.17 Carrowfold"));
    EXPECT_TRUE(said("error You lose 3 points for providing inadequate motive power for  6.17 Carrowfold"));
    EXPECT_EQ(s().score, 1 - 2 - 3);
    EXPECT_NE(screenRow("gone.txt", 15).find("CDF<---DF1---"), std::string::npos) << "gone by CDF";
}

} // namespace
} // namespace wm
