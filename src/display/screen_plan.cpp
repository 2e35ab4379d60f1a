#include "display/screen_plan.h"

#include "world/capacities.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

#include "display/hotspots.h"
#include "world/data_file.h"
#include "world/place_reference.h"

namespace wm {

namespace {

constexpr int bodyRows = 26; // rows 27..32 belong to the key menu and the message lines
constexpr int screenColumns = 100;
constexpr int screenRows = 32;

struct Point {
    int x = 0, row = 0; // x: the border after column x (0 is the screen's left edge)
    bool operator==(const Point&) const = default;
};

struct FormName {
    std::string_view name;
    PlaceForm form;
};
constexpr FormName formNames[] = {
    {"labelled", PlaceForm::Labelled},   {"after", PlaceForm::LabelAfter},
    {"compact", PlaceForm::CompactLeft}, {"compactr", PlaceForm::CompactRight},
    {"status", PlaceForm::StatusCode},   {"approach", PlaceForm::Approach},
    {"turntable", PlaceForm::Turntable}, {"box", PlaceForm::EnginesBox},
    {"list", PlaceForm::EnginesList},    {"track", PlaceForm::Track},
};

bool allDigits(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string rowText(const DataRow& row, std::size_t field) {
    return row.fields.at(field);
}

void needFields(std::string_view source, const DataRow& row, std::size_t least, std::string_view shape) {
    if (row.fields.size() < least)
        failDataRow(source, row.line, std::string("a row is: ") + std::string(shape));
}

Point parsePoint(std::string_view source, const DataRow& row, std::size_t field) {
    const std::string& text = row.fields.at(field);
    const auto comma = text.find(',');
    if (comma == std::string::npos) failDataRow(source, row.line, quoted(text) + " is not column,row");
    const std::string_view whole = text;
    return {numberIn(source, row.line, whole.substr(0, comma), "column", 0, screenColumns),
            numberIn(source, row.line, whole.substr(comma + 1), "row", 1, bodyRows)};
}

int column(std::string_view source, const DataRow& row, std::size_t field) {
    return dataNumber(source, row, field, "column", 1, screenColumns);
}

int screenRow(std::string_view source, const DataRow& row, std::size_t field) {
    return dataNumber(source, row, field, "row", 1, screenRows);
}

int width(std::string_view source, const DataRow& row, std::size_t field) {
    return dataNumber(source, row, field, "width", 1, screenColumns);
}

int section(std::string_view source, const DataRow& row, std::size_t field) {
    return dataNumber(source, row, field, "section", 0, sectionCount);
}

// Text drawn from its column must end within the screen's width.
void needFits(std::string_view source, const DataRow& row, int column, std::size_t length) {
    if (column - 1 + static_cast<long long>(length) > screenColumns)
        failDataRow(source, row.line, "the text runs past column 100");
}

// What stage one reads besides the finished parts of the plan: where junctions lie and how links bend.
struct Layout {
    std::map<std::string, std::pair<Point, int>> nodes;     // name -> point, line
    std::map<int, std::pair<std::vector<Point>, int>> vias; // first section -> waypoints, line
    std::map<int, std::pair<bool, int>> bendAtEnd;          // first section -> diagonal at the high end
    std::vector<std::pair<Crossover, int>> crossovers;
    std::vector<int> barLines;
    std::set<int> reversed; // places drawn with their low-id end on the right
};

// Stage one: every row read on its own.
void parseRows(ScreenPlan& plan, Layout& layout, std::string_view text, std::string_view source) {
    for (const DataRow& row : splitDataTable(text, source)) {
        const std::string& kind = row.fields[0];
        if (kind == "title") {
            needFields(source, row, 3, "title, column, text");
            plan.title = {column(source, row, 1), 1, rowText(row, 2)};
            needFits(source, row, plan.title.column, plan.title.text.size());
        } else if (kind == "panel") {
            needFields(source, row, 6, "panel, column, row, width, code, lines...");
            NavigationPanel panel{
                column(source, row, 1),
                screenRow(source, row, 2),
                width(source, row, 3),
                dataNumber(source, row, 4, "screen code", firstScreenLink, firstScreenLink + 4),
                {}};
            if (panel.code == firstScreenLink + plan.screen)
                failDataRow(source, row.line, "a panel leads to another screen");
            needFits(source, row, panel.column, static_cast<std::size_t>(panel.width));
            for (std::size_t i = 5; i < row.fields.size(); ++i) {
                panel.lines.push_back(row.fields[i]);
                needFits(source, row, panel.column, row.fields[i].size());
            }
            if (panel.row - 1 + static_cast<long long>(panel.lines.size()) > screenRows)
                failDataRow(source, row.line, "the panel runs past row 32");
            plan.panels.push_back(panel);
        } else if (kind == "label") {
            needFields(source, row, 4, "label, column, row, text");
            plan.labels.push_back({column(source, row, 1), screenRow(source, row, 2), rowText(row, 3)});
            needFits(source, row, plan.labels.back().column, plan.labels.back().text.size());
        } else if (kind == "bar") {
            needFields(source, row, 4, "bar, column, row, width");
            plan.bars.push_back({column(source, row, 1), screenRow(source, row, 2), width(source, row, 3)});
            layout.barLines.push_back(row.line);
            needFits(source, row, plan.bars.back().column, static_cast<std::size_t>(plan.bars.back().width));
        } else if (kind == "staff") {
            needFields(source, row, 3, "staff, column, row");
            plan.staff.push_back({column(source, row, 1), screenRow(source, row, 2), "Staff"});
            needFits(source, row, plan.staff.back().column, plan.staff.back().text.size());
        } else if (kind == "spot") {
            needFields(source, row, 8,
                       "spot, code, id, column, row, width, form, section [, section2] [, label]");
            PlaceSpot spot;
            spot.screen = plan.screen;
            spot.code = row.fields[1];
            spot.fileLine = row.line;
            spot.location = layoutPlaceField(row.fields[2], source, row.line, "place");
            spot.column = column(source, row, 3);
            spot.row = screenRow(source, row, 4);
            spot.width = width(source, row, 5);
            const auto form = std::find_if(std::begin(formNames), std::end(formNames),
                                           [&](const FormName& f) { return f.name == row.fields[6]; });
            if (form == std::end(formNames))
                failDataRow(source, row.line, "unknown form " + quoted(row.fields[6]));
            spot.form = form->form;
            spot.section = section(source, row, 7);
            std::size_t next = 8;
            if (row.fields.size() > next && allDigits(row.fields[next]))
                spot.section2 = section(source, row, next++);
            if (row.fields.size() > next && row.fields[next] != "rev") spot.label = row.fields[next++];
            if (row.fields.size() > next && row.fields[next] == "rev")
                layout.reversed.insert(spot.location), ++next;
            if (row.fields.size() > next) failDataRow(source, row.line, "too many fields");
            plan.spots.push_back(spot);
        } else if (kind == "node") {
            needFields(source, row, 4, "node, name, column, row");
            if (!layout.nodes
                     .emplace(row.fields[1],
                              std::pair{Point{dataNumber(source, row, 2, "column", 0, screenColumns),
                                              dataNumber(source, row, 3, "row", 1, bodyRows)},
                                        row.line})
                     .second)
                failDataRow(source, row.line, "junction " + quoted(row.fields[1]) + " is placed twice");
        } else if (kind == "via") {
            needFields(source, row, 3, "via, first section, column,row ...");
            std::vector<Point> points;
            for (std::size_t i = 2; i < row.fields.size(); ++i) points.push_back(parsePoint(source, row, i));
            layout.vias[dataNumber(source, row, 1, "section", 1, sectionCount)] = {points, row.line};
        } else if (kind == "bend") {
            needFields(source, row, 3, "bend, first section, start or end");
            if (row.fields[2] != "start" && row.fields[2] != "end")
                failDataRow(source, row.line, "a bend is at the start or the end");
            layout.bendAtEnd[dataNumber(source, row, 1, "section", 1, sectionCount)] = {
                row.fields[2] == "end", row.line};
        } else if (kind == "crossover") {
            needFields(source, row, 8,
                       "crossover, column, row, upper left, upper right, lower left, lower right, "
                       "rising|falling|both");
            Crossover x{dataNumber(source, row, 1, "column", 1, screenColumns - 1),
                        dataNumber(source, row, 2, "row", 1, bodyRows - 1),
                        section(source, row, 3),
                        section(source, row, 4),
                        section(source, row, 5),
                        section(source, row, 6),
                        row.fields[7] != "falling",
                        row.fields[7] != "rising"};
            layout.crossovers.emplace_back(x, row.line);
        } else {
            failDataRow(source, row.line, "unknown row kind " + quoted(kind));
        }
    }
}

// The cells of a stretch from a to b: straight along a's row and a diagonal to b's row, the diagonal next
// to a when `diagonalFirst`, else next to b. Cells come in order from a.
bool layStretch(Point a, Point b, bool diagonalFirst, std::vector<TrackCell>& cells) {
    const bool reversed = b.x < a.x;
    if (reversed) std::swap(a, b), diagonalFirst = !diagonalFirst;
    const int across = b.x - a.x;
    const int rise = a.row - b.row; // rows to climb, negative to fall
    const int diagonal = std::abs(rise);
    if (across < diagonal || (across == 0 && diagonal == 0 && !(a == b))) return false;
    std::vector<TrackCell> laid;
    int x = a.x;
    int row = a.row;
    auto straight = [&](int n) {
        for (int i = 0; i < n; ++i) laid.push_back({++x, row, CellShape::Straight, 0});
    };
    auto slope = [&]() {
        for (int i = 0; i < diagonal; ++i) {
            if (rise > 0) {
                laid.push_back({++x, row, CellShape::Rise, 0});
                --row;
            } else {
                ++row;
                laid.push_back({++x, row, CellShape::Fall, 0});
            }
        }
    };
    if (diagonalFirst)
        slope(), straight(across - diagonal);
    else
        straight(across - diagonal), slope();
    if (reversed) std::reverse(laid.begin(), laid.end());
    cells.insert(cells.end(), laid.begin(), laid.end());
    return true;
}

// Stage two: places and junctions resolved, and the track of every link with both ends on this screen.
void layTrack(ScreenPlan& plan, const Layout& layout, std::string_view source,
              const std::vector<TrackLink>& links) {
    std::map<int, const PlaceSpot*> placed; // the first spot of a location carries its track
    for (const PlaceSpot& spot : plan.spots) placed.emplace(spot.location, &spot);
    auto end = [&](const std::string& node, bool highEnd, Point& point) {
        if (isPlaceNode(node)) {
            const auto found = placed.find(std::stoi(node)); // links read it as a place id
            if (found != placed.end()) {
                const PlaceSpot& s = *found->second;
                if (layout.reversed.count(s.location)) highEnd = !highEnd;
                point = {highEnd ? s.column + s.width - 1 : s.column - 1, s.row};
                return true;
            }
            // A location the player never selects (a point on the running road) is placed like a junction.
        }
        const auto found = layout.nodes.find(node);
        if (found == layout.nodes.end()) return false;
        point = found->second.first;
        return true;
    };
    std::set<int> used, bent;
    for (const TrackLink& link : links) {
        Point from, to;
        if (!end(link.low, true, from) || !end(link.high, false, to)) continue;
        const int key = link.sections.empty() ? 0 : link.sections.front();
        std::vector<Point> path{from};
        int line = 0;
        if (const auto via = layout.vias.find(key); key != 0 && via != layout.vias.end()) {
            path.insert(path.end(), via->second.first.begin(), via->second.first.end());
            used.insert(key);
            line = via->second.second;
        }
        path.push_back(to);
        // A diagonal lies next to the junction it leaves, so points fan out from it.
        bool atEnd = isPlaceNode(link.low);
        if (const auto bend = layout.bendAtEnd.find(key); key != 0 && bend != layout.bendAtEnd.end()) {
            atEnd = bend->second.first, line = bend->second.second;
            bent.insert(key);
        }
        std::vector<TrackCell> cells;
        for (std::size_t i = 0; i + 1 < path.size(); ++i)
            if (!layStretch(path[i], path[i + 1], !atEnd, cells))
                failDataRow(source, line,
                            "the link " + link.low + "-" + link.high + " cannot run from " +
                                std::to_string(path[i].x) + "," + std::to_string(path[i].row) + " to " +
                                std::to_string(path[i + 1].x) + "," + std::to_string(path[i + 1].row));
        const std::size_t n = cells.size();
        const std::size_t k = link.sections.size();
        if (k > n)
            failDataRow(source, line,
                        "the link " + link.low + "-" + link.high + " has " + std::to_string(k) +
                            " sections but only " + std::to_string(n) + " cells");
        for (std::size_t i = 0; i < n; ++i) cells[i].section = k == 0 ? 0 : link.sections[i * k / n];
        plan.track.insert(plan.track.end(), cells.begin(), cells.end());
    }
    for (const auto& [key, via] : layout.vias)
        if (!used.count(key))
            failDataRow(source, via.second, "no link drawn here starts with section " + std::to_string(key));
    for (const auto& [key, bend] : layout.bendAtEnd)
        if (!bent.count(key))
            failDataRow(source, bend.second, "no link drawn here starts with section " + std::to_string(key));
    for (const auto& [x, line] : layout.crossovers) plan.crossovers.push_back(x);
}

// Junctions and sections named here are those of the topology.
void checkAgainstLinks(const ScreenPlan& plan, const Layout& layout, std::string_view source,
                       const std::vector<TrackLink>& links) {
    std::set<std::string, std::less<>> ends;
    for (const TrackLink& link : links) ends.insert(link.low), ends.insert(link.high);
    for (const auto& [name, node] : layout.nodes)
        if (!ends.contains(name))
            failDataRow(source, node.second,
                        "node " + quoted(name) + " is no end of a link of " + std::string(trackLinksFile));
    const std::set<int> carried = carriedSections(links);
    const auto needCarried = [&](int section, int line) {
        if (section != 0 && !carried.contains(section))
            failDataRow(source, line,
                        "section " + std::to_string(section) + " is carried by no link of " +
                            std::string(trackLinksFile));
    };
    for (const PlaceSpot& spot : plan.spots)
        needCarried(spot.section, spot.fileLine), needCarried(spot.section2, spot.fileLine);
    for (const auto& [x, line] : layout.crossovers)
        for (int section : {x.upperLeft, x.upperRight, x.lowerLeft, x.lowerRight}) needCarried(section, line);
}

// Stage three: the plan agrees with the click regions and its pieces do not collide.
void check(const ScreenPlan& plan, const Layout& layout, std::string_view source,
           const HotspotTable& hotspots) {
    for (const PlaceSpot& s : plan.spots) {
        if (s.column < 1 || s.row < 1 || s.width < 1 || s.column + s.width - 1 > 100 || s.row > bodyRows)
            failDataRow(source, s.fileLine, "the place lies outside the screen's body");
        if (s.section < 0 || s.section > sectionCount || s.section2 < 0 || s.section2 > sectionCount)
            failDataRow(source, s.fileLine, "a section is one of 1..520");
    }
    const std::string here = " of " + std::string(source);
    for (const Hotspot& h : hotspots.group(firstScreenGroup + plan.screen)) {
        if (h.code >= firstScreenLink) {
            const bool panel =
                std::any_of(plan.panels.begin(), plan.panels.end(), [&](const NavigationPanel& p) {
                    return p.column == h.left && p.row == h.top && p.column + p.width - 1 == h.right &&
                           p.row + static_cast<int>(p.lines.size()) - 1 == h.bottom && p.code == h.code;
                });
            if (!panel)
                failDataRow(hotspots.source(), h.fileLine,
                            "no panel" + here + " covers the link to screen code " + std::to_string(h.code));
            continue;
        }
        const bool spot = std::any_of(plan.spots.begin(), plan.spots.end(), [&](const PlaceSpot& s) {
            return s.location == h.code && s.column == h.left && s.row >= h.top && s.row <= h.bottom;
        });
        if (!spot)
            failDataRow(hotspots.source(), h.fileLine,
                        "place " + std::to_string(h.code) + " is not drawn at its click cell " +
                            std::to_string(h.left) + "," + std::to_string(h.top) + here);
    }
    // A bar is painted before the places and labels: under one it would be hidden, over a label it hides it.
    auto overlaps = [](const HighlightBar& bar, int column, int row, int width) {
        return bar.row == row && bar.column <= column + width - 1 && column <= bar.column + bar.width - 1;
    };
    for (std::size_t i = 0; i < plan.bars.size(); ++i) {
        const HighlightBar& bar = plan.bars[i];
        const std::string at = std::to_string(bar.column) + "," + std::to_string(bar.row);
        for (const PlaceSpot& s : plan.spots)
            if (overlaps(bar, s.column, s.row, s.width))
                failDataRow(source, layout.barLines[i],
                            "the bar at " + at + " lies under place " + std::to_string(s.location));
        for (const ScreenText& label : plan.labels)
            if (overlaps(bar, label.column, label.row, static_cast<int>(label.text.size())))
                failDataRow(source, layout.barLines[i],
                            "the bar at " + at + " covers the label " + quoted(label.text));
    }
    // A place's line and text are drawn over the track: track there would be lost under them.
    for (const TrackCell& cell : plan.track)
        for (const PlaceSpot& s : plan.spots)
            if (cell.row == s.row && cell.column >= s.column && cell.column <= s.column + s.width - 1)
                failDataRow(source, s.fileLine,
                            "track of section " + std::to_string(cell.section) + " runs under place " +
                                std::to_string(s.location) + " at " + std::to_string(cell.column) + "," +
                                std::to_string(cell.row));
    // Every end of a stretch lies within the body, so no cell can leave it; kept against a change of that.
    for (const TrackCell& cell : plan.track)
        if (cell.column < 1 || cell.column > 100 || cell.row < 1 || cell.row > bodyRows)
            throw DataFileError(std::string(source) + ": track of section " + std::to_string(cell.section) +
                                " runs off the screen's body");
}

// The codes written beside the ids, for reading, are the places' own.
void checkWrittenCodes(const ScreenPlan& plan, std::string_view source) {
    for (const PlaceSpot& spot : plan.spots) {
        const std::string_view code = writtenCode(needLayoutPlace(spot.location, source, spot.fileLine));
        if (spot.code != code)
            failDataRow(source, spot.fileLine,
                        "place " + std::to_string(spot.location) + " is " + quoted(code) + ", not " +
                            quoted(spot.code));
    }
}

} // namespace

ScreenPlan parseScreenPlan(int screen, std::string_view text, std::string_view source,
                           const std::vector<TrackLink>& links, const HotspotTable& hotspots) {
    ScreenPlan plan;
    plan.screen = screen;
    Layout layout;
    parseRows(plan, layout, text, source);
    checkAgainstLinks(plan, layout, source, links);
    layTrack(plan, layout, source, links);
    check(plan, layout, source, hotspots);
    return plan;
}

const std::array<ScreenPlan, 5>& standardScreenPlans() {
    static DataTableCache<std::array<ScreenPlan, 5>> plans;
    return plans.get({"track/screen0.txt", "track/screen1.txt", "track/screen2.txt", "track/screen3.txt",
                      "track/screen4.txt", trackLinksFile, "track/hotspots.txt"},
                     [](const std::vector<std::string>& texts) {
                         const std::vector<TrackLink>& links = standardTrackLinks();
                         std::array<ScreenPlan, 5> made;
                         for (int screen = 0; screen < 5; ++screen) {
                             const std::string name = "track/screen" + std::to_string(screen) + ".txt";
                             ScreenPlan& plan = made[static_cast<std::size_t>(screen)];
                             plan = parseScreenPlan(screen, texts[static_cast<std::size_t>(screen)], name,
                                                    links, BuildHotspots());
                             checkWrittenCodes(plan, name);
                         }
                         return made;
                     });
}

} // namespace wm
