#include "display/info_engines.h"

#include <string>

#include "console/time_format.h"
#include "display/describe_train.h"
#include "display/engine_token.h"
#include "display/engine_whereabouts.h"
#include "display/info_console.h"
#include "world/game_state.h"
#include "world/group_names.h"
#include "world/line_tables.h"
#include "world/loco_places.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"
#include "world/service_places.h"

namespace wm {

namespace {
constexpr int dutyHorizon = 25 * 60; // duties booked after 25:00 belong to the next day
constexpr int readyTodayLimit = 24 * 60 + 10;
constexpr int thenDutyColumn = 21;
constexpr int wrapColumn = 4;

/// The first departure after `after` (minutes, exclusive) still to leave that the engine is booked to.
DepartureIndex nextDuty(const GameState& s, LocoIndex engine, int after, bool tripsOnly) {
    DepartureIndex best = 0;
    for (DepartureIndex i = 1; i <= s.departureCount; ++i) {
        const Departure& d = s.departures[i];
        if (d.loco != engine && d.loco2 != engine) continue;
        if (isPseudoDeparture(d) || d.state >= departureOnWayOut || d.time >= dutyHorizon || d.time <= after)
            continue;
        if (tripsOnly && (!isLocalLine(d.line) || isPilotDuty(d))) continue;
        if (best == 0 || d.time < s.departures[best].time) best = i;
    }
    return best;
}

std::string dutyWords(const GameState& s, DepartureIndex i, LocoIndex engine) {
    const Departure& d = s.departures[i];
    return std::string(d.loco2 == engine && d.loco != engine ? "Pilot " : "") +
           DescribeDeparture(s, i).plain();
}
} // namespace

std::string engineDutyText(const GameState& s, LocoIndex engine, std::string& thenDuty) {
    thenDuty.clear();
    const DepartureIndex i = nextDuty(s, engine, -1, false);
    if (i == 0) return " No further scheduled duty today";
    const Departure& d = s.departures[i];
    if (isPilotDuty(d)) {
        std::string out = d.time > s.clock ? " Next duty: " + FormatTime(d.time) : std::string();
        return out + " Shunter at " + groupName(d.group) + " (" + d.destination.str() + ")";
    }
    if (isLocalLine(d.line)) {
        const DepartureIndex then = nextDuty(s, engine, d.time, true);
        if (then != 0) thenDuty = " and then: " + dutyWords(s, then, engine);
    }
    return " Next duty: " + dutyWords(s, i, engine);
}

std::string engineConditionText(const GameState& s, LocoIndex engine) {
    if (!isLoco(s, engine)) return {};
    const Loco& e = s.locos[engine];
    const LocationId place = placeOfWhere(e.where);
    const bool working = e.workTime > 0;
    std::string out;
    if (e.watering && working) {
        out = " being watered";
    } else {
        switch (e.condition) {
        case conditionNeedsCoal:
            out = working && place == coalingPoint ? " being coaled" : " needs coal";
            break;
        case conditionNeedsServicing:
            out = working && isShedRoad(place) ? " being serviced" : " needs service";
            break;
        case conditionNeedsRepair:
            out = working && isShedRoad(place) ? " under repair" : " needs repair";
            break;
        default:
            return {};
        }
    }
    if (!working) return out;
    const int minutes = (e.workTime + 2) / 3;
    if (s.clock + minutes > readyTodayLimit) return out + ", not ready today";
    return out + ", ready in " + std::to_string(minutes) + " minutes";
}

void drawEngineLine(InfoConsole& c, const GameState& s, LocoIndex engine, bool hideDuty,
                    int conditionColumn) {
    const int row = c.row();
    c.GotoCell(2, row);
    if (!isLoco(s, engine)) {
        c.Write(engineWhereabouts(s, engine));
        c.GotoCell(1, row + 1);
        return;
    }
    const Loco& e = s.locos[engine];
    c.WhiteOnNavy();
    c.Write(engineToken(s, engine));
    c.Write(" " + std::string(locoClass(e.classIndex).name) + " " + e.shed.str() + " ");
    c.DefaultColours();
    c.Write(" " + engineWhereabouts(s, engine));
    std::string thenDuty;
    int next = row + 1;
    if (!hideDuty) {
        const std::string duty = engineDutyText(s, engine, thenDuty);
        // What does not fit beside the engine goes on a row of its own.
        if (static_cast<int>(duty.size()) > c.room()) c.GotoCell(wrapColumn, next++);
        c.Write(duty);
    }
    if (const std::string condition = engineConditionText(s, engine); !condition.empty()) {
        c.GotoCell(conditionColumn, next++);
        c.Write(condition);
    }
    if (!thenDuty.empty()) {
        c.GotoCell(thenDutyColumn, next++);
        c.Write(thenDuty);
    }
    c.GotoCell(1, next);
}

void drawLocosAt(InfoConsole& c, const GameState& s, LocationId place, bool hideDuty) {
    c.GotoCell(1, 2);
    const EnginesHere engines = enginesAt(s.locations[place]);
    if (engines.empty()) {
        c.GotoCell(2, 2);
        c.Write("No locos present");
        return;
    }
    for (const StandingEngine& here : engines) {
        drawEngineLine(c, s, here.engine, hideDuty, 20);
        c.GotoCell(1, c.row() + 1);
    }
}

void drawLocoLocation(InfoConsole& c, const GameState& s, LocoIndex engine, bool hideDuty) {
    c.GotoCell(1, 2);
    drawEngineLine(c, s, engine, hideDuty, 10);
}

} // namespace wm
