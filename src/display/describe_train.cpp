#include "display/describe_train.h"

#include "world/line_tables.h"

#include "console/palette.h"
#include "console/time_format.h"
#include "display/text_tables.h"
#include "rules/departure_readiness.h"
#include "rules/traffic_places.h"
#include "world/game_state.h"
#include "world/group_names.h"
#include "world/rakes.h"
#include "world/reference_tables.h"
#include "world/ticks.h"

namespace wm {

namespace {

constexpr int wagonShopGroup = 18;
constexpr int fastFreightType = 9; // its stock is high priority while no train takes it

bool validDeparture(const GameState& state, int d) {
    return d >= 1 && d <= state.departureCount;
}

// The departure an arrival forms: the one it runs on as, else that of its first portion or of the last
// portion of its rake.
DepartureIndex formedBy(const GameState& state, ArrivalIndex arrival) {
    if (arrival < 1 || arrival > state.arrivalCount) return 0;
    const DepartureIndex through = throughDeparture(state, arrival);
    if (validDeparture(state, through)) return through;
    const PortionIndex head = state.arrivals[arrival].firstPortion;
    if (head < 1 || head > state.portionCount) return 0;
    if (validDeparture(state, state.portions[head].departure)) return state.portions[head].departure;
    const PortionIndex tail = rakeTail(state, head);
    return validDeparture(state, state.portions[tail].departure) ? state.portions[tail].departure : 0;
}

std::string minutesText(int minutes) {
    return std::to_string(minutes) + " minute" + (minutes > 1 ? "s" : "");
}

std::string viaText(const Departure& d) {
    return isMainLine(d.line) ? " via " + std::string(routeCode(d.line)) : "";
}

bool partOf(const Departure& d) {
    return d.portionCount > 1 && d.state < departureFormed;
}

void addTypeAndPilot(ColouredText& out, const Departure& d) {
    out += std::string(" (") + typeLetter(d.trainType) + ")";
    if (d.loco2 != 0 && d.loco2 != noEngine)
        out.add("P", palette::Violet);
    else
        out += " ";
}

} // namespace

std::string PriorityTrafficText(const Departure& d) {
    return std::string(d.trainType == fastFreightType ? "high " : "low ") + "priority traffic";
}

DepartureIndex lastOfChain(const GameState& state, DepartureIndex departure) {
    if (!validDeparture(state, departure)) return departure;
    DepartureIndex d = departure;
    for (int step = 0; step < state.departureCount; ++step) {
        const Departure& dep = state.departures[d];
        if (!isLocalLine(dep.line)) break;
        const DepartureIndex f = formedBy(state, dep.returnArrival);
        if (!validDeparture(state, f) || f == d) break;
        if (departureRunsDown(state.departures[f]) != departureRunsDown(dep)) break;
        d = f;
    }
    return d;
}

std::string DescribeTraffic(const GameState& state, TrafficIndex traffic, LocationId selected) {
    if (traffic < 1 || traffic > state.trafficCount) return {};
    const Traffic& t = state.traffic[traffic];
    std::string out(trafficTypeName(t.trafficType));
    if (t.trafficType == 0) return out;
    if (t.readyAt < 1) {
        const bool here =
            selected >= 1 && selected <= placeCount && state.locations[selected].group == t.route;
        return out + " en route to " + (here ? std::string("siding") : groupName(t.route));
    }
    out += t.trafficType == trafficWagonsForRepair && t.route == wagonShopGroup ? " under repair"
                                                                                : " unloading/loading";
    if (trafficWorkedNow(state, traffic) && t.readyAt < ticksPerMinute * (state.shiftEnd - state.clock))
        out += ", ready in " + minutesText(wholeMinutes(t.readyAt));
    return out;
}

std::string DescribePortion(const GameState& state, PortionIndex portion) {
    if (portion < 1 || portion > state.portionCount) return {};
    const Portion& p = state.portions[portion];
    std::string out;
    const bool hasDeparture = validDeparture(state, p.departure);
    if (p.portionState < portionStanding && p.traffic >= 1 && p.traffic <= state.trafficCount) {
        const Traffic& t = state.traffic[p.traffic];
        out = std::string(trafficTypeName(t.trafficType));
        const int here = p.location >= 1 && p.location <= placeCount ? state.locations[p.location].group : 0;
        if (t.route != here) out += " to " + groupName(t.route);
        if (!hasDeparture) return out + ", not ready today";
        out += ", becoming ";
    }
    if (!hasDeparture) return out.empty() ? std::string(trafficTypeName(0)) : out;
    const Departure& d = state.departures[p.departure];
    if (isPseudoDeparture(d)) return out + PriorityTrafficText(d) + " to " + d.destination.str();
    if (partOf(d)) out += "part of ";
    const Departure& last = state.departures[lastOfChain(state, p.departure)];
    out += FormatTime(d.time) + " " + groupName(d.group) + " to " + last.destination.str() + viaText(d) +
           " (" + typeLetter(d.trainType) + ") ";
    return out;
}

std::string DescribeMultiPortion(const GameState& state, PortionIndex portion) {
    std::string out = DescribePortion(state, portion);
    const int count = rakeLength(state, portion);
    if (count == 2) return out + " : " + DescribePortion(state, state.portions[portion].next);
    if (count > 2)
        return out + ":(" + std::to_string(count - 1) +
               "):" + DescribePortion(state, rakeTail(state, portion));
    return out;
}

ColouredText DescribeDeparture(const GameState& state, DepartureIndex departure) {
    ColouredText out;
    if (!validDeparture(state, departure)) return out;
    const Departure& d = state.departures[departure];
    if (isPseudoDeparture(d)) {
        out += PriorityTrafficText(d);
        return out;
    }
    if (partOf(d)) out += "Part of ";
    out += FormatTime(d.time) + " from " + groupName(d.group) + " to " + d.destination.str();
    addTypeAndPilot(out, d);
    out += viaText(d);
    if (!d.trainName.empty()) out.add(" " + d.trainName.str() + " ", palette::DarkRed, palette::White);
    return out;
}

ColouredText DescribeTrain(const GameState& state, DepartureIndex departure) {
    if (!validDeparture(state, departure)) return {};
    const DepartureIndex lastIndex = lastOfChain(state, departure);
    if (lastIndex == departure) return DescribeDeparture(state, departure);
    const Departure& d = state.departures[departure];
    const Departure& last = state.departures[lastIndex];
    ColouredText out;
    out += FormatTime(d.time) + " from " + groupName(d.group) + " to " + last.destination.str();
    addTypeAndPilot(out, d);
    out += viaText(d);
    if (!(last.destination == d.destination)) out += " - next stop " + d.destination.str();
    return out;
}

} // namespace wm
