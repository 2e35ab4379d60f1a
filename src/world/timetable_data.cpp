#include "world/timetable_data.h"

#include "world/data_file.h"

#include <map>

namespace wm {

namespace {

std::string blankIfDash(const std::string& text) {
    return text == "-" ? "    " : text;
}

void needFields(std::string_view source, const DataRow& row, std::size_t count, std::string_view what) {
    if (row.fields.size() != count)
        failDataRow(source, row.line, std::string(what) + " has " + std::to_string(count) + " columns");
}

std::vector<DepartureRow> parseDepartures(std::string_view text, std::string_view source) {
    std::vector<DepartureRow> rows;
    for (const DataRow& row : splitDataTable(text, source)) {
        needFields(source, row, 10, "a departure");
        const auto& f = row.fields;
        rows.push_back({dataInteger(source, row, 0), parseTime(f[1], source, row.line),
                        dataInteger(source, row, 2), f[3], blankIfDash(f[4]), f[5],
                        dataInteger(source, row, 6), dataInteger(source, row, 7), f[8],
                        parseChance(f[9], source, row.line)});
    }
    return rows;
}

std::vector<TrafficRow> parseTraffic(std::string_view text, std::string_view source) {
    std::vector<TrafficRow> rows;
    for (const DataRow& row : splitDataTable(text, source)) {
        needFields(source, row, 4, "a traffic block");
        rows.push_back({dataInteger(source, row, 0), row.fields[1], blankIfDash(row.fields[2]),
                        dataInteger(source, row, 3)});
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
            rows.back().portions.push_back({f[1], parseChance(f[2], source, row.line)});
            continue;
        }
        needFields(source, row, 10, "an arrival");
        rows.push_back({dataInteger(source, row, 0),
                        parseTime(f[1], source, row.line),
                        dataInteger(source, row, 2),
                        f[3],
                        blankIfDash(f[4]),
                        f[5],
                        dataInteger(source, row, 6),
                        dataInteger(source, row, 7),
                        dataInteger(source, row, 8),
                        parseChance(f[9], source, row.line),
                        {}});
    }
    return rows;
}

std::vector<StartRow> parseStart(std::string_view text, std::string_view source) {
    static const std::map<std::string, std::size_t> argCounts{{"shed", 3},    {"loco", 4},      {"facing", 2},
                                                              {"return", 2},  {"departure", 4}, {"stock", 2},
                                                              {"traffic", 2}, {"tstock", 2},    {"rake", 2}};
    std::vector<StartRow> rows;
    for (const DataRow& row : splitDataTable(text, source)) {
        const auto known = argCounts.find(row.fields[0]);
        if (known == argCounts.end()) failDataRow(source, row.line, "no placement \"" + row.fields[0] + "\"");
        needFields(source, row, known->second + 2, "\"" + row.fields[0] + "\"");
        rows.push_back({row.line,
                        row.fields[0],
                        {row.fields.begin() + 1, row.fields.end() - 1},
                        parseChance(row.fields.back(), source, row.line)});
        if (row.fields[0] != "return" && row.fields[0] != "stock" && row.fields[0] != "traffic" &&
            row.fields[0] != "tstock" && row.fields[0] != "rake")
            for (std::size_t k = 1; k + 1 < row.fields.size(); ++k)
                if (!(row.fields[0] == "departure" && k == 2)) dataInteger(source, row, k);
    }
    return rows;
}

} // namespace

int parseTime(std::string_view text, std::string_view source, int line) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.size() != 5 || text[2] != ':' || !digit(text[0]) || !digit(text[1]) || !digit(text[3]) ||
        !digit(text[4]))
        failDataRow(source, line, "\"" + std::string(text) + "\" is not a time HH:MM");
    const int hours = (text[0] - '0') * 10 + (text[1] - '0');
    const int minutes = (text[3] - '0') * 10 + (text[4] - '0');
    if (hours > 48 || minutes > 59) failDataRow(source, line, "\"" + std::string(text) + "\" is not a time");
    return hours * 60 + minutes;
}

Chance parseChance(std::string_view text, std::string_view source, int line) {
    Chance chance;
    const auto bad = [&] { failDataRow(source, line, "\"" + std::string(text) + "\" is not a chance"); };
    if (text == "-") return chance;
    if (text == "60" || text == "40" || text == "30") {
        chance.kind = Chance::fixed;
        chance.percent = std::stoi(std::string(text));
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
    const std::string prefix(day);
    DayTimetable table;
    table.departures = parseDepartures(departures, dataFilePath("timetable/" + prefix + "-departures.txt"));
    table.traffic = parseTraffic(traffic, dataFilePath("timetable/" + prefix + "-traffic.txt"));
    table.arrivals = parseArrivals(arrivals, dataFilePath("timetable/" + prefix + "-arrivals.txt"));
    table.start = parseStart(start, dataFilePath("timetable/" + prefix + "-start.txt"));

    const std::string namedSource = dataFilePath("timetable/named-trains.txt");
    for (const DataRow& row : splitDataTable(named, namedSource)) {
        needFields(namedSource, row, 4, "a named train");
        if (row.fields[3].size() > 30) failDataRow(namedSource, row.line, "a name has at most 30 characters");
        if (row.fields[0] == day) table.namedTrains.push_back({row.fields[1], row.fields[2], row.fields[3]});
    }
    const std::string lightSource = dataFilePath("timetable/light-engine-moves.txt");
    for (const DataRow& row : splitDataTable(lightEngines, lightSource)) {
        needFields(lightSource, row, 5, "a light-engine move");
        const std::string days = "," + row.fields[0] + ",";
        if (days.find("," + prefix + ",") == std::string::npos) continue;
        table.lightEngines.push_back({parseTime(row.fields[1], lightSource, row.line),
                                      dataInteger(lightSource, row, 2), dataInteger(lightSource, row, 3),
                                      dataInteger(lightSource, row, 4)});
    }
    return table;
}

const DayTimetable& loadedDayTimetable(std::string_view day) {
    static std::map<std::string, DayTimetable, std::less<>> days;
    const auto found = days.find(day);
    if (found != days.end()) return found->second;
    const std::string prefix = "timetable/" + std::string(day);
    DayTimetable table = parseDayTimetable(
        day, readDataFile(prefix + "-departures.txt"), readDataFile(prefix + "-traffic.txt"),
        readDataFile(prefix + "-arrivals.txt"), readDataFile(prefix + "-start.txt"),
        readDataFile("timetable/named-trains.txt"), readDataFile("timetable/light-engine-moves.txt"));
    return days.emplace(std::string(day), std::move(table)).first->second;
}

} // namespace wm
