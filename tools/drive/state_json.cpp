#include "drive/state_json.h"

#include <sstream>

#include "host/headless/headless_host.h"
#include "session/game.h"

namespace wm {

namespace {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (byte < 0x20) {
            out += ' ';
        } else if (byte >= 0x80) {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

/// Writes one JSON object's members, separated by commas.
class Members {
  public:
    explicit Members(std::ostringstream& out) : out_(out) { out_ << '{'; }
    ~Members() { out_ << '}'; }
    Members& num(const char* name, long long value) {
        sep() << '"' << name << "\":" << value;
        return *this;
    }
    Members& str(const char* name, std::string_view value) {
        sep() << '"' << name << "\":" << quoted(value);
        return *this;
    }
    template <typename Array>
    Members& list(const char* name, const Array& values, std::size_t from) {
        sep() << '"' << name << "\":[";
        for (std::size_t i = from; i < values.size(); ++i) out_ << (i > from ? "," : "") << values[i];
        out_ << ']';
        return *this;
    }

  private:
    std::ostringstream& sep() {
        if (!first_) out_ << ',';
        first_ = false;
        return out_;
    }
    std::ostringstream& out_;
    bool first_ = true;
};

template <typename Table, typename Write>
void table(std::ostringstream& out, const char* name, const Table& records, int count, Write write) {
    out << ",\"" << name << "\":[";
    for (int i = 1; i <= count; ++i) {
        if (i > 1) out << ',';
        write(records[static_cast<std::size_t>(i)]);
    }
    out << ']';
}

} // namespace

std::string stateJson(const Game& game, const HeadlessHost& host) {
    return stateJson(game, [&host](Widget w) { return host.caption(w); });
}

std::string stateJson(const Game& game, const CaptionOf& caption) {
    const GameState& s = game.state;
    std::ostringstream out;
    {
        Members m(out);
        m.num("clock", s.clock)
            .num("difficulty", s.difficulty)
            .num("dayCode", s.dayCode)
            .str("dayName", s.dayName)
            .num("score", s.score)
            .num("target", s.target)
            .num("shiftStart", s.shiftStart)
            .num("shiftEnd", s.shiftEnd)
            .num("tickPhase", game.clock.tickPhase)
            .num("speedIndex", game.clock.speedIndex)
            .num("clockRunning", game.console.options().clockRunning)
            .num("fontSize", game.console.options().fontSize)
            .num("sound", game.console.options().sound)
            .num("scoreLogging", game.console.options().scoreLogging)
            .num("waitOnError", game.console.options().waitOnError)
            .num("hideLocoData", game.console.options().hideLocoData)
            .num("speededUp", game.clock.speededUp)
            .num("quietTicks", game.clock.quietTicks)
            .num("currentScreen", game.display.currentScreen)
            .num("displayMode", game.display.displayMode)
            .num("gameRunning", game.flags.gameRunning)
            .num("gameOver", game.flags.gameOver)
            .num("locationCount", s.locationCount)
            .num("locoCount", s.locoCount)
            .num("departureCount", s.departureCount)
            .num("arrivalCount", s.arrivalCount)
            .num("trafficCount", s.trafficCount)
            .num("portionCount", s.portionCount)
            .num("lightEngineCount", s.lightEngineCount)
            .num("watchCount", s.watchCount)
            .num("branchTimer", s.branchTimer)
            .str("timeCaption", caption(Widget::Label4))
            .str("speedCaption", caption(Widget::Label1) + " " + caption(Widget::Label2))
            .str("pointsCaption", caption(Widget::Label5) + " " + caption(Widget::Label6))
            .list("sectionTimer", s.sectionTimer, 1);
        // Members closes the object; the tables are appended inside it below.
    }
    out.seekp(-1, std::ios::cur); // reopen the object to add the tables

    const int locationRows = s.locationCount > 0 ? s.locationCount : 0;
    table(out, "locations", s.locations, locationRows, [&](const Location& l) {
        Members(out)
            .num("kind", l.kind)
            .num("locoSlots", l.locoSlots)
            .num("length", l.length)
            .str("code", l.code.view())
            .num("group", l.group)
            .num("screen", l.screen)
            .list("locoAt", l.locoAt, 1)
            .num("occState", l.occState)
            .num("occupant", l.occupant)
            .num("occState2", l.occState2)
            .num("occupant2", l.occupant2)
            .num("busyTicks", l.busyTicks)
            .list("endFlag", l.endFlag, 0);
    });
    table(out, "locos", s.locos, s.locoCount, [&](const Loco& l) {
        Members(out)
            .num("duty", l.duty)
            .num("classIndex", l.classIndex)
            .str("number", l.number.view())
            .str("shed", l.shed.view())
            .num("condition", l.condition)
            .num("workTime", l.workTime)
            .num("where", l.where)
            .num("facing", l.facing)
            .num("lateAllowance", l.lateAllowance)
            .num("watering", l.watering);
    });
    table(out, "departures", s.departures, s.departureCount, [&](const Departure& d) {
        Members(out)
            .str("code", d.code.view())
            .num("time", d.time)
            .num("line", d.line)
            .num("group", d.group)
            .num("trainType", d.trainType)
            .str("destination", d.destination.view())
            .str("trainName", d.trainName.view())
            .str("shed", d.shed.view())
            .num("loco", d.loco)
            .num("loco2", d.loco2)
            .str("returnCode", d.returnCode.view())
            .num("returnArrival", d.returnArrival)
            .str("returnCode2", d.returnCode2.view())
            .num("returnArrival2", d.returnArrival2)
            .num("state", d.state)
            .num("location", d.location)
            .num("firstPortion", d.firstPortion)
            .num("portionCount", d.portionCount);
    });
    table(out, "arrivals", s.arrivals, s.arrivalCount, [&](const Arrival& a) {
        Members(out)
            .str("code", a.code.view())
            .num("time", a.time)
            .num("late", a.late)
            .num("line", a.line)
            .num("group", a.group)
            .num("trainType", a.trainType)
            .str("origin", a.origin.view())
            .str("trainName", a.trainName.view())
            .num("loco", a.loco)
            .num("loco2", a.loco2)
            .num("condCode", a.condCode)
            .num("firstPortion", a.firstPortion);
    });
    table(out, "traffic", s.traffic, s.trafficCount, [&](const Traffic& t) {
        Members(out)
            .str("name", t.name.view())
            .num("route", t.route)
            .num("departure", t.departure)
            .num("trafficType", t.trafficType)
            .num("readyAt", t.readyAt)
            .num("portion", t.portion);
    });
    table(out, "portions", s.portions, s.portionCount, [&](const Portion& p) {
        Members(out)
            .num("arrival", p.arrival)
            .num("departure", p.departure)
            .num("traffic", p.traffic)
            .num("location", p.location)
            .num("next", p.next)
            .num("prev", p.prev)
            .num("coupledToNext", p.coupledToNext)
            .num("depNext", p.depNext)
            .num("depPrev", p.depPrev)
            .num("portionState", p.portionState);
    });
    table(out, "lines", s.lines, static_cast<int>(s.lines.size()) - 1, [&](const Line& l) {
        Members(out)
            .num("entryPlace", l.entryPlace)
            .num("signalIndex", l.signalIndex)
            .num("nextPassenger", l.nextPassenger)
            .num("nextFreight", l.nextFreight)
            .num("lastArrival", l.lastArrival)
            .num("chosenArrival", l.chosenArrival)
            .num("waitCount", l.waitCount);
    });
    table(out, "lightEngineMoves", s.lightEngineMoves, s.lightEngineCount, [&](const LightEngineMove& m) {
        Members(out).num("time", m.time).num("line", m.line).num("loco", m.loco).num("flag", m.flag);
    });
    out << "}\n";
    return out.str();
}

} // namespace wm
