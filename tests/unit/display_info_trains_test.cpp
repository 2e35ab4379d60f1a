// The train pages of the information window drawn on the headless host's second canvas: a departure's
// details with and without the engine data, an arrival's details, what stands at a place, and the facing
// an arrival's engine takes when it is shown.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "display/info_console.h"
#include "display/info_trains.h"
#include "script_play_fixture.h"
#include "world/record_checks.h"

namespace wm {
namespace {

class InfoTrains : public ScriptPlay {
  protected:
    void SetUp() override {
        ScriptPlay::SetUp();
        playCommands("start.script", {"new-game 5 Weekday"});
    }
    /// Draws a page on a freshly shown canvas of 20 rows by 80 columns and returns its rows.
    template <typename Draw>
    std::vector<std::string> page(Draw draw, int rows = 20, int columns = 80) {
        HeadlessHost& h = driver.host();
        InfoWindowShape shape;
        shape.rows = rows;
        shape.columns = columns;
        h.showInfoWindow(shape);
        InfoConsole c(h, driver.game().console.cellWidth(), driver.game().console.cellHeight());
        c.Clear(rows, columns);
        draw(c);
        std::istringstream in(h.infoDump());
        std::vector<std::string> out;
        for (std::string line; static_cast<int>(out.size()) < rows && std::getline(in, line);)
            out.push_back(line);
        h.hideInfoWindow();
        return out;
    }
    DepartureIndex departure(std::string_view code) {
        for (DepartureIndex d = 1; d <= s().departureCount; ++d)
            if (s().departures[d].code.view() == code) return d;
        return 0;
    }
};

TEST_F(InfoTrains, ADeparturesPageNamesItsEngineWhereItIsWhatFormsItAndWhereItStands) {
    const DepartureIndex d = departure("902A");
    ASSERT_NE(d, 0);
    const auto rows = page([&](InfoConsole& c) { drawDepartureDetails(c, s(), d, false); });
    EXPECT_EQ(rows[1].substr(0, 50), "  6.18 from Wendmoor Stn to Ravensmoss (B)  via SF");
    EXPECT_EQ(rows[2].substr(0, 37), " Loco required:  SH DMU  : 79337 is  ");
    EXPECT_EQ(rows[3].substr(0, 17), "   in LS3 (Shed) ");
    EXPECT_EQ(rows[4].substr(0, 13), " Formed from:");
    EXPECT_EQ(rows[5].substr(0, 32), "     Empty stock - in siding LS3");
    EXPECT_EQ(rows[6].substr(0, 38), " This departure is ready in siding LS3");
    // Hidden engine data: the class, not the engine or where it is.
    const auto hidden = page([&](InfoConsole& c) { drawDepartureDetails(c, s(), d, true); });
    EXPECT_EQ(hidden[2], " Loco required:  SH DMU  " + std::string(55, ' '));
    EXPECT_EQ(hidden[3].substr(0, 13), " Formed from:");
}

TEST_F(InfoTrains, ContentsListEveryPortionOfARakeAndSayWhenAPlaceIsEmpty) {
    const auto rows = page([&](InfoConsole& c) { drawContents(c, s(), place("UG1"), false); }, 28, 100);
    EXPECT_EQ(rows[1].substr(0, 47), " part of  7.16 Up Yard to Kestermere via CF (F)");
    EXPECT_EQ(rows[4].substr(0, 47), " part of  9.49 Up Yard to Carrowfold via CF (S)");
    EXPECT_EQ(rows[5], std::string(100, ' '));
    const auto empty = page([&](InfoConsole& c) { drawContents(c, s(), place("LL1"), false); }, 28, 100);
    EXPECT_EQ(empty[1].substr(0, 17), " No train present");
}

TEST_F(InfoTrains, AnArrivalsPageGivesItsTimeEngineAndWhatItBecomes) {
    ArrivalIndex express = 0;
    for (ArrivalIndex a = 1; a <= s().arrivalCount && express == 0; ++a)
        if (s().arrivals[a].time == 38 && s().arrivals[a].trainType == 0 && isLoco(s(), s().arrivals[a].loco))
            express = a;
    ASSERT_NE(express, 0);
    const Arrival& a = s().arrivals[express];
    const auto rows = page([&](InfoConsole& c) { drawArrivalDetails(c, s(), express, false); });
    EXPECT_EQ(rows[1].substr(0, 6), "  0.38");
    EXPECT_NE(rows[1].find(" from " + a.origin.str() + " (A)"), std::string::npos) << rows[1];
    EXPECT_EQ(rows[2].substr(0, 10), "    " + s().locos[a.loco].number.str() + " ");
    EXPECT_EQ(rows[3].substr(0, 11), "   Becomes ");
    EXPECT_EQ(rows[4].substr(0, 25), "    0.44 from Wendmoor St");
    // Its own engine works on: nothing more to find for it.
    EXPECT_EQ(rows[5].substr(0, 22), "   Loco works through ") << rows[5];
    EXPECT_EQ(rows[6].substr(0, 10), "   Due  0.");
}

TEST_F(InfoTrains, ATripSaysWhatItsEngineBringsBack) {
    const DepartureIndex trip = departure("432A");
    ASSERT_NE(trip, 0);
    const ArrivalIndex back = s().departures[trip].returnArrival;
    ASSERT_NE(back, 0) << "the trip to Drennan Quarry comes back";
    const auto rows = page([&](InfoConsole& c) { drawDepartureDetails(c, s(), trip, false); });
    std::size_t at = 0;
    while (at < rows.size() && rows[at].rfind(" Becoming", 0) != 0) ++at;
    ASSERT_LT(at + 1, rows.size()) << "no Becoming";
    EXPECT_EQ(rows[at], " Becoming" + std::string(71, ' '));
    // Indented under it: the train the returning engine works back to the up yard.
    EXPECT_EQ(rows[at + 1].substr(0, 42), "    8.37 from Drennan Quay to Up Yard (S) ") << rows[at + 1];
    // A light engine's trip, or a main-line train, says nothing of it.
    const auto main = page([&](InfoConsole& c) { drawDepartureDetails(c, s(), departure("902A"), false); });
    for (const std::string& row : main) EXPECT_EQ(row.find("Becoming"), std::string::npos) << row;
}

TEST_F(InfoTrains, ShowingAnArrivalOnLinesOneAndFourTurnsItsEngineToFaceTheUsualWay) {
    int checked = 0;
    for (ArrivalIndex i = 1; i <= s().arrivalCount; ++i) {
        const Arrival& a = s().arrivals[i];
        if (!isLoco(s(), a.loco)) continue;
        s().locos[a.loco].facing = 1;
        faceArrivalEngine(s(), i);
        EXPECT_EQ(s().locos[a.loco].facing, a.line == 1 || a.line == 4 ? 0 : 1) << a.code.str();
        ++checked;
    }
    EXPECT_GT(checked, 10);
}

} // namespace
} // namespace wm
