// The engine report: which engines it lists and in what order, what it says about them and the game, and
// which engine a click on it finds; and the words for where an engine is.

#include "place_text_fixture.h"

#include "display/engine_report.h"
#include "display/engine_whereabouts.h"
#include "world/reference_tables.h"

namespace wm::testing {
namespace {

constexpr LocationId MUH = 1, CUF = 51, PL1 = 95, RDF = 189, RUF = 190;

class EngineReport : public PlaceTextTest {
  protected:
    void draw() {
        console.ClearScreen();
        DrawEngineReport(console, state(), reportedEngines(state()), "07/12/2026");
    }
    std::string row(int number) const { return host.rowText(number); }
};

TEST_F(EngineReport, EnginesAreListedInLocationOrderWithTrainsWaitingAtEntryPointsAndEachOnce) {
    const LocoIndex atPlatform = newEngine("45562");
    const LocoIndex inBerth = newEngine("70004");
    const LocoIndex onArrival = newEngine("46229");
    const LocoIndex atMuh = newEngine("47231");
    const LocoIndex stale = newEngine("44871");
    const LocoIndex moving = newEngine("61234");
    putEngine(PL1, 2, atPlatform);
    place(PL1 + secondBerthOffset).locoAt[1] = inBerth;
    state().locos[inBerth].where = PL1 + secondBerthOffset;
    // A train waiting at RDF: its engine is still booked on the arrival.
    place(RDF).locoAt[2] = onArrival;
    state().locos[onArrival].where = whereOnArrival + 1;
    putEngine(MUH, 1, atMuh);
    place(PL1).locoAt[3] = atMuh; // a stale copy is not listed twice
    place(PL1).locoAt[4] = stale; // nor an engine that is somewhere else
    state().locos[stale].where = 0;
    // At an entry point where a move is under way only the engines that are there count.
    place(CUF).locoAt[2] = moving;
    state().locos[moving].where = whereOnArrival + 2;
    place(CUF).busyTicks = 4;
    place(MUH).locoAt[4] = 300; // not an engine of the day

    EXPECT_EQ(reportedEngines(state()), (std::vector<LocoIndex>{atMuh, atPlatform, onArrival, inBerth}));
}

TEST_F(EngineReport, TheReportShowsTheGameTheGridAndTheCount) {
    state().difficulty = 25;
    state().score = -42;
    state().target = 350;
    state().clock = 14 * 60 + 5;
    for (int i = 0; i < 6; ++i) putEngine(PL1 + i, 1, newEngine(std::to_string(45560 + i)));
    state().locos[1].shed = "17A";
    draw();
    EXPECT_EQ(row(2).substr(4, 19), "Difficulty level: 5");
    EXPECT_EQ(row(2).substr(34, 17), "Points lost:   42");
    EXPECT_EQ(row(2).substr(54, 18), "Points target: 350");
    EXPECT_EQ(row(3).substr(34, 32), "Program last modified 07/12/2026");
    EXPECT_EQ(row(5).substr(4, 46), "Report at  2p05 - Engines in the Wendmoor area");
    const std::string jubilee(locoClass(11).name);
    EXPECT_EQ(row(7).substr(0, 18), " 45560 " + jubilee + " 17A  ");
    EXPECT_EQ(row(7).substr(18, 18), " 45561 " + jubilee + "  SH  ");
    EXPECT_EQ(row(8).substr(0, 18), " 45565 " + jubilee + "  SH  ");
    EXPECT_EQ(row(8).substr(18, 18), std::string(18, ' '));
    EXPECT_EQ(row(10).substr(4, 52), "Altogether  6 engines are in or approaching Wendmoor");
    EXPECT_EQ(host.cell(2, 7).background, palette::Navy);

    state().score = 7;
    state().clock = state().shiftEnd;
    while (state().locoCount > 1) place(PL1 + --state().locoCount).locoAt[1] = 0;
    draw();
    EXPECT_EQ(row(2).substr(34, 17), "Points gained:  7");
    EXPECT_EQ(row(5).substr(4, 53), "Report at end of shift - Engines in the Wendmoor area");
    EXPECT_EQ(row(9).substr(4, 50), "Altogether  1 engine is in or approaching Wendmoor");
}

TEST_F(EngineReport, WithNoEngineInTheAreaTheReportSaysNone) {
    newEngine("45562"); // off the area
    draw();
    EXPECT_EQ(row(7).substr(0, 10), "    None  ");
    EXPECT_EQ(row(7).find("Altogether"), std::string::npos);
}

TEST_F(EngineReport, AClickFindsTheEngineListedInItsCell) {
    const std::vector<LocoIndex> engines{4, 9, 2, 7, 5, 3};
    EXPECT_EQ(reportEngineAt(engines, 1, 7), 4);
    EXPECT_EQ(reportEngineAt(engines, 18, 7), 4);
    EXPECT_EQ(reportEngineAt(engines, 19, 7), 9);
    EXPECT_EQ(reportEngineAt(engines, 90, 7), 5);
    EXPECT_EQ(reportEngineAt(engines, 91, 7), 0); // beyond the fifth column
    EXPECT_EQ(reportEngineAt(engines, 1, 8), 3);
    EXPECT_EQ(reportEngineAt(engines, 19, 8), 0); // nothing listed there
    EXPECT_EQ(reportEngineAt(engines, 1, 6), 0);
    EXPECT_EQ(reportEngineAt(engines, 1, 29), 0);
}

TEST_F(EngineReport, TheWhereaboutsNameThePlaceAndItsScreenOrHowTheEngineComesOrGoes) {
    const LocoIndex e = newEngine("45562");
    Loco& l = state().locos[e];
    l.where = PL1;
    EXPECT_EQ(engineWhereabouts(state(), e), "in PL1 (Yards)");
    EXPECT_EQ(engineLocationLine(state(), e),
              "45562 " + std::string(locoClass(11).name) + "  SH in PL1 (Yards)");
    l.where = RDF;
    EXPECT_EQ(engineWhereabouts(state(), e), "approaching on RDF");
    l.where = RUF + secondBerthOffset;
    EXPECT_EQ(engineWhereabouts(state(), e), "leaving via RUF");
    l.where = PL1 + secondBerthOffset;
    EXPECT_EQ(engineWhereabouts(state(), e), "approaching PL1 (Yards)");
    l.where = whereLeftWithDeparture + 3;
    EXPECT_EQ(engineWhereabouts(state(), e), "not in Wendmoor area");
    l.where = 0;
    EXPECT_EQ(engineWhereabouts(state(), e), "not in Wendmoor area");

    const ArrivalIndex a = newArrival(7 * 60, 2, 15, 0);
    l.where = whereOnArrival + a;
    state().clock = 7 * 60 + 31;
    EXPECT_EQ(engineWhereabouts(state(), e).substr(0, 21), "arriving on  7.00 at ");
    EXPECT_NE(engineWhereabouts(state(), e).find(" from Somewhere"), std::string::npos);
    state().arrivals[a].late = 1;
    EXPECT_EQ(engineWhereabouts(state(), e), "not in Wendmoor area");
    EXPECT_EQ(engineWhereabouts(state(), 0), "not in Wendmoor area");
}

} // namespace
} // namespace wm::testing
