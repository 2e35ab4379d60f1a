#include "display/board_text.h"

#include <cstdio>
#include <cstdlib>

#include "console/time_format.h"
#include "display/text_tables.h"
#include "world/game_state.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
constexpr int exactWithin = 30;
constexpr int fiveMinutesWithin = 60;

bool realDeparture(const GameState& s, DepartureIndex d) {
    return isDeparture(s, d) && !isPseudoDeparture(s.departures[d]);
}

std::string lateWords(int late) {
    return late > 0 ? " late" : " early";
}

// No departure takes the train on and it carries nothing to be worked: its coaches go to the sidings.
bool emptyStockForSidings(const GameState& s, PortionIndex first) {
    if (!isPortion(s, first)) return true;
    const Portion& p = s.portions[first];
    if (isDeparture(s, p.departure)) return false;
    return !isTraffic(s, p.traffic) || s.traffic[p.traffic].trafficType == trafficEmptyStock;
}
} // namespace

std::string padded(std::string text, int width) {
    if (width > static_cast<int>(text.size())) text.resize(static_cast<std::size_t>(width), ' ');
    return text;
}

int coarseLateness(int late, int expected, int clock) {
    if (expected > clock + fiveMinutesWithin) return (late + 5) / 10 * 10;
    if (expected > clock + exactWithin) return (late + 3) / 5 * 5;
    return late;
}

std::string panelLateness(int late, int expected, int clock) {
    const int shown = coarseLateness(late, expected, clock);
    if (shown == 0) return " On time ";
    return std::to_string(std::abs(shown)) + lateWords(shown);
}

std::string listLateness(int late, int expected, int clock) {
    const int shown = coarseLateness(late, expected, clock);
    if (shown == 0) return " On time  ";
    char number[16];
    std::snprintf(number, sizeof number, "%3d", std::abs(shown));
    return number + std::string(shown > 0 ? " late  " : " early ");
}

DepartureIndex singleDepartureOf(const GameState& s, ArrivalIndex arrival) {
    if (!isArrival(s, arrival)) return 0;
    const DepartureIndex through = throughDeparture(s, arrival);
    if (realDeparture(s, through)) return through;
    const PortionIndex first = s.arrivals[arrival].firstPortion;
    if (!isPortion(s, first)) return 0;
    const DepartureIndex d = s.portions[first].departure;
    if (!realDeparture(s, d)) return 0;
    for (PortionIndex p = first; isPortion(s, p); p = s.portions[p].next)
        if (s.portions[p].departure != d) return 0;
    return d;
}

std::string departureHeadline(const GameState& s, DepartureIndex departure) {
    const Departure& d = s.departures[departure];
    return FormatTime(d.time) + " " + d.destination.str() + "-" + typeLetter(d.trainType);
}

std::string arrivalBecomes(const GameState& s, ArrivalIndex arrival) {
    const Arrival& a = s.arrivals[arrival];
    if (isLightEngine(a.trainType) && departureFormedBy(s, arrival) == 0) return "Light engine";
    const PortionIndex first = a.firstPortion;
    const int portions = rakeLength(s, first);
    const DepartureIndex whole = singleDepartureOf(s, arrival);
    if (whole != 0 && s.departures[whole].portionCount <= portions)
        return "Forms " + departureHeadline(s, whole);
    if (emptyStockForSidings(s, first)) return "ECS to carriage sidings";
    if (portions == 1) {
        const Portion& p = s.portions[first];
        if (realDeparture(s, p.departure)) return "Forms part of " + departureHeadline(s, p.departure);
        if (isTraffic(s, p.traffic)) return std::string(trafficTypeName(s.traffic[p.traffic].trafficType));
    }
    return "Multiple portions";
}

std::string arrivalNext(const GameState& s, ArrivalIndex arrival) {
    const Arrival& a = s.arrivals[arrival];
    if (isLightEngine(a.trainType) && departureFormedBy(s, arrival) == 0) return "Light engine";
    const PortionIndex first = a.firstPortion;
    const bool carriesTraffic = isPortion(s, first) && isTraffic(s, s.portions[first].traffic);
    if (departureFormedBy(s, arrival) == 0 && !carriesTraffic) return "Next: Empty stock";
    const DepartureIndex whole = singleDepartureOf(s, arrival);
    if (whole == 0) return "Next: Multiple portions";
    return "Next: " + departureHeadline(s, whole);
}

} // namespace wm
