#include "world/timetable_data.h"

#include "world/capacities.h"
#include "world/data_file.h"
#include "world/engine_list.h"
#include "world/location_table.h"
#include "world/place_reference.h"
#include "world/reference_tables.h"
#include "world/sheds.h"

#include <algorithm>
#include <map>
#include <set>

namespace wm {

namespace {

// What the columns of the day's files may hold.
constexpr int highestLine = lineCapacity;
constexpr int highestGroup = routeCodeCount;
constexpr int highestTrainType = trainTypeCount - 1;
constexpr int highestTrafficType = trafficTypeCount - 1;
constexpr int highestCondCode = 99;
constexpr int highestDutyField = noEngine; // a real duty, 0 or 999 for no engine
constexpr int highestPlace = placeCount + secondBerthOffset;
constexpr int highestEngineSlot = 4;
constexpr int highestLightEngineFlag = conditionNeedsServicing; // 3, end of duty
constexpr std::size_t codeLength = 4;
constexpr std::size_t namedTrainCapacity = 30;

bool isBlank(const std::string& code) {
    return code.find_first_not_of(' ') == std::string::npos;
}

void needFields(std::string_view source, const DataRow& row, std::size_t count, std::string_view what) {
    if (row.fields.size() != count)
        failDataRow(source, row.line, std::string(what) + " has " + std::to_string(count) + " columns");
}

const std::string& codeField(std::string_view source, const DataRow& row, std::size_t field,
                             std::string_view column) {
    const std::string& code = row.fields[field];
    if (code.size() != codeLength)
        failDataRow(source, row.line, std::string(column) + " " + quoted(code) + " is not four characters");
    return code;
}

std::string optionalCode(std::string_view source, const DataRow& row, std::size_t field,
                         std::string_view column) {
    return row.fields[field] == "-" ? "    " : codeField(source, row, field, column);
}

std::vector<DepartureRow> parseDepartures(std::string_view text, std::string_view source) {
    std::vector<DepartureRow> rows;
    for (const DataRow& row : splitDataTable(text, source)) {
        needFields(source, row, 10, "a departure");
        const auto& f = row.fields;
        rows.push_back({dataNumber(source, row, 0, "line", 1, highestLine), parseTime(f[1], source, row.line),
                        dataNumber(source, row, 2, "group", 1, highestGroup),
                        codeField(source, row, 3, "code"), optionalCode(source, row, 4, "return code"), f[5],
                        dataNumber(source, row, 6, "train type", 0, highestTrainType),
                        dataNumber(source, row, 7, "duty", 0, highestDutyField), f[8],
                        parseChance(f[9], source, row.line), row.line});
        if (rows.size() > static_cast<std::size_t>(departureCapacity))
            failDataRow(source, row.line, "more departures than the table holds");
    }
    return rows;
}

std::vector<TrafficRow> parseTraffic(std::string_view text, std::string_view source) {
    std::vector<TrafficRow> rows;
    for (const DataRow& row : splitDataTable(text, source)) {
        needFields(source, row, 4, "a traffic block");
        rows.push_back({dataNumber(source, row, 0, "route", 1, highestGroup),
                        codeField(source, row, 1, "name"), optionalCode(source, row, 2, "departure"),
                        dataNumber(source, row, 3, "traffic type", 0, highestTrafficType), row.line});
        if (rows.size() > static_cast<std::size_t>(trafficCapacity))
            failDataRow(source, row.line, "more traffic than the table holds");
    }
    return rows;
}

std::vector<ArrivalRow> parseArrivals(std::string_view text, std::string_view source) {
    std::vector<ArrivalRow> rows;
    for (const DataRow& row : splitDataTable(text, source)) {
        const auto& f = row.fields;
        if (f[0] == "+") {
            needFields(source, row, 3, "a further portion");
            if (rows.empty()) failDataRow(source, row.line, "a further portion needs an arrival above it");
            rows.back().portions.push_back(
                {codeField(source, row, 1, "portion"), parseChance(f[2], source, row.line), row.line});
            continue;
        }
        needFields(source, row, 10, "an arrival");
        rows.push_back({dataNumber(source, row, 0, "line", 1, highestLine),
                        parseTime(f[1], source, row.line),
                        dataNumber(source, row, 2, "group", 1, highestGroup),
                        codeField(source, row, 3, "code"),
                        optionalCode(source, row, 4, "first portion"),
                        f[5],
                        dataNumber(source, row, 6, "duty", 0, highestDutyField),
                        dataNumber(source, row, 7, "condition code", 0, highestCondCode),
                        dataNumber(source, row, 8, "train type", 0, highestTrainType),
                        parseChance(f[9], source, row.line),
                        {},
                        row.line});
        if (rows.size() > static_cast<std::size_t>(maxArrivalsInADay))
            failDataRow(source, row.line, "more arrivals than a day may have");
    }
    return rows;
}

// The columns of a placement after its name: a number within bounds, or a code (least > most).
struct StartColumn {
    std::string_view name;
    int least, most;
    bool isCode() const { return least > most; }
};
constexpr StartColumn place{"place", 1, highestPlace};
constexpr StartColumn duty{"duty", 1, highestDuty};
constexpr StartColumn departureCode{"departure", 1, 0};
constexpr StartColumn arrivalCode{"arrival", 1, 0};
constexpr StartColumn trafficName{"traffic", 1, 0};

std::vector<StartRow> parseStart(std::string_view text, std::string_view source) {
    static const std::map<std::string, std::vector<StartColumn>, std::less<>> columns{
        {"shed", {duty, place, {"last place", 1, highestPlace}}},
        {"loco", {duty, place, {"engine place", 1, highestEngineSlot}, {"condition", 0, conditionCount - 1}}},
        {"facing", {duty, {"facing", 0, 1}}},
        {"return", {departureCode, arrivalCode}},
        {"departure", {place, departureCode, {"duty", 0, highestDuty}, {"end", 0, 1}}},
        {"stock", {place, departureCode}},
        {"traffic", {place, trafficName}},
        {"tstock", {place, trafficName}},
        {"rake", {place, trafficName}}};
    std::vector<StartRow> rows;
    for (const DataRow& row : splitDataTable(text, source)) {
        const auto known = columns.find(row.fields[0]);
        if (known == columns.end()) failDataRow(source, row.line, "no placement " + quoted(row.fields[0]));
        const std::vector<StartColumn>& shape = known->second;
        needFields(source, row, shape.size() + 2, quoted(row.fields[0]));
        StartRow start{row.line,
                       row.fields[0],
                       {row.fields.begin() + 1, row.fields.end() - 1},
                       parseChance(row.fields.back(), source, row.line),
                       {}};
        for (std::size_t k = 0; k < shape.size(); ++k)
            start.numbers.push_back(shape[k].isCode() ? (codeField(source, row, k + 1, shape[k].name), 0)
                                                      : dataNumber(source, row, k + 1, shape[k].name,
                                                                   shape[k].least, shape[k].most));
        if (start.op == "shed" && start.numbers[1] > start.numbers[2])
            failDataRow(source, row.line, "the places run backwards");
        rows.push_back(std::move(start));
    }
    return rows;
}

// The files a day is read from, for messages.
struct DayFiles {
    std::string departures, traffic, arrivals, start, named, lightEngines;
};

DayFiles dayFiles(std::string_view day) {
    const std::string prefix = "timetable/" + std::string(day);
    return {dataFilePath(prefix + "-departures.txt"),   dataFilePath(prefix + "-traffic.txt"),
            dataFilePath(prefix + "-arrivals.txt"),     dataFilePath(prefix + "-start.txt"),
            dataFilePath("timetable/named-trains.txt"), dataFilePath("timetable/light-engine-moves.txt")};
}

// A row of another day is read all the same, so its day must be one that has a timetable.
void needTimetableDay(std::string_view source, int line, std::string_view name) {
    if (std::find(timetableDays.begin(), timetableDays.end(), name) != timetableDays.end()) return;
    std::string days;
    for (std::string_view day : timetableDays) days += (days.empty() ? "" : ", ") + std::string(day);
    failDataRow(source, line, "day " + quoted(name) + " is none of " + days);
}

// The days of a light-engine move, joined by commas.
std::vector<std::string_view> dayNames(std::string_view text) {
    std::vector<std::string_view> names;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        names.push_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos) return names;
        start = comma + 1;
    }
}

using CodeSet = std::set<std::string, std::less<>>;

void needPlaceGroup(int group, std::string_view source, int line, std::string_view what) {
    if (!isPlaceGroup(group))
        failDataRow(source, line,
                    std::string(what) + " " + std::to_string(group) + " holds no place of the layout");
}

// A placement's place is of the kind that can hold what it puts there.
void checkStartPlace(const StartRow& row, std::string_view source) {
    const auto& n = row.numbers;
    const auto fail = [&](int id, const std::string& what) {
        failDataRow(source, row.fileLine, "place " + std::to_string(id) + " " + what);
    };
    if (row.op == "shed") {
        for (int id = n[1]; id <= n[2]; ++id)
            if (needLayoutPlace(id, source, row.fileLine).kind != kindShedRoad) fail(id, "is no shed road");
    } else if (row.op == "loco") {
        if (needLayoutPlace(n[1], source, row.fileLine).locoSlots < n[2])
            fail(n[1], "has no engine place " + std::to_string(n[2]));
    } else if (row.op == "departure" || row.op == "stock" || row.op == "traffic" || row.op == "tstock" ||
               row.op == "rake") {
        if (!isStockRoad(needLayoutPlace(n[0], source, row.fileLine).kind))
            fail(n[0], "is no road where stock stands");
    }
}

// Every range of named trains names some train of the day.
void checkNamedTrains(const DayTimetable& table, const CodeSet& trains, std::string_view day,
                      std::string_view source) {
    for (const NamedTrainRow& row : table.namedTrains) {
        const auto first = trains.lower_bound(row.from);
        if (first == trains.end() || *first > row.to)
            failDataRow(source, row.fileLine,
                        "codes " + quoted(row.from) + " to " + quoted(row.to) + " match no train of the " +
                            std::string(day));
    }
}

} // namespace

int parseTime(std::string_view text, std::string_view source, int line) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.size() != 5 || text[2] != ':' || !digit(text[0]) || !digit(text[1]) || !digit(text[3]) ||
        !digit(text[4]))
        failDataRow(source, line, "time " + quoted(text) + " is not HH:MM");
    const int hours = (text[0] - '0') * 10 + (text[1] - '0');
    const int minutes = (text[3] - '0') * 10 + (text[4] - '0');
    if (hours > 48 || minutes > 59 || (hours == 48 && minutes > 0))
        failDataRow(source, line, "time " + quoted(text) + " is past 48:00");
    return hours * 60 + minutes;
}

Chance parseChance(std::string_view text, std::string_view source, int line) {
    Chance chance;
    const auto bad = [&] { failDataRow(source, line, "chance " + quoted(text) + " is none of the chances"); };
    if (text == "-") return chance;
    if (text == "60" || text == "40" || text == "30") {
        chance.kind = Chance::fixed;
        chance.percent = (text[0] - '0') * 10;
    } else if (text == "d" || text == "2d" || text == "3d") {
        chance.kind = Chance::level;
        chance.times = text.size() == 1 ? 1 : text[0] - '0';
    } else if (text.substr(0, 3) == "if:" && text.size() == 7) {
        chance.kind = Chance::ifRuns;
        chance.code = text.substr(3);
    } else if (text.substr(0, 4) == "alt:" && text.size() == 11 && text[8] == ':') {
        chance.kind = Chance::alternative;
        chance.code = text.substr(4, 4);
        const Chance inner = parseChance(text.substr(9), source, line);
        if (inner.kind != Chance::fixed) bad();
        chance.percent = inner.percent;
    } else if (text.substr(0, 4) == "min:" && text.size() == 14 && text[8] == ':') {
        chance.kind = Chance::minute;
        chance.code = text.substr(4, 4);
        chance.otherTime = parseTime(text.substr(9), source, line);
    } else {
        bad();
    }
    return chance;
}

DayTimetable parseDayTimetable(std::string_view day, std::string_view departures, std::string_view traffic,
                               std::string_view arrivals, std::string_view start, std::string_view named,
                               std::string_view lightEngines) {
    const DayFiles files = dayFiles(day);
    DayTimetable table;
    table.departures = parseDepartures(departures, files.departures);
    table.traffic = parseTraffic(traffic, files.traffic);
    table.arrivals = parseArrivals(arrivals, files.arrivals);
    table.start = parseStart(start, files.start);

    const std::string& namedSource = files.named;
    for (const DataRow& row : splitDataTable(named, namedSource)) {
        needFields(namedSource, row, 4, "a named train");
        needTimetableDay(namedSource, row.line, row.fields[0]);
        if (row.fields[3].size() > 30) failDataRow(namedSource, row.line, "a name has at most 30 characters");
        if (row.fields[1] > row.fields[2]) failDataRow(namedSource, row.line, "the codes run backwards");
        if (row.fields[0] != day) continue;
        table.namedTrains.push_back({row.fields[1], row.fields[2], row.fields[3], row.line});
        if (table.namedTrains.size() > namedTrainCapacity)
            failDataRow(namedSource, row.line, "more named trains in the day than the table holds");
    }
    const std::string& lightSource = files.lightEngines;
    for (const DataRow& row : splitDataTable(lightEngines, lightSource)) {
        needFields(lightSource, row, 5, "a light-engine move");
        // Every row is read, so a damaged row of another day is found whichever day is played.
        LightEngineRow move{parseTime(row.fields[1], lightSource, row.line),
                            dataNumber(lightSource, row, 2, "line", 1, highestLine),
                            dataNumber(lightSource, row, 3, "duty", 1, highestDuty),
                            static_cast<EngineCondition>(dataNumber(
                                lightSource, row, 4, "flag", conditionNeedsWater, highestLightEngineFlag)),
                            row.line};
        bool ofThisDay = false;
        for (std::string_view name : dayNames(row.fields[0])) {
            needTimetableDay(lightSource, row.line, name);
            ofThisDay = ofThisDay || name == day;
        }
        if (!ofThisDay) continue;
        table.lightEngines.push_back(move);
        if (table.lightEngines.size() > static_cast<std::size_t>(lightEngineMoveCapacity))
            failDataRow(lightSource, row.line, "more light-engine moves in the day than the table holds");
    }
    return table;
}

void checkDayTimetable(std::string_view day, const DayTimetable& table) {
    const DayFiles files = dayFiles(day);
    CodeSet departures, arrivals, traffic;
    for (const DepartureRow& row : table.departures)
        if (!departures.insert(row.code).second)
            failDataRow(files.departures, row.fileLine, "departure " + quoted(row.code) + " listed twice");
    for (const ArrivalRow& row : table.arrivals)
        if (!arrivals.insert(row.code).second)
            failDataRow(files.arrivals, row.fileLine, "arrival " + quoted(row.code) + " listed twice");
    for (const TrafficRow& row : table.traffic)
        if (!traffic.insert(row.name).second)
            failDataRow(files.traffic, row.fileLine, "traffic " + quoted(row.name) + " listed twice");

    const auto need = [](const CodeSet& codes, const std::string& code, std::string_view source, int line,
                         std::string_view what) {
        if (!codes.contains(code))
            failDataRow(source, line, std::string(what) + " " + quoted(code) + " is no entry of the day");
    };
    const auto needChance = [&](const Chance& chance, std::string_view source, int line) {
        if (chance.kind == Chance::ifRuns || chance.kind == Chance::alternative ||
            chance.kind == Chance::minute)
            need(departures, chance.code, source, line, "the chance's departure");
    };
    // A portion is a departure's coaches (its code starts with a digit) or a block of traffic.
    const auto needPortion = [&](const std::string& name, std::string_view source, int line) {
        if (std::isdigit(static_cast<unsigned char>(name[0])))
            need(departures, name, source, line, "portion");
        else
            need(traffic, name, source, line, "portion");
    };
    std::set<int> duties, worked; // the engine list's, and those the day's trains and placements use
    for (const EngineRow& engine : loadedEngineList()) duties.insert(engine.duty);
    const auto needDuty = [&](int duty, std::string_view source, int line) {
        if (duty != 0 && duty != noEngine && !duties.contains(duty))
            failDataRow(source, line, "duty " + std::to_string(duty) + " is no engine of engines.txt");
        worked.insert(duty);
    };
    const ShedTable& sheds = loadedShedTable();

    for (const DepartureRow& row : table.departures) {
        if (!isBlank(row.returnCode))
            need(arrivals, row.returnCode, files.departures, row.fileLine, "return code");
        needChance(row.chance, files.departures, row.fileLine);
        needDuty(row.duty, files.departures, row.fileLine);
        needPlaceGroup(row.group, files.departures, row.fileLine, "group");
        if (!sheds.isKnown(row.shed))
            failDataRow(files.departures, row.fileLine,
                        "shed " + quoted(row.shed) + " is no shed of sheds.txt");
    }
    for (const TrafficRow& row : table.traffic) {
        if (!isBlank(row.departure))
            need(departures, row.departure, files.traffic, row.fileLine, "departure");
        needPlaceGroup(row.route, files.traffic, row.fileLine, "route");
    }
    std::size_t portions = 0;
    for (const ArrivalRow& row : table.arrivals) {
        if (!isBlank(row.firstPortion))
            needPortion(row.firstPortion, files.arrivals, row.fileLine), ++portions;
        needChance(row.chance, files.arrivals, row.fileLine);
        needDuty(row.duty, files.arrivals, row.fileLine);
        needPlaceGroup(row.group, files.arrivals, row.fileLine, "group");
        for (const PortionRow& portion : row.portions) {
            needPortion(portion.name, files.arrivals, portion.fileLine);
            needChance(portion.chance, files.arrivals, portion.fileLine);
            ++portions;
        }
    }
    for (const StartRow& row : table.start) {
        needChance(row.chance, files.start, row.fileLine);
        checkStartPlace(row, files.start);
        const auto& a = row.args;
        if (row.op == "return") {
            need(departures, a[0], files.start, row.fileLine, "departure");
            need(arrivals, a[1], files.start, row.fileLine, "arrival");
        } else if (row.op == "departure" || row.op == "stock") {
            need(departures, a[1], files.start, row.fileLine, "departure");
            ++portions;
        } else if (row.op == "traffic" || row.op == "tstock" || row.op == "rake") {
            need(traffic, a[1], files.start, row.fileLine, "traffic");
            ++portions;
        }
        if (row.op == "shed" || row.op == "loco" || row.op == "facing")
            needDuty(row.numbers[0], files.start, row.fileLine);
        if (row.op == "departure") needDuty(row.numbers[2], files.start, row.fileLine);
    }
    if (portions > static_cast<std::size_t>(portionCapacity))
        failDataRow(files.arrivals, 0, "more portions in the day than the table holds");
    for (const LightEngineRow& move : table.lightEngines) {
        const bool ofTheDay = worked.contains(move.duty);
        needDuty(move.duty, files.lightEngines, move.fileLine);
        if (!ofTheDay)
            failDataRow(files.lightEngines, move.fileLine,
                        "duty " + std::to_string(move.duty) + " works no train of the " + std::string(day) +
                            " and stands nowhere at its start");
        // The move acts on its pilot while it stands in a place of the line's group.
        needPlaceGroup(move.line, files.lightEngines, move.fileLine, "line");
    }

    CodeSet trains = departures;
    trains.insert(arrivals.begin(), arrivals.end());
    checkNamedTrains(table, trains, day, files.named);
}

const DayTimetable& loadedDayTimetable(std::string_view day) {
    static std::map<std::string, DataTableCache<DayTimetable>, std::less<>> days;
    const std::string prefix = "timetable/" + std::string(day);
    const std::string departures = prefix + "-departures.txt", traffic = prefix + "-traffic.txt",
                      arrivals = prefix + "-arrivals.txt", start = prefix + "-start.txt";
    return days[std::string(day)].get(
        {departures, traffic, arrivals, start, "timetable/named-trains.txt",
         "timetable/light-engine-moves.txt", "engines.txt", "sheds.txt", "districts.txt"},
        [&](const std::vector<std::string>& texts) {
            DayTimetable table =
                parseDayTimetable(day, texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]);
            checkDayTimetable(day, table);
            return table;
        });
}

} // namespace wm
