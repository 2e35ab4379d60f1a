// Saved games: positions of a scripted Weekday written and read back field for field, the file's shape,
// the golden file, and damaged or hostile files refused without a half-read state.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "saved_game_state.h"
#include "script_play_fixture.h"

namespace wm {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(text.substr(at));
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

/// Line numbers (0-based) where each item of a file starts, from the counts of the state it holds.
struct FileLayout {
    explicit FileLayout(const GameState& s) {
        lightEngines = 4;
        lines = lightEngines + s.lightEngineCount;
        arrivals = lines + lineCapacity;
        departures = arrivals + 2 * s.arrivalCount;
        traffic = departures + 3 * s.departureCount;
        portions = traffic + s.trafficCount;
        locations = portions + s.portionCount;
        sections = locations + locationCapacity;
        branch = sections + sectionCount;
        watch = branch + 1;
        locos = watch + s.watchCount;
        autoSave = locos + 2 * s.locoCount;
    }
    int lightEngines, lines, arrivals, departures, traffic, portions, locations, sections, branch, watch,
        locos, autoSave;
};

SavedSession sessionOf(Game& g) {
    SavedSession session;
    session.tickPhase = g.clock.tickPhase;
    session.speedIndex = g.clock.speedIndex;
    session.scoreLogEntries = 7;
    session.scoreLogging = 1;
    session.autoSave = 0;
    session.executableDate = "07/12/2026";
    return session;
}

class SavedGameFormat : public ScriptPlay {
  protected:
    /// Writes the driver's game, reads it into a fresh state, and holds both to the same position and the
    /// same bytes.
    void roundTrip(const std::string& moment) {
        SCOPED_TRACE(moment);
        const SavedSession session = sessionOf(driver.game());
        const std::string text = writeSavedGame(s(), session);
        auto loaded = layoutOnly();
        SavedSession read;
        const SavedGameReading reading = readAsTheGameDoes(text, *loaded, read);
        ASSERT_EQ(reading.fault, SavedGameFault::none) << reading.detail;
        EXPECT_EQ(stateDifference(s(), *loaded), "");
        EXPECT_EQ(read.tickPhase, session.tickPhase);
        EXPECT_EQ(read.speedIndex, session.speedIndex);
        EXPECT_EQ(read.scoreLogEntries, 7);
        EXPECT_EQ(read.scoreLogging, 1);
        read.executableDate = session.executableDate; // only for people: the reader skips it
        EXPECT_EQ(writeSavedGame(*loaded, read), text);
    }
    bool anyLocation(bool (*test)(const Location&)) {
        for (int id = 1; id <= locationCapacity; ++id)
            if (test(s().locations[id])) return true;
        return false;
    }
    /// A saved text of a Weekday a few minutes in.
    std::string weekdayText() {
        playCommands("weekday", {"new-game 5 Weekday", "ticks 30"});
        return writeSavedGame(s(), sessionOf(driver.game()));
    }
    SavedGameReading readText(const std::string& text) {
        loaded = layoutOnly();
        SavedSession session;
        return readSavedGame(text, *loaded, session);
    }
    std::unique_ptr<GameState> loaded;
};

TEST_F(SavedGameFormat, AWeekdayAtItsStartComesBackFieldForField) {
    playCommands("start", {"new-game 5 Weekday"});
    roundTrip("start");
    bool early = false, notStarted = false;
    for (int a = 1; a <= s().arrivalCount; ++a) early = early || s().arrivals[a].late < 0;
    for (int t = 1; t <= s().trafficCount; ++t) notStarted = notStarted || s().traffic[t].readyAt == -1;
    EXPECT_TRUE(early) << "an early arrival, whose lateness is negative";
    EXPECT_TRUE(notStarted) << "traffic not yet started";
}

TEST_F(SavedGameFormat, AWeekdayWithAMoveUnderWayComesBack) {
    playCommands("moving",
                 {"new-game 5 Weekday", "ticks 87", "show-screen 4", "click 98 16", "click 4 18", "ticks 2"});
    ASSERT_TRUE(anyLocation([](const Location& l) { return l.busyTicks > 0; })) << "a move under way";
    roundTrip("moving");
}

TEST_F(SavedGameFormat, AWeekdayWithACouplingChangeUnderWayComesBack) {
    playCommands("uncoupling", {"new-game 5 Weekday", "ticks 87", "show-screen 4", "click 98 16",
                                "click 4 18", "ticks 20", "show-screen 3", "click 89 16", "click 5 15",
                                "ticks 60", "show-screen 2", "answer menu:Uncouple1", "click 80 16 right"});
    // Both kinds of countdown at both ends, whatever the uncoupling left, so every column is exercised.
    Location& somewhere = s().locations[findPlaceByCode(s(), "PL3")];
    somewhere.couplingTicks = {2, 5};
    somewhere.enginePairTicks = {4, 1};
    somewhere.enginePairFlag = {1, 0};
    roundTrip("uncoupling");
}

TEST_F(SavedGameFormat, AWeekdayAfterAnHourComesBack) {
    playCommands("hour", {"new-game 10 Weekday", "ticks 180"});
    ASSERT_GE(s().clock, 61);
    roundTrip("an hour in");
}

TEST_F(SavedGameFormat, TheFileHasItsFixedShape) {
    const std::string text = weekdayText();
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "every line ends CR LF";
    const std::vector<std::string> lines = splitLines(text);
    const FileLayout at(s());
    ASSERT_EQ(static_cast<int>(lines.size()), at.autoSave + 1);
    EXPECT_EQ(lines[0], "    0 07/12/2026");
    EXPECT_EQ(lines[1], "WM58");
    char expected[64];
    std::snprintf(expected, sizeof expected, "%4d%4d%4d%4d%5d", s().departureCount, s().locoCount,
                  s().trafficCount, s().arrivalCount, s().portionCount);
    EXPECT_EQ(lines[3], expected);
    std::snprintf(expected, sizeof expected, "%5d%5d%3d", s().clock, driver.game().clock.speedIndex,
                  driver.game().clock.tickPhase);
    EXPECT_EQ(lines[2].substr(0, 13), expected);
    EXPECT_EQ(lines[2].substr(lines[2].size() - 11), "  5 Weekday");
    EXPECT_EQ(lines[at.arrivals], s().arrivals[1].code.str());
    EXPECT_EQ(lines[at.departures + 2], s().departures[1].shed.str()) << "a string alone fills its line";
    EXPECT_EQ(lines[at.locos + 1], s().locos[1].shed.str());
    EXPECT_EQ(lines[at.sections].size(), 4u);
    EXPECT_EQ(lines[at.branch].size(), 5u);
    EXPECT_EQ(lines[at.autoSave], " 0");
    std::snprintf(expected, sizeof expected, "%5d%5d%5d%5d%5d%5d%5d%5d%3d%3d", s().portions[1].arrival,
                  s().portions[1].traffic, s().portions[1].departure, s().portions[1].location,
                  s().portions[1].next, s().portions[1].prev, s().portions[1].depNext,
                  s().portions[1].depPrev, s().portions[1].portionState, s().portions[1].coupledToNext);
    EXPECT_EQ(lines[at.portions], expected);
}

TEST_F(SavedGameFormat, ADepartureForSpareIsGoneAfterLoading) {
    playCommands("spare", {"new-game 5 Weekday"});
    s().departures[3].destination = "spare";
    s().departures[3].state = departureBuilt;
    ASSERT_EQ(readText(writeSavedGame(s(), sessionOf(driver.game()))).fault, SavedGameFault::none);
    EXPECT_EQ(loaded->departures[3].state, departureGone);
    EXPECT_EQ(loaded->departures[4].state, s().departures[4].state);
}

TEST_F(SavedGameFormat, EnginesAtRestStandWhereTheirPlacesSay) {
    playCommands("engines", {"new-game 5 Weekday"});
    const std::string text = writeSavedGame(s(), sessionOf(driver.game()));
    std::vector<std::string> lines = splitLines(text);
    const FileLayout at(s());
    // The first engine standing at a place at rest: its where is damaged in the file.
    for (LocoIndex e = 1; e <= s().locoCount; ++e) {
        const int where = s().locos[e].where;
        if (where < 1 || where > placeCount || s().locations[where].busyTicks != 0) continue;
        std::string& line = lines[at.locos + 2 * (e - 1)];
        line.replace(7, 5, "    0");
        ASSERT_EQ(readText(joinLines(lines)).fault, SavedGameFault::none);
        EXPECT_EQ(loaded->locos[e].where, where);
        return;
    }
    FAIL() << "no engine stands at a place";
}

TEST_F(SavedGameFormat, AFileOfAnotherKindIsNotASavedGame) {
    for (const std::string text : {"", "\r\n", "Dear diary\r\nWM58\r\n", "abc 12\r\n"}) {
        const SavedGameReading reading = readText(text);
        EXPECT_EQ(reading.fault, SavedGameFault::firstLine) << text;
        EXPECT_EQ(reading.score, 0);
    }
    const SavedGameReading other = readText("   42 01/01/2000\r\nWM57\r\n");
    EXPECT_EQ(other.fault, SavedGameFault::prefix);
    EXPECT_EQ(other.score, 42);
    EXPECT_EQ(readText("   42 01/01/2000\r\n").fault, SavedGameFault::prefix);
}

TEST_F(SavedGameFormat, ADamagedBodyIsRefused) {
    const std::string text = weekdayText();
    const std::vector<std::string> good = splitLines(text);
    const FileLayout at(s());
    const auto damaged = [&](int line, std::string content) {
        std::vector<std::string> lines = good;
        lines[static_cast<std::size_t>(line)] = std::move(content);
        return joinLines(lines);
    };
    const auto withField = [&](int line, std::size_t column, std::size_t width, int value) {
        std::string content = good[static_cast<std::size_t>(line)];
        std::string digits = std::to_string(value);
        digits.insert(0, width > digits.size() ? width - digits.size() : 0, ' ');
        content.replace(column, width, digits);
        return damaged(line, content);
    };
    // An engine on its train: where it is comes from the file alone.
    LocoIndex travelling = 1;
    while (travelling < s().locoCount && arrivalOfWhere(s().locos[travelling].where) == 0) ++travelling;
    ASSERT_NE(arrivalOfWhere(s().locos[travelling].where), 0);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"cut short in the tables", text.substr(0, text.size() / 2)},
        {"cut short before the last line", text.substr(0, text.size() - 4)},
        {"a letter for a number", damaged(at.sections + 7, "   x")},
        {"two numbers where one belongs", damaged(at.sections + 7, "   1   2")},
        {"a portion count beyond the table", withField(3, 16, 5, portionCapacity + 1)},
        {"an arrival count beyond what follows", withField(3, 12, 4, s().arrivalCount + 1)},
        {"a negative count", withField(3, 0, 4, -1)},
        {"a portion's next beyond the portions", withField(at.portions, 20, 5, s().portionCount + 1)},
        {"a portion's next pointing at itself", withField(at.portions, 20, 5, 1)},
        {"an engine where on no arrival",
         withField(at.locos + 2 * (travelling - 1), 7, 5, whereOnArrival + s().arrivalCount + 1)},
        {"an engine class beyond the table", withField(at.locos, 12, 3, locoClassCount)},
        {"a traffic type beyond the table", withField(at.traffic, 19, 3, trafficTypeCount)},
        {"a negative section timer", withField(at.sections, 0, 4, -3)},
        {"an arrival code too long", damaged(at.arrivals, "12345")},
        {"a control character in a name", damaged(at.locos + 1, "S\x01H")},
        {"a line after the last", text + "  1\r\n"},
        {"a huge number", damaged(at.branch, "99999999999999999999")},
    };
    for (const auto& [what, file] : cases) {
        const SavedGameReading reading = readText(file);
        EXPECT_EQ(reading.fault, SavedGameFault::body) << what << ": " << reading.detail;
    }
    EXPECT_EQ(readText(text).fault, SavedGameFault::none) << "the undamaged file";
}

TEST_F(SavedGameFormat, TabsAndLineFeedsAloneAreReadToo) {
    const std::string weekday = weekdayText();
    std::string text = weekday;
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) text.erase(at, 1);
    const auto header = text.find('\n', text.find('\n') + 1) + 1;
    text[header] = '\t';
    SavedSession session;
    loaded = layoutOnly();
    ASSERT_EQ(readSavedGame(text, *loaded, session).fault, SavedGameFault::none);
    session.executableDate = "07/12/2026";
    EXPECT_EQ(writeSavedGame(*loaded, session), weekday);
}

/// The golden file: a Weekday of a fixed script (below), saved from the menu.
const fs::path goldenFile = fs::path(WENDMOOR_TESTS_DIR) / "saved" / "weekday-0031.sav";

TEST_F(SavedGameFormat, TheGoldenFileIsReadAndWrittenAgainByteForByte) {
    const std::string golden = fileText(goldenFile);
    ASSERT_FALSE(golden.empty()) << goldenFile;
    auto state = layoutOnly();
    SavedSession session;
    const SavedGameReading reading = readAsTheGameDoes(golden, *state, session);
    ASSERT_EQ(reading.fault, SavedGameFault::none) << reading.detail;
    EXPECT_EQ(state->clock, 31);
    EXPECT_EQ(state->dayName, "Weekday");
    session.executableDate = "07/12/2026";
    EXPECT_EQ(writeSavedGame(*state, session), golden);
}

TEST_F(SavedGameFormat, TheFixedScriptedGameSavesTheGoldenFile) {
    playCommands("golden",
                 {"new-game 10 Weekday", "ticks 90", "answer file:%OUT%/golden.sav", "menu SaveAs1"});
    // When the game's rules change on purpose, the new file is the new golden one.
    const fs::path kept = fs::temp_directory_path() / "weekday-0031.sav";
    const bool same = fileText(out / "golden.sav") == fileText(goldenFile);
    if (!same) fs::copy_file(out / "golden.sav", kept, fs::copy_options::overwrite_existing);
    EXPECT_TRUE(same) << "the saved file differs from " << goldenFile
                      << "; if the game changed on purpose: cp " << kept << " " << goldenFile;
}

} // namespace
} // namespace wm
