#pragma once
// A layout with nothing on it, a console that keeps the score, and chance and answers a test sets, for
// starting legs of moves and letting them run to their end.

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "console/console.h"
#include "host/headless/headless_host.h"
#include "movement/execute_move.h"
#include "movement/place_completion.h"
#include "movement/route_table.h"
#include "world/berths.h"
#include "world/game_state.h"
#include "world/location_table.h"
#include "world/rakes.h"

namespace wm {

/// Draws and answers in the order the test gives them; messages and questions as they were given.
struct ScriptedServices : GameServices {
    std::deque<int> draws; // each draw is kept below its n; 0 once they run out
    std::deque<bool> answers;
    std::vector<std::string> messages;
    std::vector<std::string> questions;

    int rand(int n) override {
        if (n <= 0) return 0;
        int draw = 0;
        if (!draws.empty()) {
            draw = draws.front();
            draws.pop_front();
        }
        return draw < n ? draw : n - 1;
    }
    void error(std::string_view message) override { messages.emplace_back(message); }
    void notice(std::string_view message) override { messages.emplace_back(message); }
    void bonus(std::string_view message) override { messages.emplace_back(message); }
    bool askYesNo(std::string_view question) override {
        questions.emplace_back(question);
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void cue(int) override {}
};

class MoveFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        console.SetConsoleSize(32, 100);
        console.ChooseLargestFontSize();
        ASSERT_TRUE(console.ApplyFontSize());
        buildLocationTable(s());
        s().clock = 600;
        s().difficulty = 15;
        s().locoCount = 12;
        for (int i = 1; i <= s().locoCount; ++i) {
            s().locos[i].duty = 400 + i;
            s().locos[i].classIndex = 11; // "LM 5 "
            s().locos[i].number = std::to_string(44000 + i);
            s().locos[i].lateAllowance = 999;
        }
    }

    GameState& s() { return *state; }
    Location& at(LocationId place) { return s().locations[place]; }
    Location& berthOf(LocationId place) { return s().locations[incomingBerth(place)]; }

    void putEngine(LocationId place, int slot, LocoIndex engine) {
        at(place).locoAt[slot] = engine;
        s().locos[engine].where = place;
    }
    DepartureIndex addDeparture(int line, int group, int time, int trainType) {
        const DepartureIndex d = ++s().departureCount;
        Departure& dep = s().departures[d];
        dep.code = std::to_string(100 + d) + "X";
        dep.line = line;
        dep.group = group;
        dep.time = time;
        dep.trainType = trainType;
        dep.destination = "Stourwick";
        dep.state = departureBuilt;
        return d;
    }
    ArrivalIndex addArrival(int line, int group, int time, int trainType, LocoIndex engine) {
        const ArrivalIndex a = ++s().arrivalCount;
        Arrival& arr = s().arrivals[a];
        arr.code = std::to_string(200 + a) + "Y";
        arr.line = line;
        arr.group = group;
        arr.time = time;
        arr.trainType = trainType;
        arr.loco = engine;
        arr.loco2 = 0;
        arr.condCode = condAvailable;
        arr.origin = "Hathersay";
        return a;
    }
    PortionIndex addPortion(ArrivalIndex arrival, DepartureIndex departure) {
        const PortionIndex p = ++s().portionCount;
        appendToRake(s(), arrival, p, true);
        attachToDeparture(s(), departure, p);
        return p;
    }
    /// A rake of `count` portions coupled together, standing at the place.
    PortionIndex addRake(LocationId place, int count) {
        PortionIndex head = 0;
        for (int i = 0; i < count; ++i) {
            const PortionIndex p = ++s().portionCount;
            s().portions[p].portionState = portionStanding;
            head = appendPortion(s(), head, p, true);
        }
        setRakeLocation(s(), head, place);
        at(place).occState = occStock;
        at(place).occupant = head;
        return head;
    }

    /// The move an engine at `place` of `from` makes to `to`, light or with what stands there.
    void order(LocationId from, LocationId to, int place, LocoIndex engine, bool withTrain) {
        move = MoveContext{};
        move.moveFrom = from;
        move.moveTo = to;
        move.placePicked = place;
        move.moveEngine = engine;
        move.withTrain = withTrain;
        move.moveUp = to > from;
    }
    MoveWorld world() { return MoveWorld{s(), services, console, move, tickPhase}; }
    /// One leg over the sections the given list names.
    void leg(LocationId from, LocationId to, std::vector<int> sections) {
        MoveWorld w = world();
        executeMove(w, from, to, sections);
    }
    /// Every route of the player's move, leg by leg, over the layout's first route for the pair.
    void routeLegs(LocationId from, LocationId to) {
        const std::vector<Route>& routes = RouteTable::standard().routes(from, to);
        ASSERT_FALSE(routes.empty()) << from << " -> " << to;
        for (const Leg* l : routes.front().legs) leg(l->from, l->to, l->sections);
    }

    /// The clock's tick as far as moves go: section timers and the branch run down, places complete.
    void tick() {
        for (int section = 1; section <= sectionCount; ++section)
            if (s().sectionTimer[section] > 0) --s().sectionTimer[section];
        if (s().branchTimer > 0) --s().branchTimer;
        advancePlaces(s(), [this](const Completion& done) { completed.push_back(done); });
    }
    /// Ticks until no place is busy and no section locked; false if that takes longer than `limit`.
    bool runUntilAtRest(int limit = 500) {
        for (int i = 0; i < limit; ++i) {
            if (atRest()) return true;
            tick();
        }
        return atRest();
    }
    bool atRest() const {
        for (LocationId place = 1; place <= placeCount; ++place)
            if (state->locations[place].busyTicks != 0) return false;
        for (int section = 1; section <= sectionCount; ++section)
            if (state->sectionTimer[section] != 0) return false;
        return true;
    }
    /// Every engine in an engine place of a place believes it stands there, and every engine that
    /// believes it stands at a place is in one of its engine places.
    ::testing::AssertionResult layoutConsistent() const {
        for (LocationId place = 1; place <= locationCapacity; ++place)
            for (int k = 1; k <= 4; ++k) {
                const LocoIndex engine = state->locations[place].locoAt[k];
                if (!isRealEngine(engine)) continue;
                if (place > placeCount)
                    return ::testing::AssertionFailure() << "engine " << engine << " left in berth " << place;
                if (state->locos[engine].where != place)
                    return ::testing::AssertionFailure() << "engine " << engine << " at " << place
                                                         << " thinks it is at " << state->locos[engine].where;
            }
        for (LocoIndex engine = 1; engine <= state->locoCount; ++engine) {
            const int where = state->locos[engine].where;
            if (where < 1 || where > locationCapacity) continue;
            bool found = false;
            for (int k = 1; k <= 4; ++k) found = found || state->locations[where].locoAt[k] == engine;
            if (!found)
                return ::testing::AssertionFailure() << "engine " << engine << " is not in place " << where;
        }
        return ::testing::AssertionSuccess();
    }
    int timer(int section) const { return state->sectionTimer[section]; }

    HeadlessHost host;
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    Console console{host, *state};
    ScriptedServices services;
    MoveContext move;
    int tickPhase = 3;
    std::vector<Completion> completed;
};

} // namespace wm
