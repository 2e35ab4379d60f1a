#pragma once
// A game with engines and departures set up in a line each, for scoring a departure as it leaves; the
// messages it shows are read back from the headless host.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/headless/headless_host.h"
#include "session/game.h"
#include "world/rakes.h"

namespace wm {

class DepartureScoring : public ::testing::Test {
  protected:
    GameState& s() { return game->state; }

    /// An engine of the class and home shed, available, facing as given.
    LocoIndex engine(int classIndex, const std::string& shed, int facing = 1) {
        const LocoIndex e = ++s().locoCount;
        Loco& l = s().locos[e];
        l.duty = 400 + e;
        l.classIndex = classIndex;
        l.number = std::to_string(45000 + e);
        l.shed = shed;
        l.facing = facing;
        l.lateAllowance = 999;
        return e;
    }
    /// A departure booked at 10.00 for Stourwick on the line, behind the booked engine, from the shed.
    DepartureIndex departure(int line, int trainType, LocoIndex booked = 0, const std::string& shed = "21A",
                             int group = 15) {
        const DepartureIndex d = ++s().departureCount;
        Departure& r = s().departures[d];
        r.code = std::to_string(100 + d) + "D";
        r.time = 600;
        r.line = line;
        r.group = group;
        r.trainType = trainType;
        r.destination = "Stourwick";
        r.shed = shed;
        r.loco = booked;
        r.state = departureReady;
        return d;
    }
    /// An arrival booked at `time`, `late` minutes late, behind `engine`, whose one portion goes on the
    /// departure.
    ArrivalIndex feeds(DepartureIndex d, int late, LocoIndex engine = 0, int time = 590) {
        const ArrivalIndex a = ++s().arrivalCount;
        Arrival& r = s().arrivals[a];
        r.code = std::to_string(200 + a) + "A";
        r.time = time;
        r.late = late;
        r.line = 2;
        r.group = 15;
        r.loco = engine;
        r.origin = "Hathersay";
        const PortionIndex p = ++s().portionCount;
        appendToRake(s(), a, p, true);
        const DepartureState kept = s().departures[d].state;
        attachToDeparture(s(), d, p);
        s().departures[d].state = kept;
        return a;
    }
    /// The messages shown since the last call, one a line.
    std::string shown() {
        std::string text;
        for (; seen < host.messages().size(); ++seen) text += host.messages()[seen] + "\n";
        return text;
    }

    HeadlessHost host;
    std::unique_ptr<Game> game = std::make_unique<Game>(host);

  private:
    std::size_t seen = 0;
};

} // namespace wm
