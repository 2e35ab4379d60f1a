#pragma once
// A console on the recording host over a state with the layout's places and hand-made engines, trains
// and stock, for the tests of the place texts.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "console/console.h"
#include "console/palette.h"
#include "host/headless/headless_host.h"
#include "world/game_state.h"
#include "world/location_table.h"
#include "world/rakes.h"

namespace wm::testing {

class PlaceTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        console.SetConsoleSize(32, 100);
        console.ChooseLargestFontSize();
        ASSERT_TRUE(console.ApplyFontSize());
        buildLocationTable(state());
        state().clock = 8 * 60;
    }

    GameState& state() { return *statePtr; }
    Location& place(LocationId id) { return state().locations[id]; }

    // An engine of the class, facing 0, in the given condition, standing nowhere yet.
    LocoIndex newEngine(const std::string& number, int classIndex = 11,
                        EngineCondition condition = conditionAvailable) {
        const LocoIndex e = ++state().locoCount;
        Loco& loco = state().locos[e];
        loco.number = number;
        loco.classIndex = classIndex;
        loco.condition = condition;
        loco.shed = " SH";
        return e;
    }

    void putEngine(LocationId id, int enginePlace, LocoIndex engine) {
        place(id).locoAt[static_cast<std::size_t>(enginePlace)] = engine;
        state().locos[engine].where = id;
    }

    DepartureIndex newDeparture(int time, int line, int group, int trainType) {
        const DepartureIndex d = ++state().departureCount;
        Departure& dep = state().departures[d];
        dep.code = "D" + std::to_string(d);
        dep.time = time;
        dep.line = line;
        dep.group = group;
        dep.trainType = trainType;
        dep.destination = "Elsewhere";
        dep.state = departureFormed;
        return d;
    }

    ArrivalIndex newArrival(int time, int line, int group, int trainType) {
        const ArrivalIndex a = ++state().arrivalCount;
        Arrival& arr = state().arrivals[a];
        arr.code = "A" + std::to_string(a);
        arr.time = time;
        arr.line = line;
        arr.group = group;
        arr.trainType = trainType;
        arr.origin = "Somewhere";
        return a;
    }

    TrafficIndex newTraffic(int type, int route, int readyAt) {
        const TrafficIndex t = ++state().trafficCount;
        Traffic& tr = state().traffic[t];
        tr.name = "T" + std::to_string(t);
        tr.trafficType = type;
        tr.route = route;
        tr.readyAt = readyAt;
        return t;
    }

    PortionIndex newPortion(PortionState portionState, DepartureIndex departure = 0,
                            TrafficIndex traffic = 0) {
        const PortionIndex p = ++state().portionCount;
        Portion& portion = state().portions[p];
        portion.portionState = portionState;
        portion.traffic = traffic;
        if (traffic != 0) state().traffic[traffic].portion = p;
        if (departure != 0) attachToDeparture(state(), departure, p);
        return p;
    }

    // The cells column .. column + count - 1 of a row, one byte a cell; a blank crossed by track shows as
    // the track's mark ('-').
    std::string text(int column, int row, int count) const {
        std::string out;
        for (int c = column; c < column + count; ++c) {
            const RecordedCell& rc = host.cell(c, row);
            out += rc.ch == ' ' && rc.line ? rc.line : rc.ch;
        }
        return out;
    }
    const RecordedCell& cell(int column, int row) const { return host.cell(column, row); }

    HeadlessHost host;
    std::unique_ptr<GameState> statePtr = std::make_unique<GameState>();
    Console console{host, *statePtr};
};

} // namespace wm::testing
