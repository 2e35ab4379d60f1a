// The one-line descriptions of traffic, portions and departures, with the chain of a departure that runs
// on as a later service.

#include "display/describe_train.h"
#include "place_text_fixture.h"

namespace wm::testing {
namespace {

constexpr LocationId UY5 = 121; // up yard road, group 16

class Describe : public PlaceTextTest {
  protected:
    void SetUp() override {
        PlaceTextTest::SetUp();
        state().dayCode = 5;
        state().shiftEnd = 1439;
        state().clock = 10 * 60;
    }
};

TEST_F(Describe, TrafficBeingWorkedSaysWhenItWillBeReady) {
    const TrafficIndex t = newTraffic(3, 16, 4);
    EXPECT_EQ(DescribeTraffic(state(), t), "General unloading/loading, ready in 2 minutes");
    state().traffic[t].readyAt = 3;
    EXPECT_EQ(DescribeTraffic(state(), t), "General unloading/loading, ready in 1 minute");

    // Goods work stops on a Sunday; parcels go on at any hour.
    state().dayCode = 7;
    EXPECT_EQ(DescribeTraffic(state(), t), "General unloading/loading");
    state().traffic[t].trafficType = 1;
    EXPECT_EQ(DescribeTraffic(state(), t), "Parcels unloading/loading, ready in 1 minute");

    // Work that cannot finish before the end of the shift gives no time.
    state().traffic[t].readyAt = 3 * (state().shiftEnd - state().clock);
    EXPECT_EQ(DescribeTraffic(state(), t), "Parcels unloading/loading");

    const TrafficIndex repair = newTraffic(10, 18, 30);
    EXPECT_EQ(DescribeTraffic(state(), repair), "Wagons for repair under repair, ready in 10 minutes");
    EXPECT_EQ(DescribeTraffic(state(), newTraffic(0, 16, 30)), "Empty stock");
}

TEST_F(Describe, FinishedTrafficIsEnRouteOrInTheSelectedSiding) {
    const TrafficIndex t = newTraffic(5, 16, 0);
    EXPECT_EQ(DescribeTraffic(state(), t), "Coal en route to Up Yard");
    EXPECT_EQ(DescribeTraffic(state(), t, UY5), "Coal en route to siding");
    state().traffic[t].readyAt = -1;
    EXPECT_EQ(DescribeTraffic(state(), t, 95), "Coal en route to Up Yard");
}

TEST_F(Describe, StockForADepartureThatDoesNotRunIsPriorityTraffic) {
    const DepartureIndex high = newDeparture(notRunningTime, 2, 16, 9);
    const DepartureIndex low = newDeparture(notRunningTime, 2, 16, 12);
    state().departures[high].destination = "Up Yard";
    state().departures[low].destination = "Up Yard";
    EXPECT_EQ(DescribeDeparture(state(), high).plain(), "high priority traffic");
    EXPECT_EQ(DescribeDeparture(state(), low).plain(), "low priority traffic");

    const PortionIndex p = newPortion(portionDetached, low, newTraffic(5, 17, -1));
    state().portions[p].location = UY5;
    EXPECT_EQ(DescribePortion(state(), p), "Coal to Down Yard, becoming low priority traffic to Up Yard");
    const PortionIndex q = newPortion(portionStanding, high);
    EXPECT_EQ(DescribePortion(state(), q), "high priority traffic to Up Yard");
    EXPECT_EQ(DescribePortion(state(), newPortion(portionDetached, 0, newTraffic(3, 16, -1))),
              "General to Up Yard, not ready today");
}

TEST_F(Describe, ADepartureShowsTimeGroupDestinationTypePilotLineAndName) {
    const DepartureIndex d = newDeparture(10 * 60 + 30, 2, 15, 0);
    EXPECT_EQ(DescribeDeparture(state(), d).plain(), "10.30 from Wendmoor Stn to Elsewhere (A)  via CF");

    state().departures[d].loco2 = newEngine("40111");
    state().departures[d].trainName = "The Moorlander";
    const ColouredText text = DescribeDeparture(state(), d);
    EXPECT_EQ(text.plain(), "10.30 from Wendmoor Stn to Elsewhere (A)P via CF The Moorlander ");
    console.GotoCell(1, 30);
    WriteColouredText(console, text);
    EXPECT_EQ(cell(41, 30).ch, 'P');
    EXPECT_EQ(cell(41, 30).text, palette::Violet);
    EXPECT_EQ(cell(40, 30).text, palette::Silver);
    EXPECT_EQ(cell(50, 30).text, palette::DarkRed);
    EXPECT_EQ(cell(50, 30).background, palette::White);
    EXPECT_EQ(cell(48, 30).background, palette::Black);
    EXPECT_EQ(cell(49, 30).background, palette::White);

    // Its stock: part of it while other portions are still to be gathered.
    const PortionIndex first = newPortion(portionStanding, d);
    newPortion(portionStanding, d);
    EXPECT_EQ(state().departures[d].state, departureGathering);
    EXPECT_EQ(DescribePortion(state(), first), "part of 10.30 Wendmoor Stn to Elsewhere via CF (A) ");
    EXPECT_EQ(DescribeDeparture(state(), d).plain().substr(0, 14), "Part of 10.30 ");
}

TEST_F(Describe, ALocalTripRunsOnAsTheServiceItsEngineComesBackWith) {
    // A trip from the up yard down to the station whose engine comes back as the 11.00 down line CF.
    const DepartureIndex trip = newDeparture(9 * 60, 15, 16, 7);
    state().departures[trip].destination = "Station";
    const ArrivalIndex back = newArrival(9 * 60 + 20, 16, 15, 7);
    state().departures[trip].returnArrival = back;
    const DepartureIndex onward = newDeparture(11 * 60, 2, 15, 4);
    state().departures[onward].destination = "Far Town";
    appendToRake(state(), back, newPortion(portionOnTrain, onward), true);

    EXPECT_EQ(lastOfChain(state(), trip), onward);
    EXPECT_EQ(DescribeTrain(state(), trip).plain(),
              " 9.00 from Up Yard to Far Town (E)  - next stop Station");

    const PortionIndex p = newPortion(portionStanding, trip);
    EXPECT_EQ(DescribePortion(state(), p), " 9.00 Up Yard to Far Town (E) ");

    // A service running the other way does not continue the chain.
    state().departures[onward].line = 20;
    EXPECT_EQ(lastOfChain(state(), trip), trip);
    EXPECT_EQ(DescribeTrain(state(), trip).plain(), " 9.00 from Up Yard to Station (E) ");
}

TEST_F(Describe, ARakeOfSeveralPortionsNamesTheNextOrCountsToTheLast) {
    const PortionIndex a = newPortion(portionDetached, 0, newTraffic(3, 16, -1));
    const PortionIndex b = newPortion(portionDetached, 0, newTraffic(5, 16, -1));
    appendPortion(state(), a, b, true);
    for (PortionIndex p : {a, b}) state().portions[p].location = UY5;
    EXPECT_EQ(DescribeMultiPortion(state(), a), "General, not ready today : Coal, not ready today");
    const PortionIndex c = newPortion(portionDetached, 0, newTraffic(8, 16, -1));
    state().portions[c].location = UY5;
    appendPortion(state(), a, c, true);
    EXPECT_EQ(DescribeMultiPortion(state(), a), "General, not ready today:(2):Timber, not ready today");
}

} // namespace
} // namespace wm::testing
