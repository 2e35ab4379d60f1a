// A move the player orders by typing its 'from' and 'to': a train at an entry point waits until it may be
// signalled in, then the route decides; an accepted move takes no tick, and the Common screen shows
// whether the branch token is out.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/headless/headless_host.h"
#include "session/command_interpreter.h"
#include "session/game.h"
#include "session/layout_screens.h"
#include "world/invariants.h"
#include "world/location_table.h"

namespace wm {
namespace {

class MoveOrder : public ::testing::Test {
  protected:
    void SetUp() override {
        game->console.SetConsoleSize(32, 100);
        ASSERT_TRUE(game->console.ApplyFontSize());
        buildLocationTable(s());
        s().clock = 600;
        s().locoCount = 3;
        for (int i = 1; i <= 3; ++i) {
            s().locos[i].number = std::to_string(45100 + i);
            s().locos[i].classIndex = 9;
            s().locos[i].shed = " SH";
            s().locos[i].lateAllowance = 999;
        }
    }
    GameState& s() { return game->state; }
    void stand(LocationId place, int p, LocoIndex engine) {
        s().locations[place].locoAt[p] = engine;
        s().locos[engine].where = place;
    }
    /// The player types the two places' codes.
    void order(LocationId from, LocationId to) {
        host.queueAnswer("text:" + std::string(s().locations[from].code.view()));
        host.queueAnswer("text:" + std::string(s().locations[to].code.view()));
        game->input.keyboardMove = true;
        game->clock.cycleDone = true;
        InterpretInput(*game);
        game->input.clearAll();
        game->move = MoveContext{};
    }
    /// The messages shown, the input prompts left out.
    std::string shown() const {
        std::string out;
        for (const std::string& m : host.messages())
            if (m.rfind("input ", 0) != 0) out += m + "\n";
        return out;
    }
    int lockedCount() const {
        int n = 0;
        for (int section = 1; section <= sectionCount; ++section) n += s().sectionTimer[section] > 0;
        return n;
    }
    /// The Staff indicator of the Common screen, each character with its text and background colours.
    std::string staff() {
        DrawScreen(*game, 0);
        std::string seen;
        for (int column = 62; column < 62 + 15; ++column) {
            const RecordedCell& cell = host.cell(column, 15);
            seen += cell.ch;
            seen += HeadlessHost::colourLetter(cell.text);
            seen += HeadlessHost::colourLetter(cell.background);
        }
        return seen;
    }
    static std::string coloured(const std::string& text, char ink, char paper) {
        std::string out;
        for (char ch : text) out += std::string{ch, ink, paper};
        return out;
    }
    const GameState& s() const { return game->state; }

    HeadlessHost host;
    std::unique_ptr<Game> game = std::make_unique<Game>(host);
};

TEST_F(MoveOrder, AnEngineOntoTheBranchStartsAtOnceTakesTheTokenAndTheStaffIsShownOut) {
    EXPECT_EQ(staff(), coloured("Staff available", 'e', 'k'));
    const LocationId goodsLine = 66, junction = 26;
    stand(goodsLine, 2, 1);
    const int tickPhase = game->clock.tickPhase;
    order(goodsLine, junction);
    EXPECT_EQ(shown(), "");
    EXPECT_GT(s().sectionTimer[111], 0);
    EXPECT_GT(s().sectionTimer[64], 0);
    EXPECT_GT(s().locations[goodsLine].busyTicks, 0);
    EXPECT_GT(s().branchTimer, 1441);
    EXPECT_FALSE(game->clock.cycleDone);
    EXPECT_EQ(s().clock, 600);
    EXPECT_EQ(game->clock.tickPhase, tickPhase);
    EXPECT_EQ(staff(), coloured("   Staff out   ", 'w', 'r'));

    // Another engine after it finds the token out.
    const int locked = lockedCount();
    stand(79, 2, 2);
    order(79, junction);
    EXPECT_EQ(shown(), "error That route is not clear\n");
    EXPECT_EQ(s().score, -1);
    EXPECT_EQ(lockedCount(), locked);
}

TEST_F(MoveOrder, ATrainAtItsEntryPointWaitsUntilItMayBeSignalledInThenStartsAfterItsWait) {
    const LocationId entry = s().lines[2].entryPlace; // line 2, band 1: approach 4, edge 1 minute
    s().arrivalCount = 1;
    Arrival& a = s().arrivals[1];
    a.code = "745X";
    a.time = 620;
    a.line = 2;
    a.group = 15;
    a.trainType = 0;
    a.origin = "Carrowfold";
    a.loco = 1;
    Location& l = s().locations[entry];
    l.occState = occArrival;
    l.occupant = 1;
    stand(entry, 3, 1);
    l.endFlag[highEnd] = 1;
    const LocationId firstPlace = 57; // over section 139 alone

    s().clock = 613;
    order(entry, firstPlace);
    EXPECT_EQ(shown(), "error It isn't here yet\n");
    EXPECT_EQ(lockedCount(), 0);

    s().clock = 614; // two minutes to wait
    game->clock.tickPhase = 2;
    order(entry, firstPlace);
    EXPECT_EQ(shown(), "error It isn't here yet\n");
    EXPECT_EQ(s().sectionTimer[139], 3 * (2 + 1 - 1) + 2 + 1 + 1);
    EXPECT_EQ(s().score, 0);
}

TEST_F(MoveOrder, APairTheRouteTableHasNoRouteForIsNotPossible) {
    stand(68, 3, 1);
    order(68, 97);
    EXPECT_EQ(shown(), "notice That isn't possible\n");
    EXPECT_EQ(lockedCount(), 0);
    EXPECT_EQ(s().score, 0);
}

// Found by the soak player (seed 51): an engine let into a place a train was just leaving took the train's
// place in its berth, and train and engine stood in two places at once.
TEST_F(MoveOrder, NoEngineComesInWhereATrainHasStartedOutUntilItHasGone) {
    const LocationId upSlowSouth = 105, upFast3 = 138, downTrains1 = 142;
    s().arrivalCount = 1;
    Arrival& a = s().arrivals[1];
    a.code = "720A";
    a.time = 42;
    a.line = 22;
    a.group = 15;
    a.trainType = 9;
    a.origin = "Rushmarrow";
    a.loco = 1;
    Location& l = s().locations[upSlowSouth];
    l.occState = occArrival;
    l.occupant = 1;
    stand(upSlowSouth, 2, 1);
    l.endFlag[lowEnd] = 1;
    stand(downTrains1, 3, 2);

    order(upSlowSouth, upFast3);
    ASSERT_GT(s().locations[upSlowSouth].busyTicks, 0) << shown();
    ASSERT_EQ(s().locos[1].where, upFast3 + 200) << shown();
    const int locked = lockedCount();
    const std::string before = shown();
    order(downTrains1, upSlowSouth);
    EXPECT_EQ(shown(), before + "notice Only one action at a time per section, please\n");
    EXPECT_EQ(lockedCount(), locked);
    EXPECT_EQ(s().locos[2].where, downTrains1);
    const auto broken = findBrokenInvariants(s());
    EXPECT_TRUE(broken.empty()) << broken.front().name << ": " << broken.front().detail;
}

} // namespace
} // namespace wm
