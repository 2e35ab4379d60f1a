#pragma once

#include "world/records.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace wm {

// The days with a timetable of their own, by the names their files and rows carry.
inline constexpr std::array<std::string_view, 3> timetableDays{"weekday", "saturday", "sunday"};

// When a conditional timetable entry is built. Fixed and level chances draw rand(100) once.
struct Chance {
    enum Kind {
        always,      // "-"
        fixed,       // "60", "40", "30": runs when the draw is below percent
        level,       // "d", "2d", "3d": runs when the draw is below times x difficulty
        ifRuns,      // "if:CODE": only when departure CODE runs
        alternative, // "alt:CODE:N": a fixed chance, and only when CODE does not run
        minute,      // "min:CODE:HH:MM": always; at HH:MM instead when CODE does not run
    };
    Kind kind = always;
    int percent = 0; // fixed and alternative
    int times = 0;   // level
    std::string code;
    int otherTime = 0; // minute
};

struct DepartureRow {
    int line, time, group;
    std::string code, returnCode, destination;
    int trainType, duty;
    std::string shed;
    Chance chance;
    int fileLine = 0;
};

struct TrafficRow {
    int route;
    std::string name, departure;
    int trafficType;
    int fileLine = 0;
};

struct PortionRow {
    std::string name; // a departure code or a traffic name
    Chance chance;
    int fileLine = 0;
};

struct ArrivalRow {
    int line, time, group;
    std::string code, firstPortion, origin;
    int duty, condCode, trainType;
    Chance chance;
    std::vector<PortionRow> portions;
    int fileLine = 0;
};

// One placement of the starting position; args are the row's fields after the operation.
struct StartRow {
    int fileLine;
    std::string op;
    std::vector<std::string> args;
    Chance chance;
    std::vector<int> numbers; // the args read as numbers; 0 where an arg is a code or a name
};

struct NamedTrainRow {
    std::string from, to, name;
    int fileLine = 0;
};

struct LightEngineRow {
    int time, line, duty;
    EngineCondition flag;
    int fileLine = 0;
};

// The whole of one day's timetable as the data folder gives it.
struct DayTimetable {
    std::vector<DepartureRow> departures;
    std::vector<TrafficRow> traffic;
    std::vector<ArrivalRow> arrivals;
    std::vector<StartRow> start;
    std::vector<NamedTrainRow> namedTrains;
    std::vector<LightEngineRow> lightEngines;
};

// Reads a chance column; a fault is a DataFileError of the row.
Chance parseChance(std::string_view text, std::string_view source, int line);

// Minutes from "HH:MM" (hours up to 48); a fault is a DataFileError of the row.
int parseTime(std::string_view text, std::string_view source, int line);

// The day's tables (one of timetableDays) from the data folder, read once and checked: every code a row
// names is an entry of the day, every duty an engine of the engine list, every shed one of the sheds, every
// place and group one of the layout's, and the day fits the tables. A fault is a DataFileError naming the
// file and line.
const DayTimetable& loadedDayTimetable(std::string_view day);

// The checks of loadedDayTimetable on a day read with parseDayTimetable.
void checkDayTimetable(std::string_view day, const DayTimetable& table);

// The same from texts, for tests: the file names only label messages.
DayTimetable parseDayTimetable(std::string_view day, std::string_view departures, std::string_view traffic,
                               std::string_view arrivals, std::string_view start, std::string_view named,
                               std::string_view lightEngines);

} // namespace wm
