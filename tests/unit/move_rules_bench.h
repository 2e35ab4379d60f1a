#pragma once
// One move put before the rules on the real layout, in a game of its own: records set up in a line or two,
// the move ordered as the command interpreter orders it, questions answered through the console, and a
// verdict that checks what was shown and charged, the move's flags, and that nothing else changed.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "drive/state_json.h"
#include "host/headless/headless_host.h"
#include "movement/validate_move.h"
#include "session/game.h"
#include "world/location_table.h"
#include "world/rakes.h"

namespace wm {

/// How the engine goes: with what stands there or alone, and with a second engine or one at the rear.
enum OrderWith : unsigned { withTrain = 0, light = 1, paired = 2, rearToo = 4 };

/// What the move's context says once it has been judged.
enum MoveFlags : unsigned { noFlags = 0, shunt = 1, propel = 2 };

struct Verdict {
    std::vector<std::string> answers; // to the questions, in turn: "yes" or "no"
    bool accepted = false;
    std::string shown;        // the messages and questions, one a line
    std::string charged;      // the score log's reason for the point lost; empty when none
    unsigned flags = noFlags; // checked on an accepted move
    CoupleTo onto = CoupleTo::nothing;
    DepartureIndex goesAs = 0; // the rake's departure, when it is taken as one
};

inline Verdict accepted(unsigned flags = noFlags, CoupleTo onto = CoupleTo::nothing,
                        DepartureIndex goesAs = 0) {
    Verdict v;
    v.accepted = true;
    v.flags = flags;
    v.onto = onto;
    v.goesAs = goesAs;
    return v;
}
/// Refused with the message at no cost.
inline Verdict refused(const std::string& shown = "") {
    Verdict v;
    v.shown = shown;
    return v;
}
inline Verdict charged(const std::string& reason) {
    Verdict v;
    v.shown = "error You lose 1 point for " + reason;
    v.charged = reason;
    return v;
}
inline Verdict notClear() {
    Verdict v;
    v.shown = "error That route is not clear";
    v.charged = "route not clear";
    return v;
}
inline Verdict notPossible() {
    return refused("notice That isn't possible");
}
/// The question is put first and answered, and what follows the answer is `then`.
inline Verdict asked(const std::string& question, const std::string& answer, Verdict then) {
    then.shown = "question " + question + (then.shown.empty() ? "" : "\n" + then.shown);
    then.answers.insert(then.answers.begin(), answer);
    return then;
}

/// The move the player orders: from, to, the engine place it starts from and what goes with the engine.
struct Order {
    LocationId from = 0;
    LocationId to = 0;
    int enginePlace = 0;
    unsigned with = withTrain;
};
inline Order go(LocationId from, LocationId to, int enginePlace, unsigned with = withTrain) {
    return {from, to, enginePlace, with};
}

class RulesBench {
  public:
    static constexpr LocoIndex mover = 1;

    RulesBench() {
        buildLocationTable(s());
        s().clock = 600;
        s().difficulty = 15;
        for (LocoIndex e = 1; e <= 6; ++e) {
            s().locos[e].number = std::to_string(44000 + e);
            s().locos[e].lateAllowance = 999;
        }
        s().locoCount = 6;
        game->console.options().scoreLogging = true;
        game->console.scoreLog().setFileName(logPath.string());
    }
    ~RulesBench() {
        std::error_code ignored;
        std::filesystem::remove(logPath, ignored);
    }
    RulesBench(const RulesBench&) = delete;
    RulesBench& operator=(const RulesBench&) = delete;

    GameState& s() { return game->state; }
    Location& at(LocationId place) { return s().locations[place]; }
    MoveContext& move() { return game->move; }

    /// A chain of portions coupled throughout, except after the `cutAfter`th; its head.
    PortionIndex chain(int count, int cutAfter = 0) {
        PortionIndex head = 0;
        for (int i = 1; i <= count; ++i) {
            const PortionIndex p = ++s().portionCount;
            s().portions[p].portionState = portionStanding;
            head = appendPortion(s(), head, p, i - 1 != cutAfter);
        }
        return head;
    }
    /// The `n`th portion of the chain (1 is its head).
    PortionIndex nth(PortionIndex head, int n) {
        for (int i = 1; i < n && head != 0; ++i) head = s().portions[head].next;
        return head;
    }
    /// Portions `first`..`last` of the chain go forward on the departure.
    void forms(PortionIndex head, int first, int last, DepartureIndex d) {
        const DepartureState kept = s().departures[d].state;
        for (int i = first; i <= last; ++i) attachToDeparture(s(), d, nth(head, i));
        s().departures[d].state = kept;
    }
    void stand(LocationId place, OccState occState, int occupant, bool second = false) {
        (second ? at(place).occState2 : at(place).occState) = occState;
        (second ? at(place).occupant2 : at(place).occupant) = occupant;
    }

    /// Stock standing at the place.
    PortionIndex rake(LocationId place, int count, int cutAfter = 0, bool second = false) {
        const PortionIndex head = chain(count, cutAfter);
        setRakeLocation(s(), head, place);
        stand(place, occStock, head, second);
        return head;
    }
    /// An arrival standing at the place with a rake of `portions` (none for an engine alone).
    ArrivalIndex arrival(LocationId place, int group, int line, int type, int portions = 1,
                         bool second = false) {
        const ArrivalIndex a = ++s().arrivalCount;
        Arrival& r = s().arrivals[a];
        r.code = std::to_string(200 + a) + "A";
        r.time = s().clock - 5;
        r.line = line;
        r.group = group;
        r.trainType = type;
        r.origin = "Hathersay";
        r.condCode = condAvailable;
        for (int i = 0; i < portions; ++i) {
            const PortionIndex p = ++s().portionCount;
            appendToRake(s(), a, p, true);
            s().portions[p].location = place;
        }
        stand(place, occArrival, a, second);
        return a;
    }
    /// A departure booked `dueIn` minutes from now, not standing anywhere yet.
    DepartureIndex booked(int group, int line, int type, int dueIn, DepartureState state = departureReady) {
        const DepartureIndex d = ++s().departureCount;
        Departure& r = s().departures[d];
        r.code = std::to_string(100 + d) + "D";
        r.time = s().clock + dueIn;
        r.line = line;
        r.group = group;
        r.trainType = type;
        r.destination = "Stourwick";
        r.state = state;
        return d;
    }
    /// A departure standing formed at the place with its rake of `portions`.
    DepartureIndex departure(LocationId place, int group, int line, int type, int dueIn, int portions = 1,
                             DepartureState state = departureReady, bool second = false) {
        const DepartureIndex d = booked(group, line, type, dueIn, state);
        const PortionIndex head = chain(portions);
        setRakeLocation(s(), head, place);
        forms(head, 1, portions, d);
        s().departures[d].location = place;
        stand(place, occDeparture, d, second);
        return d;
    }
    /// The departure's one portion came on an arrival booked at its own minute: the train runs through.
    void runsThrough(DepartureIndex d) {
        const ArrivalIndex a = ++s().arrivalCount;
        s().arrivals[a].code = std::to_string(200 + a) + "A";
        s().arrivals[a].time = s().departures[d].time;
        s().arrivals[a].group = s().departures[d].group;
        appendToRake(s(), a, s().departures[d].firstPortion, true);
    }
    /// Traffic being worked at the place on its own portion; `readyAt` ticks of work still to do.
    TrafficIndex traffic(LocationId place, int readyAt = 0, DepartureIndex goesOn = 0, bool second = false) {
        const TrafficIndex t = ++s().trafficCount;
        Traffic& r = s().traffic[t];
        r.name = "T" + std::to_string(t);
        r.readyAt = readyAt;
        r.departure = goesOn;
        r.portion = chain(1);
        s().portions[r.portion].traffic = t;
        setRakeLocation(s(), r.portion, place);
        stand(place, occTraffic, t, second);
        return t;
    }
    /// Another engine standing in the engine place, coupled to the train at its end when `coupled`.
    LocoIndex engine(LocationId place, int enginePlace, bool coupled = false) {
        LocoIndex e = mover + 1;
        while (e < s().locoCount && s().locos[e].where != 0) ++e;
        putEngine(place, enginePlace, e);
        if (coupled) at(place).endFlag[static_cast<std::size_t>(endOfPlace(enginePlace))] = 1;
        return e;
    }

    /// The player's move, as the interpreter hands it over: engine 1 in `enginePlace` of `from`, coupled
    /// to the train unless it goes light, with its pair beside it or an engine at the train's other end.
    void order(LocationId from, LocationId to, int enginePlace, unsigned with = withTrain) {
        MoveContext& m = move();
        m = MoveContext{};
        m.moveFrom = from;
        m.moveTo = to;
        m.placePicked = enginePlace;
        putEngine(from, enginePlace, mover);
        m.moveEngine = mover;
        const int end = endOfPlace(enginePlace);
        m.withTrain = (with & light) == 0;
        if (m.withTrain) at(from).endFlag[static_cast<std::size_t>(end)] = 1;
        if (with & paired) {
            const int beside = enginePlace == innerPlace(end) ? outerPlace(end) : innerPlace(end);
            m.secondEngine = engine(from, beside);
            at(from).enginePairFlag[static_cast<std::size_t>(end)] = 1;
        }
        if (with & rearToo) m.rearEngine = engine(from, innerPlace(1 - end), true);
    }

    void order(const Order& o) { order(o.from, o.to, o.enginePlace, o.with); }

    /// Judges the ordered move with the verdict's answers, and checks the verdict.
    void judge(const Verdict& expected) {
        for (const std::string& a : expected.answers) host.queueAnswer(a);
        const LocationId from = move().moveFrom;
        const LocationId to = move().moveTo;
        const int standingThere = at(to).occupant;
        const int scoreBefore = s().score;
        const std::string before = dump();
        const std::size_t shownBefore = host.messages().size();

        MoveWorld w = world();
        const bool accepted = validateMove(w, from, to);

        EXPECT_EQ(accepted, expected.accepted);
        std::string shown;
        for (std::size_t i = shownBefore; i < host.messages().size(); ++i) shown += host.messages()[i] + "\n";
        EXPECT_EQ(shown, expected.shown.empty() ? "" : expected.shown + "\n");
        EXPECT_EQ(s().score - scoreBefore, expected.charged.empty() ? 0 : -1);
        EXPECT_EQ(logged(), expected.charged.empty() ? "" : "10.00    -1 " + expected.charged + "\n");
        const int score = s().score;
        s().score = scoreBefore;
        expectSameText(before, dump());
        s().score = score;
        if (!accepted) return;
        EXPECT_EQ(move().isShunt, (expected.flags & shunt) != 0) << "isShunt";
        EXPECT_EQ(move().propelling, (expected.flags & propel) != 0) << "propelling";
        EXPECT_EQ(move().couplePlan.onto, expected.onto) << "couplePlan.onto";
        if (expected.onto != CoupleTo::nothing) {
            EXPECT_EQ(move().couplePlan.reference, standingThere) << "couplePlan.reference";
        }
        EXPECT_EQ(move().rakeGoesAs, expected.goesAs) << "rakeGoesAs";
    }

    MoveWorld world() { return MoveWorld{s(), game->services, game->console, game->move, 3}; }

    /// Every table a judgement could touch, as the driver dumps it.
    std::string dump() const {
        return stateJson(*game, [](Widget) { return std::string(); });
    }
    /// Shows where two dumps part rather than the whole of both.
    static void expectSameText(const std::string& was, const std::string& is) {
        if (was == is) return;
        std::size_t at = 0;
        while (at < was.size() && at < is.size() && was[at] == is[at]) ++at;
        const std::size_t from = at > 120 ? at - 120 : 0;
        ADD_FAILURE() << "the records changed at offset " << at << ":\nwas ..." << was.substr(from, 200)
                      << "\nis  ..." << is.substr(from, 200);
    }
    /// The score log's entries after its heading.
    std::string logged() const {
        std::ifstream in(logPath);
        std::string line, out;
        for (bool heading = true; std::getline(in, line); heading = false)
            if (!heading) out += line + "\n";
        return out;
    }

    HeadlessHost host;
    std::unique_ptr<Game> game = std::make_unique<Game>(host);

  private:
    void putEngine(LocationId place, int enginePlace, LocoIndex e) {
        at(place).locoAt[enginePlace] = e;
        s().locos[e].where = place;
    }
    std::filesystem::path logPath =
        std::filesystem::temp_directory_path() / ("wm-rules-" + std::to_string(::getpid()) + ".txt");
};

/// One move of a table: what stands, the move ordered and what the rules make of it.
struct RuleCase {
    const char* what;
    Order order;
    Verdict verdict;
    std::function<void(RulesBench&)> setup; // the records the move finds
};
inline RuleCase rule(
    const char* what, Order order, Verdict verdict,
    std::function<void(RulesBench&)> setup = [](RulesBench&) {}) {
    return {what, order, std::move(verdict), std::move(setup)};
}

inline void judgeAll(const std::vector<RuleCase>& cases) {
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.what);
        RulesBench bench;
        c.setup(bench);
        bench.order(c.order);
        bench.judge(c.verdict);
    }
}

} // namespace wm
