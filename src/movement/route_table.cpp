#include "movement/route_table.h"

#include "movement/track_links.h"
#include "world/data_file.h"
#include "world/place_reference.h"

#include <charconv>
#include <set>
#include <string>

namespace wm {

namespace {

constexpr std::string_view viasFile = "track/route_vias.txt";
constexpr std::string_view noRouteFile = "track/no_route.txt";
constexpr std::string_view legsFile = "track/legs.txt";
constexpr std::string_view reachabilityFile = "track/reachability.txt";

struct FieldReader {
    std::string_view source;
    const DataRow& row;

    [[noreturn]] void fail(const std::string& message) const { failDataRow(source, row.line, message); }

    int id(std::string_view text) const { return layoutPlaceField(text, source, row.line, "location"); }

    int section(std::string_view text) const {
        return numberIn(source, row.line, text, "section", 1, sectionCount);
    }

    // Ids and ranges a-b joined by commas.
    std::vector<int> ids(std::string_view text) const {
        std::vector<int> out;
        for (std::string_view part : split(text, ',')) {
            const std::size_t dash = part.find('-');
            if (dash == std::string_view::npos) {
                out.push_back(id(part));
                continue;
            }
            const int first = id(part.substr(0, dash));
            const int last = id(part.substr(dash + 1));
            if (first > last) fail("range " + quoted(part) + " runs backwards");
            for (int id = first; id <= last; ++id) out.push_back(id);
        }
        return out;
    }

    // Section numbers joined by commas, or a run a..b (ascending or descending), each within 1..520.
    std::vector<int> sections(std::string_view text) const {
        std::vector<int> out;
        for (std::string_view part : split(text, ',')) {
            const std::size_t dots = part.find("..");
            if (dots == std::string_view::npos) {
                out.push_back(section(part));
            } else {
                const int first = section(part.substr(0, dots));
                const int last = section(part.substr(dots + 2));
                const int step = first <= last ? 1 : -1;
                for (int s = first; s != last + step; s += step) out.push_back(s);
            }
        }
        for (int s : out)
            if (s < 1 || s > sectionCount)
                fail("section " + std::to_string(s) + " is outside 1.." + std::to_string(sectionCount));
        return out;
    }

    static std::vector<std::string_view> split(std::string_view text, char separator) {
        std::vector<std::string_view> parts;
        std::size_t start = 0;
        while (true) {
            const std::size_t end = text.find(separator, start);
            parts.push_back(text.substr(start, end - start));
            if (end == std::string_view::npos) return parts;
            start = end + 1;
        }
    }
};

Leg parseLeg(std::string_view source, const DataRow& row) {
    const FieldReader read{source, row};
    if (row.fields.size() != 6) read.fail("a leg row is: from, to, sections, branch, flank, test");
    Leg leg;
    leg.fileLine = row.line;
    leg.from = read.id(row.fields[0]);
    leg.to = read.id(row.fields[1]);
    if (leg.from == leg.to) read.fail("a leg joins two different locations");
    leg.sections = read.sections(row.fields[2]);
    if (leg.sections.empty() || static_cast<int>(leg.sections.size()) > maxLegSections)
        read.fail("a leg has 1.." + std::to_string(maxLegSections) + " sections");
    const std::string& branch = row.fields[3];
    if (branch == "take") {
        leg.branch = BranchAction::take;
    } else if (branch == "return") {
        leg.branch = BranchAction::giveBack;
    } else if (branch != "-") {
        read.fail("branch " + quoted(branch) + " is none of take, return, -");
    }
    if (row.fields[4] != "-") {
        for (std::string_view group : FieldReader::split(row.fields[4], ';')) {
            const std::size_t arrow = group.find('>');
            if (arrow == std::string_view::npos) read.fail("a flank lock is source>targets");
            const std::vector<int> source = read.sections(group.substr(0, arrow));
            if (source.size() != 1) read.fail("a flank lock has one source section");
            leg.flanks.push_back({source.front(), read.sections(group.substr(arrow + 1))});
        }
    }
    leg.testSet = read.sections(row.fields[5]);
    return leg;
}

// A leg locks and tests only sections the track carries, or its route would guard track that is not there.
void checkLegSections(const RouteTable& table, const std::set<int>& carried, std::string_view source) {
    for (const auto& entry : table.legs()) {
        // A name of its own: clang 14 cannot capture a structured binding in a lambda.
        const auto& leg = entry.second;
        const auto need = [&](const std::vector<int>& sections) {
            for (int section : sections)
                if (!carried.contains(section))
                    failDataRow(source, leg.fileLine,
                                "section " + std::to_string(section) + " is carried by no link of " +
                                    std::string(trackLinksFile));
        };
        need(leg.sections);
        for (const FlankLock& flank : leg.flanks) need({flank.source}), need(flank.targets);
        need(leg.testSet);
    }
}

} // namespace

std::vector<int> Route::intermediates() const {
    std::vector<int> out;
    for (std::size_t i = 1; i < legs.size(); ++i) out.push_back(legs[i]->from);
    return out;
}

RouteTable RouteTable::parse(const Reachability& reachable, const Sources& sources) {
    RouteTable table;

    for (const DataRow& row : splitDataTable(sources.legs, sources.legsName)) {
        Leg leg = parseLeg(sources.legsName, row);
        const std::pair<int, int> key{leg.from, leg.to};
        if (!table.legs_.emplace(key, std::move(leg)).second)
            failDataRow(sources.legsName, row.line, "leg listed twice");
    }

    std::set<std::pair<int, int>> without;
    for (const DataRow& row : splitDataTable(sources.noRoute, sources.noRouteName)) {
        const FieldReader read{sources.noRouteName, row};
        if (row.fields.size() != 2) read.fail("a row is: from, to");
        for (int from : read.ids(row.fields[0]))
            for (int to : read.ids(row.fields[1])) {
                if (!reachable.canReach(from, to))
                    read.fail("pair " + std::to_string(from) + " -> " + std::to_string(to) +
                              " is not in the reachability set");
                without.insert({from, to});
            }
    }

    // Intermediate locations by pair, then every other reachable pair as a single leg.
    std::map<std::pair<int, int>, std::pair<std::vector<std::vector<int>>, int>> vias;
    for (const DataRow& row : splitDataTable(sources.vias, sources.viasName)) {
        const FieldReader read{sources.viasName, row};
        if (row.fields.size() != 4) read.fail("a row is: from, to, via, second");
        std::vector<std::vector<int>> alternatives;
        for (std::size_t field = 2; field < 4; ++field) {
            if (row.fields[field] == "-") continue;
            std::vector<int> via;
            for (std::string_view id : FieldReader::split(row.fields[field], '+')) via.push_back(read.id(id));
            alternatives.push_back(std::move(via));
        }
        if (alternatives.empty() || row.fields[2] == "-") read.fail("a row names its intermediate locations");
        for (int from : read.ids(row.fields[0]))
            for (int to : read.ids(row.fields[1])) {
                if (!reachable.canReach(from, to))
                    read.fail("pair " + std::to_string(from) + " -> " + std::to_string(to) +
                              " is not in the reachability set");
                if (without.contains({from, to}))
                    read.fail("pair " + std::to_string(from) + " -> " + std::to_string(to) +
                              " is listed as having no route");
                if (!vias.emplace(std::pair{from, to}, std::pair{alternatives, row.line}).second)
                    read.fail("pair " + std::to_string(from) + " -> " + std::to_string(to) + " listed twice");
            }
    }

    for (const auto& [from, to] : reachable.pairs()) {
        if (without.contains({from, to})) continue;
        std::vector<std::vector<int>> alternatives{{}};
        std::string_view source = sources.legsName;
        int line = 0;
        if (const auto found = vias.find({from, to}); found != vias.end()) {
            alternatives = found->second.first;
            source = sources.viasName;
            line = found->second.second;
        }
        std::vector<Route>& routes = table.entries_[{from, to}];
        for (const std::vector<int>& via : alternatives) {
            Route route;
            int start = from;
            std::vector<int> stops = via;
            stops.push_back(to);
            for (int stop : stops) {
                const Leg* leg = table.leg(start, stop);
                if (leg == nullptr)
                    failDataRow(source, line,
                                "route " + std::to_string(from) + " -> " + std::to_string(to) +
                                    " needs leg " + std::to_string(start) + " -> " + std::to_string(stop) +
                                    ", which " + std::string(sources.legsName) + " lacks");
                route.legs.push_back(leg);
                start = stop;
            }
            routes.push_back(std::move(route));
        }
    }
    return table;
}

const RouteTable& RouteTable::standard() {
    static DataTableCache<RouteTable> table;
    return table.get({viasFile, noRouteFile, legsFile, reachabilityFile, trackLinksFile},
                     [](const std::vector<std::string>& texts) {
                         RouteTable read = parse(Reachability::standard(), {texts[0], viasFile, texts[1],
                                                                            noRouteFile, texts[2], legsFile});
                         checkLegSections(read, carriedSections(standardTrackLinks()), legsFile);
                         return read;
                     });
}

const std::vector<Route>& RouteTable::routes(int from, int to) const {
    static const std::vector<Route> none;
    const auto found = entries_.find({from, to});
    return found == entries_.end() ? none : found->second;
}

const Leg* RouteTable::leg(int from, int to) const {
    const auto found = legs_.find({from, to});
    return found == legs_.end() ? nullptr : &found->second;
}

} // namespace wm
