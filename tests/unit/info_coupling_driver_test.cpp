// The coupling window played through the driver: rows for the rake's portions and its engine, marks that
// follow the clicks, engine couplings that take effect on closing after their three ticks, and a rake
// uncoupled within itself that an engine then takes only part of.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "script_play_fixture.h"
#include "world/rakes.h"

namespace wm {
namespace {

class CouplingWindowDriver : public ScriptPlay {
  protected:
    /// Row `row` of an info file: its text, or with `colours` its colour letters.
    std::string infoRow(const std::string& file, int row, bool colours = false) {
        const std::string all = contents(out / file);
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t at = all.find('\n'); at != std::string::npos; at = all.find('\n', start)) {
            lines.push_back(all.substr(start, at - start));
            start = at + 1;
        }
        const std::size_t rows = (lines.size() - 1) / 2;
        const std::size_t index =
            colours ? rows + static_cast<std::size_t>(row) : static_cast<std::size_t>(row) - 1;
        return index < lines.size() ? lines[index] : std::string();
    }
    bool said(const std::string& message) {
        const auto& m = driver.host().messages();
        return std::find(m.begin(), m.end(), message) != m.end();
    }
    /// The yards' UG1 rake: 7.16, 7.16, 9.49, 9.49 from the low end, the 7.16's engine at the high end.
    const std::vector<std::string> openAtUG1 = {"new-game 5 Weekday", "show-screen 3", "answer menu:Couple1",
                                                "click 60 11 right"};
};

TEST_F(CouplingWindowDriver, TheRakeIsUncoupledByAClickAndAnEngineTakesOnlyWhatItIsCoupledTo) {
    play("coupling_window.txt");
    // As opened: a row per portion, then the engine, none coupled; each coupling a White on Brown panel.
    EXPECT_EQ(infoRow("opened.txt", 3).substr(0, 41), "      part of  7.16 Up Yard to Kestermere");
    EXPECT_EQ(infoRow("opened.txt", 5).substr(6, 19), "part of  9.49 Up Ya");
    EXPECT_EQ(infoRow("opened.txt", 7).substr(6, 14), "\xC2\xA5"
                                                      "90000a WD 8F");
    EXPECT_EQ(infoRow("opened.txt", 3, true).substr(2, 6), "wowowo");
    EXPECT_EQ(infoRow("opened.txt", 6, true).substr(2, 6), "kkkkkk") << "the tail has nothing to couple to";
    for (int row : {3, 4, 5, 7}) EXPECT_EQ(infoRow("all-coupled.txt", row).substr(1, 3), " + ") << row;
    EXPECT_EQ(infoRow("cut.txt", 4).substr(1, 3), "   ");
    // Moved before its three ticks were up, the engine was still being coupled.
    EXPECT_TRUE(said("notice It is being coupled"));

    const Location& ug1 = s().locations[place("UG1")];
    const Location& uga = s().locations[place("UGA")];
    ASSERT_EQ(ug1.occState, occStock);
    EXPECT_EQ(rakeLength(s(), ug1.occupant), 2);
    EXPECT_EQ(s().departures[s().portions[ug1.occupant].departure].code.str(), "772A");
    EXPECT_EQ(ug1.occState2, occEmpty);
    EXPECT_EQ(ug1.locoAt, (std::array<LocoIndex, 5>{}));
    ASSERT_EQ(uga.occState, occStock);
    EXPECT_EQ(rakeLength(s(), uga.occupant), 2);
    EXPECT_EQ(s().departures[s().portions[uga.occupant].departure].code.str(), "007B");
    EXPECT_NE(uga.locoAt[3], 0);
    EXPECT_EQ(uga.endFlag[highEnd], 1);
}

TEST_F(CouplingWindowDriver, AnEngineCoupledInTheWindowToAPassengerRakeFormsItsDepartureReadyToGo) {
    play("coupling_to_departure.txt");
    const Location& p6n = s().locations[place("P6N")];
    const Location& p6s = s().locations[place("P6S")];
    // Opened by Uncouple on the two-portion rake: the express's engine, the 1.37, the parcels, the shed
    // engine; the parcels cut off and the shed engine coupled to them.
    EXPECT_EQ(infoRow("stock.txt", 4).substr(1, 3), " + ");
    EXPECT_EQ(infoRow("stock.txt", 5).substr(6, 8), "Parcels,");
    EXPECT_EQ(infoRow("parcels-cut.txt", 4).substr(1, 3), "   ");
    EXPECT_EQ(infoRow("parcels-cut.txt", 6).substr(1, 3), " + ");
    EXPECT_EQ(s().departures[s().portions[p6s.occupant].departure].code.str(), "229B");
    // Opened by Couple with an uncoupled engine at each end of the 1.37.
    EXPECT_EQ(infoRow("both-ends.txt", 4).substr(7, 4), "1.37");
    EXPECT_EQ(infoRow("both-ends.txt", 5).substr(1, 3), "   ");
    EXPECT_EQ(infoRow("coupled.txt", 5).substr(1, 3), " + ");

    ASSERT_EQ(p6n.occState, occDeparture);
    const Departure& d = s().departures[p6n.occupant];
    EXPECT_EQ(d.code.str(), "064B");
    EXPECT_EQ(d.state, departureReady);
    EXPECT_EQ(d.location, place("P6N"));
    EXPECT_EQ(p6n.endFlag[highEnd], 1);
    EXPECT_EQ(p6n.endFlag[lowEnd], 0) << "the express's engine was left uncoupled";
}

TEST_F(CouplingWindowDriver, WhileItIsOpenTheMainWindowTakesNoInputAndTheClockStandsStill) {
    std::vector<std::string> script = openAtUG1;
    script.insert(script.end(),
                  {"state %OUT%/before.json", "click 90 11", "key R", "key M", "menu Pause1",
                   "click-info 3 3", "info %OUT%/open.txt", "state %OUT%/open.json", "answer close"});
    playCommands("open.script", script);
    EXPECT_FALSE(driver.game().info.open);
    EXPECT_EQ(driver.game().display.displayMode, 0) << "R did not open the report behind the window";
    EXPECT_EQ(infoRow("open.txt", 3).substr(1, 3), " + ") << "the window itself still took its click";
    const std::string before = contents(out / "before.json");
    const std::string open = contents(out / "open.json");
    EXPECT_EQ(before.substr(0, before.find("\"portions\"")), open.substr(0, open.find("\"portions\"")))
        << "nothing but the clicked coupling changed";
}

TEST_F(CouplingWindowDriver, AnEngineWhoseCouplingIsStillChangingCannotBeClickedAgain) {
    std::vector<std::string> script = openAtUG1;
    script.insert(script.end(),
                  {"click-info 3 7", "answer close", "answer menu:Uncouple1", "click 60 11 right",
                   "info %OUT%/changing.txt", "click-info 3 7", "info %OUT%/clicked.txt", "answer close"});
    playCommands("changing.script", script);
    // The mark stays "+", on Magenta, and closing changes nothing: no new three ticks.
    EXPECT_EQ(infoRow("changing.txt", 7).substr(1, 3), " + ");
    EXPECT_EQ(infoRow("changing.txt", 7, true).substr(2, 6), "wmwmwm");
    EXPECT_EQ(infoRow("clicked.txt", 7).substr(1, 3), " + ");
    const Location& ug1 = s().locations[place("UG1")];
    EXPECT_EQ(ug1.endFlag[highEnd], 1);
    EXPECT_EQ(ug1.couplingTicks[highEnd], 3);
}

TEST_F(CouplingWindowDriver, ARakeSplitInTheWindowIsCoupledUpAgainFromItsFirstPart) {
    std::vector<std::string> script = openAtUG1;
    script.insert(script.end(), {"click-info 3 3", "click-info 3 4", "click-info 3 5", "click-info 3 4",
                                 "answer close", "answer menu:Uncouple1", "click 60 11 right",
                                 "info %OUT%/split.txt", "click-info 3 4", "answer close"});
    playCommands("rejoin.script", script);
    // Split on the first closing, the two parts are listed in order and the first one's tail offers to
    // couple to the second; coupled, they are one rake again.
    EXPECT_EQ(infoRow("split.txt", 4).substr(1, 3), "   ");
    EXPECT_EQ(infoRow("split.txt", 4, true).substr(2, 6), "wowowo");
    const Location& ug1 = s().locations[place("UG1")];
    EXPECT_EQ(ug1.occState2, occEmpty);
    EXPECT_EQ(rakeLength(s(), ug1.occupant), 4);
    EXPECT_TRUE(rakeFullyCoupled(s(), ug1.occupant));
}

TEST_F(CouplingWindowDriver, TheDriverRefusesInfoCommandsWhileTheWindowIsShut) {
    std::string error;
    EXPECT_EQ(driver.run("shut.script", {"new-game 5 Weekday", "click-info 3 3"}, error), 1);
    EXPECT_NE(error.find("the information window is not open"), std::string::npos) << error;
}

} // namespace
} // namespace wm
