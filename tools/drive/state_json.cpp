#include "drive/state_json.h"

#include <sstream>

#include "host/headless/headless_host.h"
#include "session/game.h"
#include "world/saved_fields.h"

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

/// Walks a saved record's field list into JSON members by the fields' names.
struct JsonFields {
    Members& members;
    template <typename Field>
    void num(const char* name, int, const Field& field, int, int) {
        members.num(name, static_cast<long long>(field));
    }
    template <typename Field>
    void text(const char* name, const Field& field, std::size_t = 0) {
        members.str(name, std::string_view(field.data(), field.size()));
    }
    template <std::size_t N>
    void text(const char* name, const ShortString<N>& field, std::size_t = 0) {
        members.str(name, field.view());
    }
    void endLine() {}
};

/// A table whose rows are each record's saved fields and nothing more.
template <typename Table, typename Fields>
void fieldTable(std::ostringstream& out, const char* name, const Table& records, int count, Fields fields) {
    table(out, name, records, count, [&](const auto& record) {
        Members m(out);
        JsonFields walker{m};
        fields(walker, record);
    });
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
            .num("autoSave", game.console.options().autoSave)
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

    // The saved fields come from the saved game's own field lists; the ones the program rebuilds
    // (layout, names, return codes) are added after them, a line's entry before them.
    const int locationRows = s.locationCount > 0 ? s.locationCount : 0;
    table(out, "locations", s.locations, locationRows, [&](const Location& l) {
        Members m(out);
        JsonFields fields{m};
        locationFields(fields, l);
        m.num("kind", l.kind)
            .num("locoSlots", l.locoSlots)
            .str("code", l.code.view())
            .num("group", l.group)
            .num("screen", l.screen);
    });
    fieldTable(out, "locos", s.locos, s.locoCount, [](JsonFields& f, const Loco& l) { locoFields(f, l); });
    table(out, "departures", s.departures, s.departureCount, [&](const Departure& d) {
        Members m(out);
        JsonFields fields{m};
        departureFields(fields, d);
        m.str("trainName", d.trainName.view())
            .str("returnCode", d.returnCode.view())
            .str("returnCode2", d.returnCode2.view());
    });
    table(out, "arrivals", s.arrivals, s.arrivalCount, [&](const Arrival& a) {
        Members m(out);
        JsonFields fields{m};
        arrivalFields(fields, a);
        m.str("trainName", a.trainName.view());
    });
    fieldTable(out, "traffic", s.traffic, s.trafficCount,
               [](JsonFields& f, const Traffic& t) { trafficFields(f, t); });
    fieldTable(out, "portions", s.portions, s.portionCount,
               [](JsonFields& f, const Portion& p) { portionFields(f, p); });
    table(out, "lines", s.lines, static_cast<int>(s.lines.size()) - 1, [&](const Line& l) {
        Members m(out);
        m.num("entryPlace", l.entryPlace).num("signalIndex", l.signalIndex); // which line it is, first
        JsonFields fields{m};
        lineFields(fields, l);
    });
    fieldTable(out, "lightEngineMoves", s.lightEngineMoves, s.lightEngineCount,
               [](JsonFields& f, const LightEngineMove& lm) { lightEngineMoveFields(f, lm); });
    fieldTable(out, "watchList", s.watchList, s.watchCount,
               [](JsonFields& f, const WatchEntry& w) { watchEntryFields(f, w); });
    out << "}\n";
    return out.str();
}

} // namespace wm
