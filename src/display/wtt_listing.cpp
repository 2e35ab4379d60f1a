#include "display/wtt_listing.h"

#include <algorithm>

#include "console/time_format.h"
#include "display/describe_train.h"
#include "world/game_state.h"
#include "world/group_names.h"
#include "world/rakes.h"
#include "world/reference_tables.h"

namespace wm {

namespace {

// The main running lines, in the order the listing takes them, and the groups where trains are formed.
constexpr int listedLines[] = {1, 2, 3, 7, 8, 20, 21, 22, 23};
constexpr int listedGroups[] = {9, 11, 14, 15, 16, 17};

// Trains booked up to half an hour past the end of the shift are still listed.
constexpr int listedPastShiftEnd = 30;

constexpr std::string_view arrivalsHeading = "Time  From         At             Type               Becomes  ";
constexpr std::string_view departuresHeading =
    "Time  To          Type               Loco            Formed from";

// Where the columns of a continuation line start.
constexpr int furtherPortionIndent = 49;
constexpr int becomingIndent = 60;
constexpr int pilotIndent = 31;
constexpr int formedFromIndent = 53;

std::string blanks(int count) {
    return std::string(static_cast<std::size_t>(std::clamp(count, 0, 60)), ' ');
}

std::string filled(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) out.append(width - out.size(), ' ');
    return out;
}

std::string cut(std::string text, std::size_t width) {
    if (text.size() > width) text.resize(width);
    return text;
}

// The listing name of a train type: 13 characters with its trailing blanks.
std::string typeColumn(int trainType) {
    return filled(trainTypeName(trainType), 13);
}

bool validArrival(const GameState& s, ArrivalIndex a) {
    return a >= 1 && a <= s.arrivalCount;
}
bool validDeparture(const GameState& s, DepartureIndex d) {
    return d >= 1 && d <= s.departureCount;
}
bool validPortion(const GameState& s, PortionIndex p) {
    return p >= 1 && p <= s.portionCount;
}
bool validTraffic(const GameState& s, TrafficIndex t) {
    return t >= 1 && t <= s.trafficCount;
}

std::string destinationOfChain(const GameState& s, DepartureIndex d) {
    return s.departures[lastOfChain(s, d)].destination.str();
}

// "LM 5   SH 45123 ": class, home shed and running number in their fixed widths.
std::string engineColumns(const GameState& s, LocoIndex engine) {
    if (!isRealEngine(engine) || engine > s.locoCount) return blanks(16);
    const Loco& loco = s.locos[engine];
    return filled(locoClass(loco.classIndex).name, 5) + " " + filled(loco.shed.view(), 3) + " " +
           filled(loco.number.view(), 5) + " ";
}

bool listedTime(const GameState& s, int time) {
    return time < s.shiftEnd + listedPastShiftEnd;
}

// What one portion of an arriving train becomes; may run onto a second line.
std::string becomingText(const GameState& s, PortionIndex portion) {
    std::string out = "    ";
    const Portion& p = s.portions[portion];
    const bool hasDeparture = validDeparture(s, p.departure);
    if (validTraffic(s, p.traffic)) {
        const int type = s.traffic[p.traffic].trafficType;
        out += trafficTypeName(type);
        if (type == trafficEmptyStock || type == trafficBallast)
            out += " for stabling";
        else if (type != trafficWagonsForRepair)
            out += " for loading/unloading";
        if (!hasDeparture) return out;
        out += "\n" + blanks(becomingIndent) + "becoming ";
    } else if (!hasDeparture) {
        return out;
    }
    const Departure& d = s.departures[p.departure];
    // Stock for the yards goes on no booked train: its departure has no time to show.
    if (isPseudoDeparture(d)) return out + PriorityTrafficText(d) + " to " + d.destination.str();
    if (d.portionCount > 1) out += "part of ";
    return out + FormatTime(d.time) + " " + destinationOfChain(s, p.departure);
}

std::string becomesColumn(const GameState& s, const Arrival& a) {
    const PortionIndex head = a.firstPortion;
    const Portion& first = s.portions[validPortion(s, head) ? head : 0];
    if (!validDeparture(s, first.departure) && !validTraffic(s, first.traffic))
        return "     Empty stock to sidings";
    std::string out;
    for (PortionIndex p = head; validPortion(s, p); p = s.portions[p].next) {
        if (p != head) out += "\n" + blanks(furtherPortionIndent);
        out += becomingText(s, p);
    }
    return out;
}

// The arrival goes forward as a train of its own, rather than only bringing stock and traffic for others:
// its first vehicles carry no traffic to be worked and leave on a booked train.
bool formsATrain(const GameState& s, ArrivalIndex arrival) {
    const DepartureIndex d = departureFormedBy(s, arrival);
    if (!validDeparture(s, d) || isPseudoDeparture(s.departures[d])) return false;
    const PortionIndex first = s.arrivals[arrival].firstPortion;
    return !validPortion(s, first) || !validTraffic(s, s.portions[first].traffic);
}

// Where one portion of a departure comes from.
std::string portionSource(const GameState& s, const Departure& d, PortionIndex portion) {
    const Portion& p = s.portions[portion];
    const bool carriesTraffic = validTraffic(s, p.traffic);
    if (validArrival(s, p.arrival) && formsATrain(s, p.arrival)) {
        const Arrival& a = s.arrivals[p.arrival];
        return FormatTime(a.time) + " from " + a.origin.str();
    }
    if (p.portionState == portionBeingWorked && carriesTraffic) {
        const Traffic& t = s.traffic[p.traffic];
        return std::string(trafficTypeName(t.trafficType)) + " at " + groupName(t.route);
    }
    if (validArrival(s, p.arrival)) {
        const Arrival& a = s.arrivals[p.arrival];
        std::string out;
        if (carriesTraffic) out = std::string(trafficTypeName(s.traffic[p.traffic].trafficType)) + ", ";
        return out + "off " + FormatTime(a.time) + " from " + a.origin.str();
    }
    return d.trainType > 7 ? "Overnight traffic" : "Empty stock";
}

std::string formedFromColumn(const GameState& s, DepartureIndex departure) {
    const Departure& d = s.departures[departure];
    if (const ArrivalIndex a = throughArrival(s, departure); validArrival(s, a))
        return FormatTime(s.arrivals[a].time) + " " + s.arrivals[a].origin.str() + blanks(6);
    std::string out;
    for (PortionIndex p = d.firstPortion; validPortion(s, p); p = s.portions[p].depNext) {
        if (p != d.firstPortion) out += "\n" + blanks(formedFromIndent);
        out += portionSource(s, d, p);
    }
    return out;
}

// The first pending arrival of the line: the earlier of its passenger and freight queues.
ArrivalIndex firstPending(const Line& line) {
    if (line.nextPassenger == 0) return line.nextFreight;
    if (line.nextFreight == 0) return line.nextPassenger;
    return std::min(line.nextPassenger, line.nextFreight);
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

} // namespace

std::vector<std::string> WttArrivalsSection(const GameState& s, int line) {
    if (line < 1 || line > lineCapacity) return {};
    const Line& l = s.lines[line];
    const std::string from = groupName(line);
    if (l.nextPassenger == 0 && l.nextFreight == 0) return {"No arrivals from " + from, ""};
    std::string text;
    bool headed = false;
    for (ArrivalIndex i = firstPending(l); i >= 1 && i <= l.lastArrival && i <= s.arrivalCount; ++i) {
        const Arrival& a = s.arrivals[i];
        if (a.line != line || a.time == 0 || !listedTime(s, a.time)) continue;
        if (!headed) {
            text += "Arrivals from " + from + "\n" + std::string(arrivalsHeading) + "\n";
            headed = true;
        }
        text +=
            FormatTime(a.time) + " " + filled(a.origin.view(), 13) + filled(cut(groupName(a.group), 13), 15);
        if (isLightEngine(a.trainType))
            text += isRealEngine(a.loco) ? "Light engine  " : typeColumn(a.trainType);
        else
            text += typeColumn(a.trainType) + "  " + becomesColumn(s, a);
        text += "\n";
    }
    text += "\n";
    return splitLines(text);
}

std::vector<std::string> WttDeparturesSection(const GameState& s, int group) {
    std::string text;
    bool headed = false;
    for (DepartureIndex i = 1; i <= s.departureCount; ++i) {
        const Departure& d = s.departures[i];
        if (d.state == departureGone || !listedTime(s, d.time) || d.group != group || isPilotDuty(d))
            continue;
        if (!headed) {
            text += "Departures from " + groupName(group) + "\n" + std::string(departuresHeading) + "\n";
            headed = true;
        }
        text += FormatTime(d.time) + " " + filled(destinationOfChain(s, i), 12);
        text += isLightEngine(d.trainType) ? "Light engine " : typeColumn(d.trainType);
        text += blanks(4) + "  " + engineColumns(s, d.loco);
        if (isRealEngine(d.loco2)) text += "\n" + blanks(pilotIndent) + "Pilot " + engineColumns(s, d.loco2);
        text += formedFromColumn(s, i) + "\n";
    }
    if (headed) text += "\n\n";
    return splitLines(text);
}

std::vector<std::string> WttListing(const GameState& s, std::string_view fileName) {
    std::vector<std::string> lines;
    lines.push_back("Working Timetable for Wendmoor, Summer " + s.dayName + " 1958");
    const int level = s.difficulty / 5;
    lines.push_back("Difficulty level" + std::string(level < 10 ? " " : "") + std::to_string(level) +
                    "  Saved as file " + std::string(fileName));
    const auto append = [&lines](const std::vector<std::string>& section) {
        lines.insert(lines.end(), section.begin(), section.end());
    };
    for (int line : listedLines) append(WttArrivalsSection(s, line));
    for (int group : listedGroups) append(WttDeparturesSection(s, group));
    return lines;
}

} // namespace wm
