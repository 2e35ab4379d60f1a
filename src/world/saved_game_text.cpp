#include "world/saved_game_text.h"

#include "world/game_state.h"
#include "world/invariants.h"

#include <charconv>
#include <type_traits>

namespace wm {

namespace {

constexpr std::string_view lineEnd = "\r\n";
constexpr std::string_view spareDestination = "spare";
constexpr std::size_t prefixReadLimit = 10;
constexpr std::size_t longestNumber = 9; // digits: anything wider is no field of ours

std::string_view viewOf(const std::string& s) {
    return s;
}
template <std::size_t N>
std::string_view viewOf(const ShortString<N>& s) {
    return s.view();
}

class Writer {
  public:
    template <typename Field>
    void num(const char*, int width, const Field& field, int, int) {
        const std::string digits = std::to_string(static_cast<int>(field));
        const auto fieldWidth = static_cast<std::size_t>(width);
        if (digits.size() < fieldWidth)
            out.append(fieldWidth - digits.size(), ' ');
        else if (!lineEmpty() && digits.front() != '-')
            out += ' '; // a value as wide as its field would run into the one before it
        out += digits;
    }
    template <typename Field>
    void text(const char*, const Field& field, std::size_t = 0) {
        if (!lineEmpty()) out += ' ';
        out += viewOf(field);
    }
    void endLine() {
        out += lineEnd;
        lineStart_ = out.size();
    }

    std::string out;

  private:
    bool lineEmpty() const { return out.size() == lineStart_; }
    std::size_t lineStart_ = 0;
};

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

/// Walks the file line by line; a field list calls it field by field. After the first fault every call
/// does nothing, and the fault names the line and field where it happened.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool nextLine() {
        if (at_ >= text_.size()) return false;
        const std::size_t end = text_.find('\n', at_);
        line_ = text_.substr(at_, end == std::string_view::npos ? std::string_view::npos : end - at_);
        at_ = end == std::string_view::npos ? text_.size() : end + 1;
        if (!line_.empty() && line_.back() == '\r') line_.remove_suffix(1);
        column_ = 0;
        ++lineNumber_;
        return true;
    }

    /// An integer after blanks, ended by a blank, a minus sign or the end of the line.
    bool integer(int& value) {
        while (column_ < line_.size() && isBlank(line_[column_])) ++column_;
        const std::size_t start = column_;
        if (column_ < line_.size() && line_[column_] == '-') ++column_;
        const std::size_t digitsStart = column_;
        while (column_ < line_.size() && line_[column_] >= '0' && line_[column_] <= '9') ++column_;
        const std::size_t digits = column_ - digitsStart;
        if (digits == 0 || digits > longestNumber) return false;
        if (column_ < line_.size() && !isBlank(line_[column_]) && line_[column_] != '-') return false;
        return std::from_chars(line_.data() + start, line_.data() + column_, value).ec == std::errc();
    }

    template <typename Field>
    void num(const char* name, int, Field& field, int lowest, int highest) {
        if (!open()) return fail(name, "the file ends");
        int value = 0;
        if (!integer(value)) return fail(name, "no number");
        if (value < lowest || value > highest)
            return fail(name, std::to_string(value) + " outside " + std::to_string(lowest) + ".." +
                                  std::to_string(highest));
        field = static_cast<std::remove_reference_t<Field>>(value);
    }

    /// The rest of the line: after one blank when numbers came before it on the line.
    template <typename Field>
    void text(const char* name, Field& field, std::size_t limit = Field::capacity) {
        if (!open()) return fail(name, "the file ends");
        if (column_ > 0) {
            if (column_ >= line_.size() || line_[column_] != ' ') return fail(name, "no blank before it");
            ++column_;
        }
        const std::string_view value = line_.substr(column_);
        if (value.size() > limit) return fail(name, "longer than " + std::to_string(limit));
        for (char ch : value)
            if (static_cast<unsigned char>(ch) < 0x20) return fail(name, "a control character");
        field = std::string(value);
        column_ = line_.size();
    }

    void endLine() {
        if (!open_ || failed()) {
            open_ = false;
            return;
        }
        while (column_ < line_.size() && isBlank(line_[column_])) ++column_;
        if (column_ < line_.size()) fail("end of line", "more on the line");
        open_ = false;
    }

    bool failed() const { return !detail_.empty(); }
    const std::string& detail() const { return detail_; }
    void fail(const std::string& what, const std::string& why) {
        if (failed()) return;
        detail_ = "line " + std::to_string(lineNumber_) + ", " + what + ": " + why;
    }
    std::string_view line() const { return line_; }
    std::size_t& column() { return column_; }
    bool atEnd() const { return at_ >= text_.size(); }

  private:
    /// The line the next field is on, read when the first field of a line asks for it.
    bool open() {
        if (failed()) return false;
        if (!open_) open_ = nextLine();
        return open_;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string_view line_;
    std::size_t column_ = 0;
    int lineNumber_ = 0;
    bool open_ = false;
    std::string detail_;
};

/// What a load derives rather than reads.
void settleLoadedState(GameState& s) {
    for (int d = 1; d <= s.departureCount; ++d) {
        Departure& departure = s.departures[d];
        if (departure.destination == spareDestination) departure.state = departureGone;
        departure.returnCode =
            departure.returnArrival != 0 ? s.arrivals[departure.returnArrival].code : ShortString<4>("    ");
        departure.returnCode2 = departure.returnArrival2 != 0 ? s.arrivals[departure.returnArrival2].code
                                                              : ShortString<4>("    ");
    }
    // An engine at a place with no work under way stands there, whatever its where said.
    for (LocationId id = 1; id <= placeCount; ++id) {
        const Location& place = s.locations[id];
        if (place.busyTicks != 0) continue;
        for (int k = 1; k <= 4; ++k) {
            const LocoIndex engine = place.locoAt[k];
            if (isRealEngine(engine) && engine <= s.locoCount) s.locos[engine].where = id;
        }
    }
}

} // namespace

std::string writeSavedGame(const GameState& state, const SavedSession& session) {
    Writer w;
    w.num("score", 5, state.score, 0, 0);
    w.text("date", session.executableDate);
    w.endLine();
    w.text("prefix", std::string(savedGamePrefix));
    w.endLine();
    headerFields(w, state, session);
    tableFields(w, state);
    w.num("autoSave", 2, session.autoSave, 0, 1);
    w.endLine();
    return w.out;
}

SavedGameReading readSavedGame(std::string_view text, GameState& state, SavedSession& session) {
    SavedGameReading reading;
    Reader r(text);
    // The first line: the score, one character and the date, which is only for people.
    if (!r.nextLine() || !r.integer(reading.score)) {
        reading.fault = SavedGameFault::firstLine;
        reading.score = 0;
        reading.detail = "line 1: no score";
        return reading;
    }
    if (!r.nextLine() || r.line().substr(0, prefixReadLimit) != savedGamePrefix) {
        reading.fault = SavedGameFault::prefix;
        reading.detail = "line 2: not the prefix " + std::string(savedGamePrefix);
        return reading;
    }
    state.score = reading.score;
    headerFields(r, state, session);
    tableFields(r, state);
    r.num("autoSave", 2, session.autoSave, 0, 1);
    r.endLine();
    if (!r.failed()) {
        while (!r.atEnd() && r.nextLine())
            if (r.line().find_first_not_of(" \t") != std::string_view::npos) {
                r.fail("after the last line", "more lines");
                break;
            }
    }
    if (!r.failed()) {
        settleLoadedState(state);
        const std::vector<BrokenInvariant> broken = findBrokenInvariants(state);
        if (!broken.empty()) r.fail("the position", broken.front().name + ": " + broken.front().detail);
    }
    if (r.failed()) {
        reading.fault = SavedGameFault::body;
        reading.detail = r.detail();
    }
    return reading;
}

} // namespace wm
