// The arrivals and departures boards drawn from hand-made states: which trains each lists, the words and
// colours of their rows, the panels of the summary, the paging of the departures and the click regions.

#include "place_text_fixture.h"

#include "console/time_format.h"
#include "display/arrivals_board.h"
#include "display/departures_board.h"
#include "display/hotspots.h"
#include "display/text_tables.h"
#include "world/group_names.h"
#include "world/line_tables.h"
#include "world/reference_tables.h"

namespace wm::testing {
namespace {

constexpr LocationId CUS = 53, PL3 = 98, WN_EXIT = 56;

class Boards : public PlaceTextTest {
  protected:
    std::string row(int number) const { return host.rowText(number); }

    /// An arrival of the line standing at the line's entry place with an engine, as the approach queue
    /// leaves it.
    ArrivalIndex standingArrival(int line, int time, int late, int trainType = 0) {
        const ArrivalIndex a = newArrival(time, line, stationGroup, trainType);
        state().arrivals[a].late = late;
        state().arrivals[a].loco = newEngine("4556" + std::to_string(a));
        state().arrivals[a].origin = "Leeds";
        Location& entry = place(state().lines[line].entryPlace);
        entry.occState = occArrival;
        entry.occupant = a;
        return a;
    }
    void summary() {
        console.ClearScreen();
        DrawArrivalsSummary(console, state());
    }
    static std::vector<ArrivalIndex> arrivalsOf(const std::vector<ListedArrival>& listed) {
        std::vector<ArrivalIndex> out;
        for (const ListedArrival& l : listed) out.push_back(l.arrival);
        return out;
    }
    std::vector<ArrivalIndex> listedOn(int line, int rows) {
        return arrivalsOf(lineArrivals(state(), line, rows));
    }
};

TEST_F(Boards, LatenessIsExactWithinHalfAnHourThenRoundedToFiveAndBeyondTheHourToTen) {
    const int clock = 600;
    EXPECT_EQ(panelLateness(0, clock + 10, clock), " On time ");
    EXPECT_EQ(panelLateness(7, clock + 30, clock), "7 late");
    EXPECT_EQ(panelLateness(-3, clock + 20, clock), "3 early");
    EXPECT_EQ(panelLateness(7, clock + 31, clock), "10 late"); // (7 + 3) div 5 x 5
    EXPECT_EQ(panelLateness(6, clock + 60, clock), "5 late");
    EXPECT_EQ(panelLateness(14, clock + 61, clock), "10 late"); // (14 + 5) div 10 x 10
    EXPECT_EQ(panelLateness(15, clock + 90, clock), "20 late");
    EXPECT_EQ(panelLateness(2, clock + 45, clock), "5 late");
    EXPECT_EQ(panelLateness(1, clock + 45, clock), " On time "); // rounds down to nothing

    EXPECT_EQ(listLateness(0, clock, clock), " On time  ");
    EXPECT_EQ(listLateness(7, clock, clock), "  7 late  ");
    EXPECT_EQ(listLateness(-12, clock, clock), " 12 early ");
    EXPECT_EQ(listLateness(115, clock + 100, clock), "120 late  ");
}

TEST_F(Boards, ALineListsItsPendingTrainsOfBothFamiliesSpacedFiveMinutesApart) {
    state().shiftEnd = 1440;
    const ArrivalIndex gone = newArrival(400, 2, 15, 0);     // passed the passenger pending index
    const ArrivalIndex freight = newArrival(405, 2, 16, 12); // the freight family is still here
    const ArrivalIndex first = newArrival(410, 2, 15, 0);
    const ArrivalIndex notToday = newArrival(0, 2, 15, 0);    // time 0: does not run
    const ArrivalIndex close = newArrival(412, 2, 15, 4);     // 2 minutes behind the one before
    const ArrivalIndex otherLine = newArrival(415, 3, 15, 0); // in the run, but of another line
    const ArrivalIndex tooLate = newArrival(1500, 2, 15, 0);  // after the shift end + 60
    const ArrivalIndex spare = newArrival(1499, 2, 15, 0);
    state().arrivals[first].late = 10;
    state().lines[2].nextPassenger = first;
    state().lines[2].nextFreight = freight;
    state().lines[2].lastArrival = spare;
    static_cast<void>(gone);
    static_cast<void>(notToday);
    static_cast<void>(otherLine);
    static_cast<void>(tooLate);

    const std::vector<ListedArrival> listed = lineArrivals(state(), 2, 5);
    ASSERT_EQ(arrivalsOf(listed), (std::vector<ArrivalIndex>{freight, first, close, spare}));
    EXPECT_EQ(listed[0].expected, 405);
    EXPECT_EQ(listed[1].expected, 420);
    // Expected at 412 it would run into the 4.20: it is put 5 minutes behind, and is as late as that makes
    // it.
    EXPECT_EQ(listed[2].expected, 425);
    EXPECT_EQ(listed[2].late, 13);
    EXPECT_EQ(listed[3].expected, 1499);
    EXPECT_EQ(listedOn(2, 2), (std::vector<ArrivalIndex>{freight, first}));
    state().lines[2].lastArrival = close;
    EXPECT_EQ(listedOn(2, 5), (std::vector<ArrivalIndex>{freight, first, close}));
}

TEST_F(Boards, TheSummaryPanelOfAnApproachWithNoTrainDueWithinTheHourIsBlank) {
    state().clock = 600;
    const ArrivalIndex farOff = standingArrival(1, 661, 0);
    const ArrivalIndex lateIntoTheHour = standingArrival(2, 650, 15); // due 6.05 past the hour
    const ArrivalIndex engineless = standingArrival(7, 620, 0);
    state().arrivals[engineless].loco = noEngine;
    // A stale mark left on the panel's rows is blanked with it.
    console.GotoCell(1, 6);
    console.WriteText("XXXXXXXXXXXXXXXXXXXXXXXX");
    DrawArrivalsSummary(console, state());
    for (int r = 5; r <= 11; ++r) EXPECT_EQ(text(1, r, 24), std::string(24, ' ')) << "WN row " << r;
    for (int r = 15; r <= 21; ++r) EXPECT_EQ(text(1, r, 24), std::string(24, ' ')) << "CF row " << r;
    for (int r = 25; r <= 30; ++r) EXPECT_EQ(text(1, r, 24), std::string(24, ' ')) << "CS row " << r;

    state().arrivals[farOff].time = 660; // now within the hour
    static_cast<void>(lateIntoTheHour);
    summary();
    EXPECT_EQ(row(5).substr(0, 9), "Next WN a");
    EXPECT_EQ(text(1, 15, 24), std::string(24, ' '));
}

TEST_F(Boards, ASummaryPanelGivesTheTrainItsTimesEngineLatenessWhatItBecomesAndItsApproach) {
    state().clock = 600;
    const ArrivalIndex a = standingArrival(1, 615, 12);
    const int reach = approachTime(state().arrivals[a].group, 1, 0);
    const DepartureIndex d = newDeparture(660, 2, stationGroup, 0);
    state().departures[d].destination = "Carlisle";
    newPortion(portionOnTrain, d);
    state().arrivals[a].firstPortion = state().portionCount;
    summary();

    EXPECT_EQ(row(1).substr(69, 16), "Arrivals Summary");
    EXPECT_EQ(cell(70, 1).text, palette::Cyan);
    EXPECT_EQ(row(3).substr(0, 21), " From the North/West ");
    EXPECT_EQ(row(3).substr(50, 21), " From the South/East ");
    EXPECT_EQ(cell(1, 3).background, palette::Brown);
    EXPECT_EQ(row(5).substr(0, 24), "Next WN arr. exp: " + FormatTime(627 - reach) + " ");
    EXPECT_EQ(cell(1, 5).text, palette::Green);
    EXPECT_EQ(row(6).substr(0, 7 + groupName(stationGroup).size() + 6),
              "Due at " + groupName(stationGroup) + " " + FormatTime(615));
    EXPECT_EQ(text(9, 7, 15), " Leeds-A       ");
    EXPECT_EQ(text(3, 7, 5), state().locos[state().arrivals[a].loco].number.str());
    EXPECT_EQ(cell(23, 7).background, palette::Navy);
    EXPECT_EQ(cell(24, 7).background, palette::Black);
    EXPECT_EQ(row(8).substr(0, 9), "12 late  ");
    EXPECT_EQ(row(9).substr(0, 24), "Next: " + FormatTime(660) + " Carlisle-A  ");
    EXPECT_EQ(row(31).substr(0, 75),
              "Click a brown panel for details; click elsewhere or press a key to continue");

    // Before it is near, the approach says nothing; then it is approaching, then held, then signalled.
    state().arrivals[a].late = 0;
    state().arrivals[a].time = 600 + reach + 2;
    summary();
    EXPECT_EQ(text(1, 10, 28), std::string(28, ' '));
    state().arrivals[a].time = 600 + reach + 1;
    summary();
    EXPECT_EQ(text(1, 10, 28), "Approaching Approach A      ");
    EXPECT_EQ(cell(1, 10).text, palette::Yellow);
    state().arrivals[a].time = 600 + reach - 1;
    summary();
    EXPECT_EQ(text(1, 10, 24), "Held at Approach A      ");
    EXPECT_EQ(cell(1, 10).text, palette::Red);
    state().sectionTimer[static_cast<std::size_t>(state().lines[1].signalIndex)] = 3;
    summary();
    EXPECT_EQ(text(1, 10, 24), "Signalled into area     ");
    EXPECT_EQ(cell(1, 10).text, palette::Green);
}

TEST_F(Boards, LinesWithoutAnApproachNameAndLightEnginesShowLessOnTheSummary) {
    state().clock = 600;
    // CS (line 7) has no approach name: a train held there shows no status.
    standingArrival(7, 590, 0);
    standingArrival(20, 610, 25, 8);
    standingArrival(21, 600, 0);
    summary();
    EXPECT_EQ(row(25).substr(0, 7), "Next CS");
    EXPECT_EQ(text(1, 30, 28), std::string(28, ' '));
    EXPECT_EQ(row(9).substr(50, 24), "Light engine            ");
    EXPECT_EQ(row(8).substr(50, 9), std::string(9, ' ')) << "no lateness for a light engine";
    EXPECT_EQ(row(19).substr(50, 24), "Next: Empty stock       ");
}

TEST_F(Boards, WhatAnArrivingTrainBecomesInTheListsAndTheSummary) {
    const DepartureIndex whole = newDeparture(700, 2, stationGroup, 0);
    state().departures[whole].destination = "York";
    const DepartureIndex shared = newDeparture(720, 21, stationGroup, 4);
    state().departures[shared].destination = "Derby";
    const DepartureIndex other = newDeparture(730, 21, upYardGroup, 12);

    const ArrivalIndex light = newArrival(600, 1, shedGroup, 8);
    EXPECT_EQ(arrivalBecomes(state(), light), "Light engine");
    EXPECT_EQ(arrivalNext(state(), light), "Light engine");

    const ArrivalIndex through = newArrival(600, 1, stationGroup, 0);
    state().arrivals[through].firstPortion = newPortion(portionOnTrain, whole);
    EXPECT_EQ(arrivalBecomes(state(), through), "Forms " + FormatTime(700) + " York-A");
    EXPECT_EQ(arrivalNext(state(), through), "Next: " + FormatTime(700) + " York-A");

    const ArrivalIndex ecs = newArrival(600, 1, stationGroup, 0);
    state().arrivals[ecs].firstPortion = newPortion(portionOnTrain);
    EXPECT_EQ(arrivalBecomes(state(), ecs), "ECS to carriage sidings");
    EXPECT_EQ(arrivalNext(state(), ecs), "Next: Empty stock");

    // One portion of a departure of two.
    const ArrivalIndex part = newArrival(600, 1, stationGroup, 0);
    state().arrivals[part].firstPortion = newPortion(portionOnTrain, shared);
    newPortion(portionStanding, shared);
    EXPECT_EQ(arrivalBecomes(state(), part), "Forms part of " + FormatTime(720) + " Derby-B");

    const ArrivalIndex traffic = newArrival(600, 1, upYardGroup, 12);
    state().arrivals[traffic].firstPortion = newPortion(portionOnTrain, 0, newTraffic(trafficCoal, 16, -1));
    EXPECT_EQ(arrivalBecomes(state(), traffic), std::string(trafficTypeName(trafficCoal)));

    // Two portions for two departures: no single departure.
    const ArrivalIndex mixed = newArrival(600, 1, upYardGroup, 12);
    const PortionIndex head = newPortion(portionOnTrain, other, newTraffic(trafficGeneral, 16, -1));
    appendToRake(state(), mixed, head, true);
    appendToRake(state(), mixed, newPortion(portionOnTrain, shared), true);
    EXPECT_EQ(arrivalBecomes(state(), mixed), "Multiple portions");
    EXPECT_EQ(arrivalNext(state(), mixed), "Next: Multiple portions");
}

TEST_F(Boards, TheListBoardsShowEachLineUnderItsHeaderAndMapTheirRows) {
    state().clock = 600;
    const ArrivalIndex a = newArrival(615, 1, stationGroup, 0);
    state().arrivals[a].late = 4;
    state().arrivals[a].origin = "Glasgow";
    const ArrivalIndex far = newArrival(800, 1, stationGroup, 0);
    state().lines[1].lastArrival = far;
    console.ClearScreen();
    const BoardRowMap rows = DrawArrivalsByLine(console, state(), arrivalsNorthWest);

    EXPECT_EQ(row(1).substr(69, 28), "Arrivals from the North/West");
    EXPECT_EQ(row(3).substr(1, 19 + groupName(1).size()), "Next arrivals from " + groupName(1));
    EXPECT_EQ(cell(2, 3).text, palette::Green);
    EXPECT_EQ(row(4).substr(1, 43),
              FormatTime(615) + " at " + padded(groupName(stationGroup), 14) + "from Glasgow-A      ");
    EXPECT_EQ(cell(2, 4).background, palette::Navy);
    EXPECT_EQ(row(4).substr(44, 10), "  4 late  ");
    EXPECT_EQ(row(4).substr(54, 23), "ECS to carriage sidings");
    EXPECT_EQ(row(5).substr(44, 10), std::string(10, ' ')) << "more than two hours ahead";
    EXPECT_EQ(row(8).substr(1, 19 + groupName(2).size()), "Next arrivals from " + groupName(2));
    EXPECT_EQ(row(25).substr(1, 19 + groupName(8).size()), "Next arrivals from " + groupName(8));
    EXPECT_EQ(rows[4], a);
    EXPECT_EQ(rows[5], far);
    EXPECT_EQ(rows[6], 0);
    EXPECT_EQ(rows[3], 0);
    EXPECT_EQ(row(30).substr(1, 29), " Click on train for details  ");
    EXPECT_EQ(row(31).substr(0, 24), " Click here to continue ");
    EXPECT_EQ(cell(1, 31).background, palette::Brown);

    console.ClearScreen();
    DrawArrivalsByLine(console, state(), arrivalsSouthEast);
    EXPECT_EQ(row(1).substr(69, 28), "Arrivals from the South/East");
    EXPECT_EQ(row(24).substr(1, 19 + groupName(23).size()), "Next arrivals from " + groupName(23));
}

TEST_F(Boards, TheDeparturesListLeavesOutPilotDutiesTrainsGoneAndTomorrowAndFiltersByGroup) {
    const DepartureIndex pilot = newDeparture(1, 17, 17, 8);
    state().departures[pilot].code = "421$";
    const DepartureIndex left = newDeparture(300, 2, 15, 0);
    state().departures[left].state = departureGone;
    const DepartureIndex platform = newDeparture(310, 2, 15, 0);
    const DepartureIndex upYard = newDeparture(320, 21, 16, 12);
    const DepartureIndex shed = newDeparture(330, 14, 14, 8);
    const DepartureIndex common = newDeparture(340, 9, 9, 12);
    const DepartureIndex afterMidnight = newDeparture(1499, 2, 15, 0);
    newDeparture(1500, 2, 15, 0);
    newDeparture(1400, 2, 15, 0); // after the stop: not reached

    EXPECT_EQ(listedDepartures(state(), 0, boardGroups(yardsScreen)),
              (std::vector<DepartureIndex>{platform, upYard, shed, common, afterMidnight}));
    const BoardGroups yards = boardGroups(yardsScreen);
    EXPECT_EQ(listedDepartures(state(), yards.first, yards),
              (std::vector<DepartureIndex>{platform, upYard, afterMidnight}));
    const BoardGroups north = boardGroups(northJunctionScreen);
    EXPECT_EQ(listedDepartures(state(), north.first, north),
              (std::vector<DepartureIndex>{platform, shed, afterMidnight}));
    const BoardGroups shedOnly = boardGroups(shedScreen);
    EXPECT_EQ(listedDepartures(state(), shedOnly.first, shedOnly), (std::vector<DepartureIndex>{shed}));
    const BoardGroups commonOnly = boardGroups(commonScreen);
    EXPECT_EQ(listedDepartures(state(), commonOnly.first, commonOnly), (std::vector<DepartureIndex>{common}));
    EXPECT_TRUE(boardGroups(southJunctionScreen).range());
    EXPECT_FALSE(commonOnly.range());
}

TEST_F(Boards, PagingKeepsAFullPageInViewAndNeverGoesBeforeTheFirstEntry) {
    EXPECT_EQ(pagedFirst(1, 30, pageDown), 5); // entries 5..30
    EXPECT_EQ(pagedFirst(5, 30, pageUp), 1);
    EXPECT_EQ(pagedFirst(1, 10, pageEnd), 1);
    EXPECT_EQ(pagedFirst(1, 10, pageDown), 1);
    EXPECT_EQ(pagedFirst(1, 100, pageDown), 26);
    EXPECT_EQ(pagedFirst(26, 100, pageDown), 51);
    EXPECT_EQ(pagedFirst(51, 100, pageEnd), 75);
    EXPECT_EQ(pagedFirst(75, 100, pageHome), 1);
    EXPECT_EQ(pagedFirst(60, 40, 0), 15) << "a list that shrank keeps its last page full";
    EXPECT_EQ(pagedFirst(1, 0, pageEnd), 1);
}

TEST_F(Boards, ADepartureSaysWhereItStandsInEveryForm) {
    const auto where = [&](DepartureIndex d) { return departureWhereabouts(state(), d); };
    const DepartureIndex ready = newDeparture(600, 2, 15, 0);
    state().departures[ready].location = PL3;
    state().departures[ready].state = departureReady;
    EXPECT_EQ(where(ready), "ready in platform " + place(PL3).code.str());
    state().departures[ready].state = departureFormed;
    EXPECT_EQ(where(ready), "on hand in platform " + place(PL3).code.str());
    state().departures[ready].location = WN_EXIT;
    EXPECT_EQ(where(ready), "leaving via WN ");
    state().departures[ready].location = PL3 + secondBerthOffset;
    EXPECT_EQ(where(ready), "approaching platform " + place(PL3).code.str());

    // Two portions, one of them on a train still to come.
    const DepartureIndex gathering = newDeparture(610, 21, 15, 0);
    state().departures[gathering].state = departureGathering;
    const ArrivalIndex comes = newArrival(540, 1, 15, 0);
    state().arrivals[comes].origin = "Leeds";
    const PortionIndex first = newPortion(portionOnTrain, gathering);
    appendToRake(state(), comes, first, true);
    newPortion(portionStanding, gathering);
    EXPECT_EQ(where(gathering), "part due " + FormatTime(540) + " from Leeds");
    appendToRake(state(), comes, newPortion(portionOnTrain), true);
    EXPECT_EQ(where(gathering), "part due " + FormatTime(540) + " from Leeds (part)");
    state().portions[first].location = CUS;
    EXPECT_EQ(where(gathering), "part in CUS");

    const DepartureIndex arrived = newDeparture(620, 2, 15, 0);
    const ArrivalIndex came = newArrival(550, 2, 15, 0);
    state().arrivals[came].origin = "Hull";
    appendToRake(state(), came, newPortion(portionStanding, arrived), true);
    EXPECT_EQ(where(arrived), "arr " + FormatTime(550) + " from Hull");

    const DepartureIndex light = newDeparture(630, 1, 14, 8);
    EXPECT_EQ(where(light), "light engine");
    state().departures[light].loco2 = newEngine("45000");
    EXPECT_EQ(where(light), "light engines");
    const DepartureIndex nothing = newDeparture(640, 2, 15, 0);
    EXPECT_EQ(where(nothing), "not yet ready");
    state().departures[nothing].portionCount = 2;
    EXPECT_EQ(where(nothing), "more than one portion");
}

TEST_F(Boards, ADepartureRowGivesGroupTimeByStateDestinationMarksEngineAndPlace) {
    state().clock = 600;
    const LocoIndex engine = newEngine("45562", 11);
    state().locos[engine].shed = "17A";
    const DepartureIndex soon = newDeparture(601, 2, 15, 0);
    state().departures[soon].destination = "Leeds";
    state().departures[soon].loco = engine;
    state().departures[soon].loco2 = newEngine("45001");
    state().departures[soon].location = PL3;
    const DepartureIndex now = newDeparture(600, 16, 15, 12);
    const DepartureIndex past = newDeparture(590, 21, 16, 12);
    const DepartureIndex sent = newDeparture(580, 21, 15, 0);
    state().departures[sent].state = departureOnWayOut;
    const DepartureIndex later = newDeparture(700, 21, 15, 0);
    state().departures[later].returnArrival = newArrival(900, 21, 15, 0);

    const std::vector<DepartureIndex> list{soon, now, past, sent, later};
    console.ClearScreen();
    const BoardRowMap rows =
        DrawDeparturesBoard(console, state(), DeparturesPage{list, 1, 0, boardGroups(3)});
    EXPECT_EQ(row(1).substr(84, 10), "Departures");
    EXPECT_EQ(row(3).substr(2, 14), "All departures");
    EXPECT_EQ(row(4).substr(1, 19), "From " + padded(groupName(15), 13) + " ");
    EXPECT_EQ(row(4).substr(20, 5), FormatTime(601));
    EXPECT_EQ(text(26, 4, 24), " Leeds-A       P" + std::string(1, glyphFacing0) + " via CF");
    EXPECT_EQ(text(50, 4, 16), " loco 17A " + std::string(locoClass(11).name) + " ");
    EXPECT_EQ(text(66, 4, 23), "on hand in platform " + place(PL3).code.str());
    EXPECT_EQ(cell(41, 4).text, palette::Violet);
    EXPECT_EQ(cell(21, 4).text, palette::Yellow);
    EXPECT_EQ(cell(21, 4).background, palette::Navy);
    EXPECT_EQ(cell(21, 5).text, palette::Green);
    EXPECT_EQ(cell(42, 5).ch, glyphFacing1) << "leaves by a line numbered above its group";
    EXPECT_EQ(text(43, 5, 7), std::string(7, ' ')) << "no main line";
    EXPECT_EQ(cell(21, 6).background, palette::Red);
    EXPECT_EQ(cell(21, 7).text, palette::Cyan);
    EXPECT_EQ(cell(21, 8).text, palette::White);
    EXPECT_EQ(cell(42, 8).ch, glyphReturning);
    EXPECT_EQ(rows[4], soon);
    EXPECT_EQ(rows[8], later);
    EXPECT_EQ(rows[9], 0);
    EXPECT_EQ(row(30).substr(4, 44), " PgUp "
                                     "  "
                                     " PgDn "
                                     "  "
                                     " Home "
                                     "  "
                                     " End  "
                                     "  "
                                     " Show local ");
    EXPECT_EQ(cell(5, 30).background, palette::Brown);
    EXPECT_EQ(cell(11, 30).background, palette::Black);
    EXPECT_EQ(row(31).substr(0, 78),
              " Click brown panels to scroll, or on a train to show details, or here to exit ");

    // Filtered to one group, the group is left out; the page starts at its first entry.
    console.ClearScreen();
    DrawDeparturesBoard(console, state(), DeparturesPage{list, 2, 14, boardGroups(shedScreen)});
    EXPECT_EQ(row(3).substr(2, 21 + groupName(14).size()), "Next departures from " + groupName(14));
    EXPECT_EQ(row(4).substr(1, 5), FormatTime(600));
    EXPECT_EQ(row(30).substr(36, 12), " Show all   ");
    console.ClearScreen();
    DrawDeparturesBoard(console, state(), DeparturesPage{list, 1, 15, boardGroups(yardsScreen)});
    EXPECT_EQ(row(3).substr(2, 21 + groupName(15).size()), "Next departures from " + groupName(15));
    console.ClearScreen();
    DrawDeparturesBoard(console, state(), DeparturesPage{list, 1, 11, boardGroups(northJunctionScreen)});
    EXPECT_EQ(row(3).substr(2, 29), "Next departures from Wendmoor");
}

TEST_F(Boards, TheBoardsClickRegionsAreNarrowerThanTheirPanels) {
    EXPECT_EQ(HitTest(arrivalsPanelGroup, 1, 3), arrivalsNorthWest);
    EXPECT_EQ(HitTest(arrivalsPanelGroup, 15, 3), arrivalsNorthWest);
    for (int column = 16; column <= 21; ++column)
        EXPECT_EQ(HitTest(arrivalsPanelGroup, column, 3), 0) << "column " << column;
    EXPECT_EQ(HitTest(arrivalsPanelGroup, 51, 3), arrivalsSouthEast);
    EXPECT_EQ(HitTest(arrivalsPanelGroup, 66, 3), 0);
    EXPECT_EQ(HitTest(arrivalsPanelGroup, 5, 4), 0);
    EXPECT_EQ(HitTest(departuresPanelGroup, 5, 30), pageUp);
    EXPECT_EQ(HitTest(departuresPanelGroup, 18, 30), pageDown);
    EXPECT_EQ(HitTest(departuresPanelGroup, 19, 30), 0);
    EXPECT_EQ(HitTest(departuresPanelGroup, 21, 30), pageHome);
    EXPECT_EQ(HitTest(departuresPanelGroup, 34, 30), pageEnd);
    EXPECT_EQ(HitTest(departuresPanelGroup, 48, 30), toggleFilter);
    EXPECT_EQ(HitTest(departuresPanelGroup, 49, 30), 0);
    EXPECT_EQ(HitTest(departuresPanelGroup, 37, 31), 0);
}

} // namespace
} // namespace wm::testing
