#pragma once
// A game of its own for the rules that charge and credit points: the real layout, the console that shows
// and counts the points, and chance and notices through the test's services.

#include <gtest/gtest.h>

#include "test_services.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "host/headless/headless_host.h"
#include "session/game.h"
#include "world/location_table.h"
#include "world/train_builders.h"

namespace wm {

class RulesGame : public ::testing::Test {
  protected:
    void SetUp() override {
        buildLocationTable(s());
        s().clock = 600;
        s().difficulty = 25;
        s().dayCode = 5;
    }
    GameState& s() { return game->state; }
    Console& console() { return game->console; }

    /// The score messages shown, oldest first.
    std::vector<std::string> shown() const {
        std::vector<std::string> out;
        const auto& history = game->console.history();
        const int newest = game->console.newestHistoryIndex();
        for (int step = 1; step <= Console::HistorySize; ++step) {
            const int i = (newest + step - 1) % Console::HistorySize + 1;
            if (history[static_cast<std::size_t>(i)].clock != -1) out.push_back(history[i].text);
        }
        return out;
    }
    bool wasShown(const std::string& text) const {
        const auto all = shown();
        return std::find(all.begin(), all.end(), text) != all.end();
    }

    ArrivalIndex addArrival(int line, int time, int group, int trainType,
                            std::string_view origin = "Pardlow") {
        const ArrivalIndex i = ++s().arrivalCount;
        Arrival& a = s().arrivals[i];
        a.line = line;
        a.time = time;
        a.group = group;
        a.trainType = trainType;
        a.origin = origin;
        a.loco = noEngine;
        s().lines[line].lastArrival = i;
        return i;
    }
    DepartureIndex addDeparture(int line, int time, int group, int trainType) {
        const DepartureIndex i = ++s().departureCount;
        Departure& d = s().departures[i];
        d.code = "D" + std::to_string(i);
        d.line = line;
        d.time = time;
        d.group = group;
        d.trainType = trainType;
        d.destination = "Ormesdyke";
        d.state = departureBuilt;
        return i;
    }
    TrafficIndex addTraffic(int route, int trafficType, DepartureIndex departure) {
        const TrafficIndex i = ++s().trafficCount;
        Traffic& t = s().traffic[i];
        t.name = "T" + std::to_string(i);
        t.route = route;
        t.trafficType = trafficType;
        t.departure = departure;
        t.readyAt = -1;
        newPortion(s(), 0, i, departure);
        return i;
    }

    HeadlessHost host;
    std::unique_ptr<Game> game = std::make_unique<Game>(host);
    std::vector<std::string> notices;
    std::function<int(int)> draw = [](int) { return 0; };
    TestServices services{[this](int n) { return draw(n); },
                          [this](std::string_view m) { notices.emplace_back(m); }};
};

} // namespace wm
