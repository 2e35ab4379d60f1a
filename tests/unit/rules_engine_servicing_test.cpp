// Engines watered, coaled and serviced where the work can go on, the yard pilots' timed needs, and the
// watch on light-engine departures.

#include <gtest/gtest.h>

#include "test_services.h"

#include <memory>
#include <string>
#include <vector>

#include "host/headless/headless_host.h"
#include "rules/engine_servicing.h"
#include "session/completions.h"
#include "session/game.h"
#include "session/place_orders.h"
#include "world/berths.h"
#include "world/location_table.h"
#include "world/lookups.h"
#include "world/reference_tables.h"
#include "world/service_places.h"

namespace wm {
namespace {

class EngineServicing : public ::testing::Test {
  protected:
    void SetUp() override {
        buildLocationTable(s());
        s().clock = 600;
        s().difficulty = 10;
        s().locoCount = 6;
        for (int i = 1; i <= 6; ++i) {
            s().locos[i].duty = 420 + i;
            s().locos[i].number = std::to_string(47000 + i);
            s().locos[i].shed = " SH";
            s().locos[i].classIndex = 12;
        }
        services.onMessage = [this](std::string_view m) { said.emplace_back(m); };
        services.onCue = [this](int cue) { cues.push_back(cue); };
    }
    GameState& s() { return game->state; }
    LocationId at(std::string_view code) { return findPlaceByCode(s(), code); }
    void stand(LocationId place, int p, LocoIndex engine) {
        s().locations[place].locoAt[p] = engine;
        s().locos[engine].where = place;
    }
    /// Loco coal standing in its siding; `worked` when it is being worked there.
    void locoCoal(bool worked) {
        const TrafficIndex t = ++s().trafficCount;
        s().traffic[t].trafficType = trafficLocoCoal;
        Location& siding = s().locations[locoCoalSiding];
        siding.occState = worked ? occTraffic : occStock;
        siding.occupant = t;
    }
    /// Ticks of engine work, through the session, until the engine's condition changes; -1 if it never does.
    int ticksUntilChange(LocoIndex engine, int limit = 5000) {
        const EngineCondition before = s().locos[engine].condition;
        for (int t = 1; t <= limit; ++t) {
            advanceEngines(*game);
            if (s().locos[engine].condition != before) return t;
        }
        return -1;
    }
    std::string letter(LocoIndex engine) { return std::string(conditionLetter(s().locos[engine].condition)); }
    std::string lastMessage() const { return host.messages().empty() ? "" : host.messages().back(); }

    HeadlessHost host;
    std::unique_ptr<Game> game = std::make_unique<Game>(host);
    TestServices services;
    std::vector<std::string> said;
    std::vector<int> cues;
};

TEST_F(EngineServicing, WithoutLocoCoalBeingWorkedCoalingNeverFinishes) {
    stand(coalingPoint, 1, 1);
    s().locos[1].condition = conditionNeedsCoal;
    s().locos[1].workTime = 35;
    EXPECT_EQ(ticksUntilChange(1, 3000), -1);
    locoCoal(false); // standing there is not enough
    EXPECT_EQ(ticksUntilChange(1, 100), -1);
    EXPECT_EQ(s().locos[1].workTime, 35);

    s().traffic[1].trafficType = trafficLocoCoal + 1; // other traffic worked there does not feed it
    s().locations[locoCoalSiding].occState = occTraffic;
    EXPECT_EQ(ticksUntilChange(1, 100), -1);

    s().traffic[1].trafficType = trafficLocoCoal;
    EXPECT_EQ(ticksUntilChange(1), 35);
    EXPECT_EQ(letter(1), "w");
    EXPECT_EQ(lastMessage(), "notice Coaling complete on engine 47001 in LCO");
}

TEST_F(EngineServicing, WorkRunsDownOnlyWhereItCanBeDone) {
    const LocationId platform = at("PL1");
    stand(platform, 2, 1);
    s().locos[1].condition = conditionNeedsServicing;
    s().locos[1].workTime = 10;
    stand(coalingPoint, 1, 2);
    s().locos[2].condition = conditionNeedsRepair;
    s().locos[2].workTime = 10;
    stand(firstShedRoad, 1, 3);
    s().locos[3].condition = conditionNeedsCoal;
    s().locos[3].workTime = 10;
    locoCoal(true);
    for (int t = 0; t < 50; ++t) advanceEngines(*game);
    for (LocoIndex e : {1, 2, 3}) EXPECT_EQ(s().locos[e].workTime, 10) << e;

    stand(lastShedRoad, 1, 4);
    s().locos[4].condition = conditionNeedsRepair;
    s().locos[4].workTime = 10;
    EXPECT_EQ(ticksUntilChange(4), 10);
    EXPECT_EQ(letter(4), "c"); // repaired, but still to be coaled and watered
    EXPECT_EQ(lastMessage(), "notice Work complete on engine 47004 in LL1");
}

TEST_F(EngineServicing, AServicedEngineIsCoaledAndWateredBeforeItIsAvailable) {
    const LocationId shedRoad = at("LL6");
    stand(shedRoad, 1, 1);
    s().locos[1].condition = conditionNeedsServicing;
    s().locos[1].workTime = 360;
    std::vector<std::string> letters{letter(1)};

    EXPECT_EQ(ticksUntilChange(1), 360);
    letters.push_back(letter(1));
    EXPECT_EQ(lastMessage(), "notice Work complete on engine 47001 in LL6");

    // Off the shed road and onto the coaling point, with loco coal being worked in the siding.
    locoCoal(true);
    s().locations[shedRoad].locoAt[1] = 0;
    s().locations[incomingBerth(coalingPoint)].locoAt[1] = 1;
    s().locos[1].where = incomingBerth(coalingPoint);
    s().locations[coalingPoint].occState = occEngineComingIn;
    s().locations[coalingPoint].busyTicks = 1;
    const std::size_t heard = host.messages().size();
    advancePlaces(*game);
    EXPECT_EQ(host.messages().size(), heard); // coal is there: no warning
    const int coaling = s().locos[1].workTime;
    EXPECT_GE(coaling, 33);
    EXPECT_LE(coaling, 42);
    EXPECT_EQ(ticksUntilChange(1), coaling);
    letters.push_back(letter(1));

    // And on to a water column.
    const LocationId column = at("PL1");
    s().locations[coalingPoint].locoAt[1] = 0;
    stand(column, 3, 1);
    WaterOrder(*game, column);
    EXPECT_EQ(ticksUntilChange(1), 9);
    letters.push_back(letter(1));
    EXPECT_EQ(s().locos[1].watering, 0);

    EXPECT_EQ(letters, (std::vector<std::string>{"s", "c", "w", "a"}));
}

TEST_F(EngineServicing, WaterOnAPlatformLetsTheDepartureFormedThereBeReady) {
    const LocationId platform = at("PL1");
    const DepartureIndex d = ++s().departureCount;
    Departure& departure = s().departures[d];
    departure.time = 605;
    departure.line = 20; // leaves by the high end
    departure.group = s().locations[platform].group;
    departure.trainType = 4;
    departure.state = departureFormed;
    Location& p = s().locations[platform];
    p.occState = occDeparture;
    p.occupant = d;
    p.endFlag[highEnd] = 1;
    stand(platform, 3, 1);
    s().locos[1].condition = conditionNeedsWater;
    WaterOrder(*game, platform);
    for (int t = 0; t < 8; ++t) advanceEngines(*game);
    EXPECT_EQ(departure.state, departureFormed);
    advanceEngines(*game);
    EXPECT_EQ(departure.state, departureReady);

    // A departure not yet due is left as it stands.
    departure.state = departureFormed;
    departure.time = 700;
    s().locos[1].condition = conditionNeedsWater;
    WaterOrder(*game, platform);
    for (int t = 0; t < 9; ++t) advanceEngines(*game);
    EXPECT_EQ(s().locos[1].condition, conditionAvailable);
    EXPECT_EQ(departure.state, departureFormed);
}

TEST_F(EngineServicing, WaterForATrainThatWaitedForItIsNotNeededAgain) {
    const LocationId platform = at("PL1");
    const ArrivalIndex a = ++s().arrivalCount;
    s().arrivals[a].condCode = condNeedsWaterToo;
    s().locations[platform].occState = occArrival;
    s().locations[platform].occupant = a;
    stand(platform, 3, 1);
    s().locos[1].condition = conditionNeedsWater;
    WaterOrder(*game, platform);
    EXPECT_EQ(ticksUntilChange(1), 9);
    EXPECT_EQ(s().arrivals[a].condCode, condAvailable);
}

TEST_F(EngineServicing, APilotGetsItsNeedInItsYardAndIsNeverLetOffOne) {
    const LocationId road = at("DT1"); // down yard, group 17
    stand(road, 2, 1);
    LightEngineMove* moves = &s().lightEngineMoves[1];
    moves[0] = {600, 17, 1, conditionNeedsCoal};
    moves[1] = {601, 17, 1, conditionNeedsWater};
    moves[2] = {602, 16, 1, conditionNeedsServicing}; // the up yard's: the engine is not there
    s().lightEngineCount = 3;

    applyPilotNeeds(s(), services);
    EXPECT_EQ(s().locos[1].condition, conditionNeedsCoal);
    EXPECT_EQ(said, (std::vector<std::string>{"Engine 47001 at DT1 needs coal"}));
    applyPilotNeeds(s(), services); // the same minute again: nothing more to say
    EXPECT_EQ(said.size(), 1u);

    s().clock = 601;
    applyPilotNeeds(s(), services);
    EXPECT_EQ(s().locos[1].condition, conditionNeedsCoal);
    EXPECT_EQ(said.size(), 1u);

    s().clock = 602;
    applyPilotNeeds(s(), services);
    EXPECT_EQ(s().locos[1].condition, conditionNeedsCoal);
    EXPECT_EQ(said.size(), 1u);
}

TEST_F(EngineServicing, APilotComingIntoARoadOrAtTheEndOfItsDutyIsToldSo) {
    const LocationId road = at("UG1"); // up yard, group 16
    s().locos[2].where = incomingBerth(road);
    s().lightEngineMoves[1] = {600, 16, 2, conditionNeedsWater};
    s().lightEngineMoves[2] = {610, 16, 2, conditionNeedsServicing};
    s().lightEngineMoves[3] = {610, 16, 3, conditionNeedsWater}; // on a train: not in its yard
    s().locos[3].where = whereOnArrival + 1;
    s().lightEngineCount = 3;
    services.chance = [](int n) { return n - 1; };

    applyPilotNeeds(s(), services);
    s().clock = 610;
    applyPilotNeeds(s(), services);
    EXPECT_EQ(said, (std::vector<std::string>{"Engine 47002 approaching UG1 needs water",
                                              "Engine 47002 approaching UG1 end of duty"}));
    EXPECT_EQ(s().locos[2].condition, conditionNeedsServicing);
    EXPECT_EQ(s().locos[2].workTime, 360 + 3 * (6 * 10 - 1));
    EXPECT_EQ(s().locos[3].condition, conditionAvailable);
}

TEST_F(EngineServicing, ANeedThatComesWhileAPilotIsWateredOutlastsTheWatering) {
    const LocationId road = at("DT1");
    stand(road, 2, 1);
    s().locos[1].condition = conditionNeedsWater;
    WaterOrder(*game, road);
    ASSERT_EQ(s().locos[1].watering, 1);
    advanceEngines(*game);
    s().lightEngineMoves[1] = {600, 17, 1, conditionNeedsCoal};
    s().lightEngineCount = 1;
    applyPilotNeeds(s(), services);
    for (int t = 0; t < 20; ++t) advanceEngines(*game);
    EXPECT_EQ(s().locos[1].condition, conditionNeedsCoal);
    EXPECT_EQ(s().locos[1].watering, 0);
    EXPECT_EQ(s().locos[1].workTime, 0);
}

TEST_F(EngineServicing, DamagedReferencesArePassedOver) {
    s().lightEngineMoves[1] = {600, 17, 400, conditionNeedsCoal}; // beyond the engines of the day
    s().lightEngineCount = 1;
    applyPilotNeeds(s(), services);

    const DepartureIndex d = ++s().departureCount;
    s().departures[d] = Departure{};
    s().departures[d].line = 16;
    s().departures[d].time = 500;
    s().departures[d].loco = 300;
    s().departures[d].returnArrival = 599; // no such arrival today
    s().watchList[1] = {d, 500};
    s().watchList[2] = {0, 0};
    s().watchList[3] = {550, 0};
    s().watchCount = 3;
    watchLightEngines(s(), services);
    EXPECT_EQ(s().departures[d].state, departureGone);
    s().departures[d].state = departureBuilt;
    s().departures[d].time = 610;
    watchLightEngines(s(), services);
    EXPECT_EQ(said, (std::vector<std::string>{"Local light engine departure 10.10  due soon: "}));
}

class LightEngineWatch : public EngineServicing {
  protected:
    DepartureIndex watched(int line, int time, std::string_view code = "481A", LocoIndex loco = 0) {
        const DepartureIndex d = ++s().departureCount;
        Departure& departure = s().departures[d];
        departure.code = code;
        departure.line = line;
        departure.time = time;
        departure.trainType = 8;
        departure.destination = "Gantry Hill";
        departure.loco = loco;
        departure.state = departureBuilt;
        s().watchList[++s().watchCount] = {d, time};
        return d;
    }
    /// A train whose engine is the one `before` takes out: its return arrival runs on as it.
    DepartureIndex dependsOn(DepartureIndex before, int time) {
        const ArrivalIndex back = ++s().arrivalCount;
        s().departures[before].returnArrival = back;
        const PortionIndex only = ++s().portionCount;
        const DepartureIndex d = ++s().departureCount;
        s().arrivals[back].time = time - 10;
        s().arrivals[back].firstPortion = only;
        s().portions[only].arrival = back;
        s().portions[only].departure = d;
        s().departures[d].time = time;
        s().departures[d].firstPortion = only;
        s().departures[d].portionCount = 1;
        s().departures[d].state = departureBuilt;
        return d;
    }
};

TEST_F(LightEngineWatch, ALongOverdueLocalLightEngineIsCancelledWithTheTrainsItsEngineWouldWork) {
    const DepartureIndex light = watched(16, 580);
    const DepartureIndex second = dependsOn(light, 650);
    const DepartureIndex third = dependsOn(second, 720);
    const DepartureIndex other = watched(20, 800);
    const DepartureIndex unrelated = dependsOn(other, 900);

    s().clock = 590; // 10 minutes overdue: only due soon
    watchLightEngines(s(), services);
    EXPECT_EQ(s().departures[light].state, departureBuilt);
    s().clock = 595;
    watchLightEngines(s(), services);
    EXPECT_EQ(s().departures[light].state, departureBuilt);
    s().clock = 600; // 20 minutes overdue
    said.clear();
    watchLightEngines(s(), services);
    for (DepartureIndex d : {light, second, third}) EXPECT_EQ(s().departures[d].state, departureGone) << d;
    EXPECT_EQ(s().departures[unrelated].state, departureBuilt);
    EXPECT_TRUE(said.empty());
}

TEST_F(LightEngineWatch, LightEnginesDueSoonOrOverdueAreAnnouncedWithTheirCues) {
    s().locos[1].classIndex = 12;
    const std::string className(locoClass(12).name);
    watched(16, 610, "481A", 1); // local, due soon
    watched(20, 595, "482A");    // main, overdue
    watched(21, 614, "483A");    // main, due soon
    watched(21, 615, "484A");    // main, not yet
    watched(20, 590, "485$");    // a pilot duty: never
    watched(4, 590, "486A");     // neither a local nor a main line
    const DepartureIndex gone = watched(20, 590, "487A");
    s().departures[gone].state = departureOnWayOut;

    s().clock = 605; // not a ten-minute mark
    watchLightEngines(s(), services);
    EXPECT_TRUE(said.empty());

    s().clock = 600;
    watchLightEngines(s(), services);
    EXPECT_EQ(said, (std::vector<std::string>{
                        "Local light engine departure 10.10 Gantry Hill due soon:  SH" + className,
                        "Light engine departure  9.55 Gantry Hill overdue",
                        "Light engine departure 10.14 Gantry Hill due soon",
                    }));
    EXPECT_EQ(cues, (std::vector<int>{13, 15, 13}));
}

} // namespace
} // namespace wm
