// The boards played through the driver: "A" and "D" open them over the layout screen, their panels, keys
// and clicks page, filter, switch and show a train's details, anything else goes back, and the clock
// stands still while one is up.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "console/time_format.h"
#include "display/departures_board.h"
#include "script_play_fixture.h"
#include "world/group_names.h"

namespace wm {
namespace {

class BoardsDriver : public ScriptPlay {
  protected:
    /// A Weekday at Moderate some six hours in, then the commands.
    void playFromBusyMorning(std::vector<std::string> commands) {
        commands.insert(commands.begin(), {"new-game 15 Weekday", "ticks 1150"});
        playCommands("boards.script", std::move(commands));
    }
    int jsonNumber(const std::string& file, const std::string& key) {
        const std::string json = contents(file);
        const auto at = json.find("\"" + key + "\":");
        return at == std::string::npos ? -1 : std::atoi(json.c_str() + at + key.size() + 3);
    }
    std::vector<std::string> boxes() {
        std::vector<std::string> out;
        for (const std::string& m : driver.host().messages())
            if (m.rfind("box ", 0) == 0) out.push_back(m.substr(4));
        return out;
    }
};

TEST_F(BoardsDriver, TheSummaryOpensAListByItsPanelsAndAKeyOrAClickElsewhereGoesBack) {
    playFromBusyMorning({"key A", "screen %OUT%/summary.txt", "state %OUT%/summary.json",
                         // the last six characters of " From the North/West " are no part of its panel
                         "click 18 3", "screen %OUT%/beside.txt", "state %OUT%/beside.json", "key A",
                         "click 5 3", "screen %OUT%/north.txt", "key ESC", "screen %OUT%/back.txt",
                         "click 60 3", "screen %OUT%/south.txt", "key ESC", "key X",
                         "state %OUT%/left.json"});
    EXPECT_EQ(screenRow("summary.txt", 1).substr(69, 16), "Arrivals Summary");
    EXPECT_EQ(jsonNumber("summary.json", "displayMode"), 1);
    EXPECT_EQ(screenRow("beside.txt", 1).find("Arrivals"), std::string::npos);
    EXPECT_EQ(jsonNumber("beside.json", "displayMode"), 0);
    EXPECT_EQ(screenRow("north.txt", 1).substr(69, 28), "Arrivals from the North/West");
    EXPECT_EQ(screenRow("north.txt", 30).substr(1, 29), " Click on train for details  ");
    EXPECT_EQ(screenRow("back.txt", 1).substr(69, 16), "Arrivals Summary") << "a key on a list goes back";
    EXPECT_EQ(screenRow("south.txt", 1).substr(69, 28), "Arrivals from the South/East");
    EXPECT_EQ(jsonNumber("left.json", "displayMode"), 0);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(BoardsDriver, PagingKeysOnTheArrivalsBoardsAreKeysNotAClickWhereTheLastClickWas) {
    // The last click was on the north/west panel; PgDn leaves the list, then the summary.
    playFromBusyMorning(
        {"key A", "click 5 3", "key PGDN", "screen %OUT%/summary.txt", "key PGDN", "state %OUT%/left.json"});
    EXPECT_EQ(screenRow("summary.txt", 1).substr(69, 16), "Arrivals Summary");
    EXPECT_EQ(jsonNumber("left.json", "displayMode"), 0);
}

TEST_F(BoardsDriver, AClickOnATrainInAListShowsItsDetailsAndTheListStays) {
    playFromBusyMorning({"key A", "click 5 3", "screen %OUT%/north.txt", "click 10 4", "info %OUT%/first.txt",
                         "answer close", "screen %OUT%/after.txt", "state %OUT%/after.json", "click 90 4",
                         "info %OUT%/second.txt", "answer close"});
    const std::string first = screenRow("north.txt", 4);
    ASSERT_NE(first.substr(1, 5), "     ") << "the first line has a train listed";
    // The details open in the information window; the second click, beside the row's text, still finds
    // the row's train.
    EXPECT_TRUE(boxes().empty());
    const std::string details = contents("first.txt");
    EXPECT_NE(details.find(first.substr(1, 5)), std::string::npos) << details;
    EXPECT_EQ(contents("second.txt"), details);
    EXPECT_EQ(screenRow("after.txt", 1).substr(69, 28), "Arrivals from the North/West");
    EXPECT_EQ(jsonNumber("after.json", "displayMode"), 1);
}

TEST_F(BoardsDriver, TheDeparturesBoardPagesFiltersAndShowsDetailsWithTheClockStill) {
    playFromBusyMorning({"state %OUT%/before.json",  "key D",
                         "screen %OUT%/local.txt",   "wait 30000",
                         "state %OUT%/open.json",    "key PGDN",
                         "screen %OUT%/down.txt",    "click 5 30",
                         "screen %OUT%/up.txt",      "click 37 30",
                         "screen %OUT%/all.txt",     "key END",
                         "screen %OUT%/end.txt",     "key HOME",
                         "screen %OUT%/home.txt",    "click 20 4",
                         "info %OUT%/departure.txt", "answer close",
                         "screen %OUT%/details.txt", "key ESC",
                         "screen %OUT%/left.txt",    "state %OUT%/left.json"});
    const GameState& state = s();
    EXPECT_EQ(jsonNumber("open.json", "clock"), jsonNumber("before.json", "clock"))
        << "the clock stands still";
    EXPECT_EQ(jsonNumber("open.json", "displayMode"), 2);
    EXPECT_EQ(screenRow("local.txt", 1).substr(84, 10), "Departures");
    const std::string header = "Next departures from " + groupName(stationGroup);
    EXPECT_EQ(screenRow("local.txt", 3).substr(2, header.size()), header);

    // The lists as the board builds them, from the state as it stood (nothing moved while it was up).
    const BoardGroups yards = boardGroups(yardsScreen);
    const std::vector<DepartureIndex> local = listedDepartures(state, yards.first, yards);
    const std::vector<DepartureIndex> all = listedDepartures(state, 0, yards);
    ASSERT_GT(local.size(), 26u);
    ASSERT_GT(all.size(), local.size());
    const auto timeOn = [&](const std::string& file, int row, int column) {
        return screenRow(file, row).substr(static_cast<std::size_t>(column - 1), 5);
    };
    const auto timeOf = [&](DepartureIndex d) { return FormatTime(state.departures[d].time); };
    const int localCount = static_cast<int>(local.size());
    EXPECT_EQ(timeOn("local.txt", 4, 21), timeOf(local[0]));
    const int downFirst = pagedFirst(1, localCount, pageDown);
    EXPECT_EQ(timeOn("down.txt", 4, 21), timeOf(local[static_cast<std::size_t>(downFirst - 1)]));
    EXPECT_EQ(timeOn("up.txt", 4, 21), timeOf(local[0])) << "the PgUp panel";
    EXPECT_EQ(screenRow("all.txt", 3).substr(2, 14), "All departures");
    EXPECT_EQ(screenRow("all.txt", 30).substr(36, 12), " Show local ");
    EXPECT_EQ(timeOn("all.txt", 4, 21), timeOf(all[0]));
    const int allCount = static_cast<int>(all.size());
    EXPECT_EQ(timeOn("end.txt", 4, 21), timeOf(all[static_cast<std::size_t>(allCount - 26)]));
    EXPECT_EQ(timeOn("end.txt", 29, 21), timeOf(all.back()));
    EXPECT_EQ(timeOn("home.txt", 4, 21), timeOf(all[0]));
    EXPECT_TRUE(boxes().empty());
    EXPECT_NE(contents("departure.txt").find(timeOf(all[0])), std::string::npos) << contents("departure.txt");
    EXPECT_EQ(screenRow("details.txt", 1).substr(84, 10), "Departures");
    EXPECT_EQ(jsonNumber("left.json", "displayMode"), 0);
    EXPECT_EQ(screenRow("left.txt", 1).find("Departures"), std::string::npos);
    EXPECT_EQ(screenRow("left.txt", 30).find("PgUp"), std::string::npos) << "the footer goes with the board";
    for (DepartureIndex d : all) EXPECT_FALSE(isPilotDuty(state.departures[d]));
}

TEST_F(BoardsDriver, TheThreeBoardsMatchTheirExpectedScreens) {
    play("boards.txt");
    for (const char* name :
         {"arrivals-summary", "arrivals-north-west", "arrivals-south-east", "departures-local",
          "departures-local-2", "departures-all", "departures-all-end"}) {
        const std::string drawn = contents(std::string(name) + ".txt");
        EXPECT_FALSE(drawn.empty()) << name;
        EXPECT_EQ(drawn, contents(std::filesystem::path(WENDMOOR_TESTS_DIR) / "expected" /
                                  ("boards-" + std::string(name) + ".txt")))
            << name;
    }
}

} // namespace
} // namespace wm
