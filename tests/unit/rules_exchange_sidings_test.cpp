// The exchange sidings: traffic for the line beyond is handed over, anything else comes back with a
// penalty, and the line's outward traffic is put out or waits for room.

#include "rules_fixture.h"

#include "rules/exchange_sidings.h"
#include "session/completions.h"
#include "world/data_file.h"
#include "world/exchange_lines.h"
#include "world/rakes.h"

namespace wm {
namespace {

constexpr LocationId mua = 4; // exchange siding of line 5
constexpr LocationId mud = 3; // where line 5's traffic comes out and wrong traffic goes back
constexpr int murlingham = 5;

class ExchangeSidings : public RulesGame {
  protected:
    std::string lineName() { return loadedExchangeLineNames().nameOf(murlingham); }
    /// A rake of portions carrying traffic for the routes, standing at the place; its head.
    PortionIndex rakeAt(LocationId place, std::initializer_list<int> routes) {
        PortionIndex head = 0;
        for (int route : routes) {
            const TrafficIndex t = addTraffic(route, trafficGeneral, 0);
            const PortionIndex p = s().traffic[t].portion;
            s().portions[p].portionState = portionDetached;
            head = appendPortion(s(), head, p, true);
        }
        setRakeLocation(s(), head, place);
        s().locations[place].occState = occStock;
        s().locations[place].occupant = head;
        return head;
    }
    /// An inward trip of the line, due at `time`, bringing one portion; it is the line's next freight.
    ArrivalIndex outwardTrip(int time) {
        const ArrivalIndex a = addArrival(murlingham, time, murlingham, 12, "Murlingham");
        newPortion(s(), a, addTraffic(16, trafficCoal, 0), 0);
        s().lines[murlingham].nextFreight = a;
        return a;
    }
    void serve() {
        serveExchangeSidings(s(), console(), services,
                             [this](const Completion& c) { reported.push_back(c); });
    }
    std::vector<Completion> reported;
};

TEST_F(ExchangeSidings, TrafficForTheLineIsHandedOverAndTheRestReturned) {
    const PortionIndex standing = rakeAt(mud, {16});
    const PortionIndex head = rakeAt(mua, {murlingham, 16, murlingham});
    const PortionIndex wrong = s().portions[head].next;
    const PortionIndex last = s().portions[wrong].next;
    serve();
    EXPECT_EQ(s().locations[mua].occState, occEmpty);
    EXPECT_EQ(s().portions[head].portionState, portionHandedOver);
    EXPECT_EQ(s().portions[last].portionState, portionHandedOver);
    EXPECT_EQ(s().score, 1);
    EXPECT_TRUE(wasShown("You gain 1 point for shunting General traffic to " + lineName()));
    // The message is cut to the console's 79 characters; the score log keeps the whole reason.
    const std::string returned =
        "You lose 1 point for sending inappropriate traffic to " + lineName() + "; returned in MUD";
    EXPECT_TRUE(wasShown(returned.substr(0, 79))) << returned;
    // Returned to the end of the rake standing there, coupled to it.
    EXPECT_EQ(s().locations[mud].occupant, standing);
    EXPECT_EQ(s().portions[standing].next, wrong);
    EXPECT_EQ(s().portions[standing].coupledToNext, 1);
    EXPECT_EQ(s().portions[wrong].next, 0);
    EXPECT_EQ(s().portions[wrong].location, mud);
}

TEST_F(ExchangeSidings, NothingIsTakenWhileAnEngineStandsThere) {
    const PortionIndex head = rakeAt(mua, {murlingham});
    s().locations[mua].locoAt[innerPlace(lowEnd)] = 1;
    serve();
    EXPECT_EQ(s().locations[mua].occupant, head);
    EXPECT_EQ(s().portions[head].portionState, portionDetached);
    EXPECT_EQ(s().score, 0);
}

TEST_F(ExchangeSidings, WrongTrafficWaitsWhenThereIsNoRoomToReturnIt) {
    s().locations[mud].occState = occTraffic;
    s().locations[mud].occupant = addTraffic(murlingham, trafficGeneral, 0);
    const PortionIndex head = rakeAt(mua, {16});
    serve();
    EXPECT_EQ(s().locations[mua].occState, occStock);
    EXPECT_EQ(s().locations[mua].occupant, head);
    EXPECT_EQ(s().score, 0);
}

TEST_F(ExchangeSidings, OutwardTrafficIsPutOutWhenDueAndThereIsRoom) {
    s().clock = 600;
    const ArrivalIndex trip = outwardTrip(601);
    serve();
    EXPECT_EQ(s().locations[mud].occState, occEmpty);
    EXPECT_TRUE(reported.empty());

    s().clock = 601;
    serve();
    const PortionIndex p = s().arrivals[trip].firstPortion;
    EXPECT_EQ(s().locations[mud].occState, occStock);
    EXPECT_EQ(s().locations[mud].occupant, p);
    EXPECT_EQ(s().portions[p].location, mud);
    EXPECT_EQ(s().portions[p].portionState, portionDetached);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], lineName() + " outward traffic has arrived in MUD");
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].what, Completed::outwardTrafficPlaced);
    EXPECT_EQ(reported[0].place, mud);
    EXPECT_EQ(reported[0].arrival, trip);
}

TEST_F(ExchangeSidings, OutwardTrafficWaitsWhileThePlaceIsTaken) {
    rakeAt(mud, {16});
    outwardTrip(600);
    serve();
    EXPECT_TRUE(reported.empty());
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], lineName() + ", outward traffic is waiting to be placed in MUD");
}

TEST_F(ExchangeSidings, OnlyAnInwardTripComesOutThere) {
    const ArrivalIndex a = addArrival(murlingham, 590, 15, 12);
    s().lines[murlingham].nextFreight = a;
    serve();
    EXPECT_TRUE(reported.empty());
    EXPECT_TRUE(notices.empty());
}

TEST_F(ExchangeSidings, ThePlacedTripMovesTheLinesFreightQueueOn) {
    const ArrivalIndex trip = outwardTrip(600);
    const ArrivalIndex next = outwardTrip(700);
    s().lines[murlingham].nextFreight = trip;
    serveExchanges(*game);
    EXPECT_EQ(s().lines[murlingham].nextFreight, next);
}

TEST(ExchangeLineNames, EveryExchangeLineHasOneShortName) {
    const ExchangeLineNames& names = loadedExchangeLineNames();
    for (const ExchangeSiding& siding : exchangeSidings) {
        EXPECT_FALSE(names.nameOf(siding.line).empty()) << siding.line;
        EXPECT_LE(names.nameOf(siding.line).size(), longestExchangeLineName);
    }
    EXPECT_TRUE(names.nameOf(1).empty());
}

TEST(ExchangeLineNames, AFaultyRowIsReportedByFileAndLine) {
    const std::string good = "5 A\n25 B\n6 C\n24 D\n4 E\n19 F\n";
    EXPECT_NO_THROW(ExchangeLineNames::parse(good, "x.txt"));
    const auto faultAt = [](const std::string& text) -> std::string {
        try {
            ExchangeLineNames::parse(text, "x.txt");
        } catch (const DataFileError& error) {
            return error.what();
        }
        return "no fault";
    };
    EXPECT_EQ(faultAt("5 A\n5 B\n").rfind("x.txt:2: ", 0), 0u);
    EXPECT_EQ(faultAt("5 A\n7 B\n").rfind("x.txt:2: ", 0), 0u);
    EXPECT_EQ(faultAt("5 \"Murlingham Col\"\n").rfind("x.txt:1: ", 0), 0u);
    EXPECT_EQ(faultAt("5 A B\n").rfind("x.txt:1: ", 0), 0u);
    EXPECT_EQ(faultAt("5 A\n25 B\n6 C\n24 D\n4 E\n").rfind("x.txt:5: ", 0), 0u);
}

} // namespace
} // namespace wm
