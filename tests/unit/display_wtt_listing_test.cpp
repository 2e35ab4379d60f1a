// The working timetable listing: arrivals line by line with what they become, departures group by group
// with what forms them, in fixed columns.

#include "display/wtt_listing.h"
#include "place_text_fixture.h"

namespace wm::testing {
namespace {

constexpr int carrowfold = 2; // a main line, and the group name of its trains' origin end
constexpr int upYard = 16;
constexpr int station = 15;

std::string blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

class WttListingTest : public PlaceTextTest {
  protected:
    void SetUp() override {
        PlaceTextTest::SetUp();
        state().dayName = "Weekday";
        state().difficulty = 15;
        state().shiftStart = 1;
        state().shiftEnd = 1439;
    }

    // Every arrival made so far is on the line and pending.
    void pendLine(int line, ArrivalIndex firstPassenger, ArrivalIndex firstFreight) {
        Line& l = state().lines[line];
        l.nextPassenger = firstPassenger;
        l.nextFreight = firstFreight;
        l.lastArrival = state().arrivalCount;
    }

    PortionIndex onArrival(ArrivalIndex a, PortionIndex p) {
        appendToRake(state(), a, p, true);
        return p;
    }

    LocoIndex engine(const std::string& number, int classIndex, const std::string& shed) {
        const LocoIndex e = newEngine(number, classIndex);
        state().locos[e].shed = shed;
        return e;
    }
};

TEST_F(WttListingTest, ALineWithNothingPendingSaysSoInOneLineAndAnEmptyLine) {
    pendLine(carrowfold, 0, 0);
    EXPECT_EQ(WttArrivalsSection(state(), carrowfold),
              (std::vector<std::string>{"No arrivals from Carrowfold", ""}));

    // Pending arrivals that all fall after the shift give the heading-less section: one empty line.
    const ArrivalIndex late = newArrival(state().shiftEnd + 30, carrowfold, station, 0);
    pendLine(carrowfold, late, 0);
    EXPECT_EQ(WttArrivalsSection(state(), carrowfold), (std::vector<std::string>{""}));
}

TEST_F(WttListingTest, ArrivalsShowOriginGroupTypeAndWhatEachPortionBecomes) {
    const DepartureIndex express = newDeparture(10 * 60 + 15, 21, station, 0);
    state().departures[express].destination = "Stourwick";
    const DepartureIndex parcels = newDeparture(20 * 60 + 8, 20, station, 5);
    state().departures[parcels].destination = "Roufield";
    newPortion(portionStanding, parcels); // the parcels train gathers two portions
    const DepartureIndex yardTraffic = newDeparture(notRunningTime, 20, upYard, 12);
    state().departures[yardTraffic].destination = "Bracklebeck";

    const ArrivalIndex gone = newArrival(9 * 60, carrowfold, station, 0); // came before the pending one
    const ArrivalIndex a = newArrival(10 * 60 + 1, carrowfold, station, 0);
    state().arrivals[a].origin = "Northwald";
    onArrival(a, newPortion(portionOnTrain, express));
    onArrival(a, newPortion(portionOnTrain, parcels, newTraffic(1, station, -1)));
    onArrival(a, newPortion(portionOnTrain, yardTraffic));
    onArrival(a, newPortion(portionOnTrain, 0, newTraffic(10, 18, -1))); // wagons for repair, no train
    const ArrivalIndex notRunning = newArrival(0, carrowfold, station, 0);
    const ArrivalIndex light = newArrival(11 * 60, carrowfold, 14, 8);
    state().arrivals[light].origin = "Pardlow";
    state().arrivals[light].loco = newEngine("45001");
    const ArrivalIndex stock = newArrival(12 * 60, carrowfold, station, 7);
    onArrival(stock, newPortion(portionOnTrain));
    const ArrivalIndex otherLine = newArrival(12 * 60 + 5, 3, station, 0);
    const ArrivalIndex afterShift = newArrival(state().shiftEnd + 30, carrowfold, station, 0);
    pendLine(carrowfold, a, light);
    (void)gone, (void)notRunning, (void)otherLine, (void)afterShift;

    const std::vector<std::string> expected{
        "Arrivals from Carrowfold",
        "Time  From         At             Type               Becomes  ",
        "10.01 Northwald    Wendmoor Stn   Express psgr       10.15 Stourwick",
        blanks(49) + "    Parcels for loading/unloading",
        blanks(60) + "becoming part of  8p08 Roufield",
        blanks(49) + "    low priority traffic to Bracklebeck",
        blanks(49) + "    Wagons for repair",
        "11.00 Pardlow      SH Shed        Light engine  ",
        "12p00 Somewhere    Wendmoor Stn   Empty stock         Empty stock to sidings",
        "",
    };
    const std::vector<std::string> listed = WttArrivalsSection(state(), carrowfold);
    EXPECT_EQ(listed, expected);
    // What a train becomes stands under its heading, a further portion's text too.
    ASSERT_EQ(listed.size(), expected.size());
    EXPECT_EQ(listed[2].find("10.15"), listed[1].find("Becomes"));
    EXPECT_EQ(listed[3].find("Parcels"), listed[1].find("Becomes"));

    // A light engine whose engine is not yet known keeps the plain type name.
    state().arrivals[light].loco = noEngine;
    EXPECT_EQ(WttArrivalsSection(state(), carrowfold)[7], "11.00 Pardlow      SH Shed        Light engine ");
}

TEST_F(WttListingTest, DeparturesShowTheirEngineAndWhatFormsThem) {
    const DepartureIndex pilot = newDeparture(1, 16, upYard, 8);
    state().departures[pilot].code = "422$";
    state().departures[pilot].loco = engine("47321", 2, " SH");

    const DepartureIndex through = newDeparture(6 * 60 + 45, 1, upYard, 9);
    state().departures[through].destination = "Penvarrow";
    state().departures[through].loco = engine("92046", 28, "10B");
    state().departures[through].loco2 = engine("42090", 5, " SH");
    const ArrivalIndex forming = newArrival(6 * 60 + 32, 8, upYard, 9);
    state().arrivals[forming].origin = "Hebbleton";
    onArrival(forming, newPortion(portionOnTrain, through));

    const DepartureIndex freight = newDeparture(14 * 60 + 19, 2, upYard, 12);
    state().departures[freight].destination = "Ormesdyke";
    state().departures[freight].loco = engine("45097", 11, "10B");
    // Coaches off a train that runs on as another service, wagons being worked in a siding, wagons off a
    // train that brought only traffic, and wagons that stood in the yard overnight.
    const DepartureIndex runsOn = newDeparture(9 * 60, 2, station, 0);
    const ArrivalIndex passenger = newArrival(8 * 60 + 50, 7, station, 0);
    state().arrivals[passenger].origin = "Tessingham";
    onArrival(passenger, newPortion(portionOnTrain, runsOn));
    onArrival(passenger, newPortion(portionOnTrain, freight));
    newPortion(portionBeingWorked, freight, newTraffic(3, upYard, 30));
    const ArrivalIndex goods = newArrival(0 * 60 + 57, 20, upYard, 12);
    state().arrivals[goods].origin = "Gantry Hill";
    onArrival(goods, newPortion(portionOnTrain, freight, newTraffic(5, upYard, -1)));
    newPortion(portionStanding, freight);

    const DepartureIndex bare = newDeparture(16 * 60, 2, upYard, 12);
    state().departures[bare].loco = noEngine;
    const DepartureIndex left = newDeparture(5 * 60, 2, upYard, 12);
    state().departures[left].state = departureGone;
    const DepartureIndex tomorrow = newDeparture(state().shiftEnd + 30, 2, upYard, 12);
    const DepartureIndex elsewhere = newDeparture(7 * 60, 2, station, 12);
    (void)left, (void)tomorrow, (void)elsewhere;

    const std::vector<std::string> expected{
        "Departures from Up Yard",
        "Time  To          Type               Loco            Formed from",
        " 6.45 Penvarrow   Fast freight       St 9F 10B 92046 ",
        blanks(31) + "Pilot LM 4T  SH 42090  6.32 Hebbleton      ",
        " 2p19 Ormesdyke   Slow freight       LM 5  10B 45097  8.50 from Tessingham",
        blanks(53) + "General at Up Yard",
        blanks(53) + "Coal, off  0.57 from Gantry Hill",
        blanks(53) + "Overnight traffic",
        " 4p00 Elsewhere   Slow freight       " + blanks(16),
        "",
        "",
    };
    const std::vector<std::string> listed = WttDeparturesSection(state(), upYard);
    EXPECT_EQ(listed, expected);
    // Both engines stand under "Loco", and what forms the train under "Formed from" on every line.
    ASSERT_EQ(listed.size(), expected.size());
    EXPECT_EQ(listed[2].find("St 9F"), listed[1].find("Loco"));
    EXPECT_EQ(listed[3].find("LM 4T"), listed[1].find("Loco"));
    EXPECT_EQ(listed[3].find(" 6.32"), listed[1].find("Formed from"));
    EXPECT_EQ(listed[4].find(" 8.50"), listed[1].find("Formed from"));
    EXPECT_EQ(listed[5].find("General"), listed[1].find("Formed from"));
}

TEST_F(WttListingTest, StockWithNoArrivalIsEmptyStockForAPassengerTrain) {
    const DepartureIndex d = newDeparture(6 * 60, 4, station, 4);
    state().departures[d].loco = engine("79357", 1, " SH");
    newPortion(portionStanding, d);
    EXPECT_EQ(WttDeparturesSection(state(), station)[2],
              " 6.00 Elsewhere   Passenger          DMU    SH 79357 Empty stock");
}

TEST_F(WttListingTest, AGroupWithNothingToListGetsNoHeadingAndNoBlankLines) {
    newDeparture(state().shiftEnd + 30, 2, upYard, 12);
    newDeparture(state().shiftEnd + 45, 2, upYard, 12);
    const DepartureIndex gone = newDeparture(8 * 60, 2, upYard, 12);
    state().departures[gone].state = departureGone;
    EXPECT_TRUE(WttDeparturesSection(state(), upYard).empty());

    for (int line = 1; line <= lineCapacity; ++line) pendLine(line, 0, 0);
    const std::vector<std::string> listing = WttListing(state(), "/home/signalman/WM58WTT.txt");
    ASSERT_EQ(listing.size(), 2u + 9 * 2);
    EXPECT_EQ(listing[0], "Working Timetable for Wendmoor, Summer Weekday 1958");
    EXPECT_EQ(listing[1], "Difficulty level 3  Saved as file /home/signalman/WM58WTT.txt");
    EXPECT_EQ(listing[2], "No arrivals from Wrennick");
    EXPECT_EQ(listing.back(), "");
    EXPECT_EQ(listing[listing.size() - 2], "No arrivals from Burnisdale");
}

TEST_F(WttListingTest, APilotDutyIsNeverListed) {
    const DepartureIndex pilot = newDeparture(2, 16, upYard, 8);
    state().departures[pilot].code = "422$";
    EXPECT_TRUE(WttDeparturesSection(state(), upYard).empty());
    state().departures[pilot].code = "422A";
    EXPECT_EQ(WttDeparturesSection(state(), upYard).size(), 5u);
}

} // namespace
} // namespace wm::testing
