// Trains worked by clicks through the real game on the headless host: a train signalled in and received
// in a platform, a departure sent out by its exit with its engine booked back, and an arrival ordered
// against its direction.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "script_play_fixture.h"
#include "session/game.h"
#include "world/location_table.h"
#include "world/loco_places.h"

namespace wm {
namespace {

using MovementDriver = ScriptPlay;

TEST_F(MovementDriver, AnArrivalIsSignalledInAndReceivedInAPlatformOfItsGroup) {
    play("arrival_to_platform.txt");
    const LocationId platform = place("PL3");
    const Location& l = s().locations[platform];
    ASSERT_EQ(l.occState, occArrival);
    const Arrival& a = s().arrivals[l.occupant];
    EXPECT_EQ(std::string(a.code.view()), "064A");
    EXPECT_EQ(a.group, l.group);
    ASSERT_TRUE(isRealEngine(a.loco));
    EXPECT_EQ(s().locos[a.loco].where, platform);
    EXPECT_TRUE(standsAt(l, a.loco));
    // The route over the junction is released once the train has passed.
    for (int section = 1; section <= sectionCount; ++section)
        EXPECT_EQ(s().sectionTimer[section], 0) << section;
    // The train is drawn where it stands, and was drawn coming in while its route was locked.
    EXPECT_NE(screenRow("in-platform.txt", 15).find("0.38"), std::string::npos);
    EXPECT_NE(screenRow("signalled-in.txt", 18).find("0.38"), std::string::npos);
    std::ifstream messages(out / "messages.txt");
    const std::string all((std::istreambuf_iterator<char>(messages)), std::istreambuf_iterator<char>());
    EXPECT_NE(all.find("notice A train has arrived at "), std::string::npos);
}

TEST_F(MovementDriver, AnUncoupledTrainEngineRunsLightToAShedRoad) {
    play("engine_to_shed.txt");
    const Location& platform = s().locations[place("PL3")];
    ArrivalIndex express = 0;
    for (ArrivalIndex i = 1; i <= s().arrivalCount; ++i)
        if (s().arrivals[i].code.view() == "064A") express = i;
    ASSERT_NE(express, 0);
    const LocoIndex engine = s().arrivals[express].loco;
    ASSERT_TRUE(isRealEngine(engine));
    // Without its engine the train is a rake standing in the platform, its coaches ready to form their
    // departure and its parcels van waiting to be sorted; the engine stands alone on the shed road.
    ASSERT_EQ(platform.occState, occStock);
    EXPECT_EQ(platform.occupant, s().arrivals[express].firstPortion);
    for (PortionIndex p = platform.occupant; p != 0; p = s().portions[p].next) {
        EXPECT_EQ(s().portions[p].location, place("PL3"));
        EXPECT_EQ(s().portions[p].portionState,
                  s().portions[p].traffic != 0 ? portionDetached : portionStanding);
    }
    EXPECT_TRUE(enginesAt(platform).empty());
    const LocationId road = place("LL2");
    EXPECT_EQ(s().locos[engine].where, road);
    EXPECT_EQ(s().locations[road].locoAt[1], engine);
    for (LocationId p = 1; p <= placeCount; ++p) {
        if (p == road) continue;
        EXPECT_FALSE(standsAt(s().locations[p], engine)) << p;
    }
    for (int section = 1; section <= sectionCount; ++section)
        EXPECT_EQ(s().sectionTimer[section], 0) << section;
    EXPECT_NE(screenRow("on-shed.txt", 19).find(std::string(s().locos[engine].number.view())),
              std::string::npos);
}

TEST_F(MovementDriver, ADepartureLeavesByItsExitAndItsEngineIsBookedBack) {
    play("departure_out.txt");
    DepartureIndex d = 0;
    for (DepartureIndex i = 1; i <= s().departureCount; ++i)
        if (s().departures[i].code.view() == "902A") d = i;
    ASSERT_NE(d, 0);
    const Departure& departure = s().departures[d];
    EXPECT_EQ(departure.state, departureGone);
    const LocoIndex engine = departure.loco;
    ASSERT_TRUE(isRealEngine(engine));
    ASSERT_NE(departure.returnArrival, 0);
    EXPECT_EQ(s().arrivals[departure.returnArrival].loco, engine);
    EXPECT_EQ(s().locos[engine].where, whereOnArrival + departure.returnArrival);
    for (LocationId p = 1; p <= placeCount; ++p) EXPECT_FALSE(standsAt(s().locations[p], engine)) << p;
    EXPECT_EQ(s().locations[place("LS3")].occState, occEmpty);
    EXPECT_EQ(s().locations[place("P6S")].occState, occEmpty);
    // Sent the way a signalman sends it, the train costs nothing.
    EXPECT_EQ(s().score, 0);
    const std::string messages = contents("messages.txt");
    EXPECT_EQ(messages.find("You lose"), std::string::npos) << messages;
}

TEST_F(MovementDriver, AnArrivalSentAgainstItsDirectionGoesOnlyWhenTheSignalmanSaysSo) {
    play("arrival_wrong_way.txt");
    const std::string question = "question Do you want to send the arrival in the wrong direction?\n";
    const std::string messages = contents("messages.txt");
    ASSERT_NE(messages.find(question), std::string::npos) << messages;
    EXPECT_NE(messages.find(question, messages.find(question) + 1), std::string::npos) << messages;
    // Answered No, nothing has changed: places, trains, engines, section timers, clock and score. Only the
    // count of quiet ticks before the clock races starts again, as it does for every order.
    const auto withoutQuietTicks = [](std::string json) {
        return std::regex_replace(json, std::regex("\"quietTicks\":[0-9]+,"), "");
    };
    EXPECT_TRUE(withoutQuietTicks(contents("before.json")) == withoutQuietTicks(contents("after-no.json")))
        << "the state changed after No";
    EXPECT_TRUE(contents("before.txt") == contents("after-no.txt")) << "the screen changed after No";
    EXPECT_NE(screenRow("after-no.txt", 21).find("2.09"), std::string::npos);
    // Answered Yes, it is propelled back to DW1 as a shunt, its engine still at the high end, at no cost.
    const Location& line = s().locations[place("DW1")];
    ASSERT_EQ(line.occState, occArrival);
    const Arrival& a = s().arrivals[line.occupant];
    EXPECT_EQ(std::string(a.code.view()), "024A");
    ASSERT_TRUE(isRealEngine(a.loco));
    EXPECT_EQ(line.locoAt[3], a.loco);
    EXPECT_EQ(s().locations[place("UW2")].occState, occEmpty);
    EXPECT_FALSE(standsAt(s().locations[place("UW2")], a.loco));
    EXPECT_EQ(s().score, 0);
    EXPECT_EQ(messages.find("You lose"), std::string::npos) << messages;
    EXPECT_NE(screenRow("moved.txt", 22).find("2.09"), std::string::npos);
}

} // namespace
} // namespace wm
