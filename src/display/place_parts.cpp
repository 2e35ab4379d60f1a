#include "display/place_parts.h"

#include "console/palette.h"
#include "console/time_format.h"
#include "display/departure_colour.h"
#include "display/text_tables.h"
#include "rules/departure_readiness.h"
#include "rules/traffic_places.h"
#include "world/game_state.h"
#include "world/loco_places.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"
#include "world/ticks.h"

namespace wm {

namespace {

constexpr std::size_t low = lowEnd;
constexpr std::size_t high = highEnd;

// A departure's portions want their engine when it is nearly due: trains up to light engines within 5
// minutes, freight within an hour.
constexpr int portionDueTrain = 6;
constexpr int portionDueFreight = 61;

bool validTraffic(const GameState& state, int traffic) {
    return traffic >= 1 && traffic <= state.trafficCount;
}

// Where the occupant wants an engine, and how the mark is shown.
struct Wanted {
    int end = -1; // lowEnd / highEnd; -1 none
    char glyph = glyphEmptyPlace;
    Colour colour{};
};

Wanted engineWanted(const GameState& state, LocationId place) {
    const Location& l = state.locations[place];
    bool down = false;
    Colour colour = palette::Red;
    if (l.occState == occArrival && isArrival(state, l.occupant)) {
        const Arrival& a = state.arrivals[l.occupant];
        const DepartureIndex runsOn = throughDeparture(state, l.occupant);
        down = isDeparture(state, runsOn) ? departureRunsDown(state.departures[runsOn]) : arrivalRunsDown(a);
        colour = l.group == a.group ? palette::Red : palette::Green;
    } else if ((l.occState == occDeparture || l.occState == occReversingDeparture) &&
               isDeparture(state, l.occupant)) {
        down = departureRunsDown(state.departures[l.occupant]);
        colour = bookedEngineReady(state, l.occupant) ? palette::Green : palette::Red;
    } else if (l.occState == occStock && isPortion(state, l.occupant)) {
        const Portion& p = state.portions[l.occupant];
        if (p.portionState != portionStanding && p.portionState != portionInFormed) return {};
        if (!isDeparture(state, p.departure)) return {};
        const Departure& d = state.departures[p.departure];
        if (isPseudoDeparture(d)) return {};
        down = departureRunsDown(d);
        const int limit = !isTrafficTrain(d.trainType) ? portionDueTrain : portionDueFreight;
        colour = d.time < state.clock + limit ? palette::Green : palette::Red;
    } else {
        return {};
    }
    const int end = down ? lowEnd : highEnd;
    if (l.endFlag[static_cast<std::size_t>(end)] != 0) return {};
    // A train running down is worked by an engine facing 1, one running up by an engine facing 0.
    return {end, engineGlyph(down ? 1 : 0), colour};
}

std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string threeDigits(int value) {
    std::string digits = std::to_string(value);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), ' ');
    return digits.substr(digits.size() - 3);
}

// The departure's time between the brackets that show at which ends an engine is coupled to it.
std::string bracketedTime(const Location& l, int time) {
    return std::string(l.endFlag[low] != 0 ? "(" : " ") + FormatTime(time) +
           (l.endFlag[high] != 0 ? ")" : " ");
}

bool callsHere(const GameState& state, LocationId place, ArrivalIndex arrival) {
    const Arrival& a = state.arrivals[arrival];
    if (state.locations[place].group != a.group) return false;
    const DepartureIndex runsOn = throughDeparture(state, arrival);
    return isDeparture(state, runsOn) && state.departures[runsOn].time == a.time;
}

OccupantText arrivalText(const GameState& state, LocationId place, ArrivalIndex arrival) {
    const Location& l = state.locations[place];
    const Arrival& a = state.arrivals[arrival];
    const bool calling = callsHere(state, place, arrival);
    OccupantText out;
    out.text = (calling ? "(" : " ") + FormatTime(a.time) + (calling ? ")" : " ");
    if (l.busyTicks == 0) {
        out.colour = a.trainType > 6 ? palette::Yellow : palette::Red;
    } else {
        const bool closing =
            isPassengerTrain(a.trainType) && l.busyTicks <= 2 && (l.group == a.group || calling);
        out.colour = closing ? palette::Magenta : palette::Silver;
    }
    return out;
}

OccupantText portionText(const GameState& state, const PlaceView& view, LocationId place,
                         PortionIndex portion) {
    const Location& l = state.locations[place];
    const Portion& p = state.portions[portion];
    OccupantText out;
    out.colour = palette::Silver;
    if ((p.portionState == portionStanding || p.portionState == portionInFormed) &&
        isDeparture(state, p.departure)) {
        const Departure& d = state.departures[p.departure];
        if (isPseudoDeparture(d))
            out.text = padded(std::string(isFullyFitted(d.trainType) ? "H" : "L") + " via" +
                                  std::string(routeCode(d.line)),
                              7);
        else
            out.text = bracketedTime(l, d.time);
        out.colour = departureTimeColour(state, p.departure, place);
        return out;
    }
    const bool carries = validTraffic(state, p.traffic);
    if (carries && (p.portionState == portionBeingWorked || p.portionState == portionDetached)) {
        const Traffic& t = state.traffic[p.traffic];
        out.text = std::string(trafficShort(t.trafficType)) +
                   (t.readyAt > 0 ? threeDigits(wholeMinutes(t.readyAt)) : "   ");
        // A block where it cannot be worked blinks once a minute.
        if (view.tickPhase == 3 && !placeAccepts(state, p.traffic, place)) out.colour = palette::Yellow;
        return out;
    }
    out.text = "  bit  ";
    return out;
}

OccupantText trafficText(const GameState& state, TrafficIndex traffic) {
    const Traffic& t = state.traffic[traffic];
    OccupantText out;
    out.colour = palette::Silver;
    out.text = std::string(trafficShort(t.trafficType));
    if (t.readyAt > 0) {
        out.text += threeDigits(wholeMinutes(t.readyAt));
        out.splitColour = true;
        out.figures = palette::Green;
    } else {
        out.text += "   ";
    }
    return out;
}

} // namespace

bool isEngine(const GameState& state, int engine) {
    return engine >= 1 && engine != noEngine && engine <= state.locoCount;
}

bool engineBeingWorked(const GameState& state, int engine) {
    if (!isEngine(state, engine)) return false;
    const Loco& loco = state.locos[engine];
    if (loco.watering != 0 && loco.workTime > 0) return true;
    if (loco.condition == conditionNeedsServicing) return true;
    return loco.condition == conditionNeedsCoal && loco.workTime > 0;
}

std::array<PlaceCell, 5> enginePlaceCells(const GameState& state, LocationId place) {
    const Location& l = state.locations[place];
    auto engineAt = [&](int k) { return l.locoAt[static_cast<std::size_t>(k)]; };
    std::array<PlaceCell, 5> cells{};
    for (int k = 1; k <= 4; ++k) {
        cells[k] = {glyphEmptyPlace, palette::Black};
        if (isEngine(state, engineAt(k)))
            cells[k] = {engineGlyph(state.locos[engineAt(k)].facing), palette::Cyan};
    }
    if (l.occState == occStock || l.occState == occTraffic)
        for (int k : {innerPlace(lowEnd), innerPlace(highEnd)})
            if (!isEngine(state, engineAt(k))) cells[k].colour = palette::Yellow;

    const Wanted wanted = engineWanted(state, place);
    if (wanted.end >= 0) {
        const int inner = innerPlace(wanted.end);
        const int outer = outerPlace(wanted.end);
        Colour colour = wanted.colour;
        if (colour == palette::Green && isEngine(state, engineAt(inner)) &&
            state.locos[engineAt(inner)].condition != conditionAvailable)
            colour = palette::Red;
        cells[inner] = {wanted.glyph, colour};
        if (isEngine(state, engineAt(outer))) cells[outer] = cells[inner];
    }
    for (int end : {lowEnd, highEnd}) {
        const int inner = innerPlace(end);
        if (l.endFlag[static_cast<std::size_t>(end)] != 0 && isEngine(state, engineAt(inner)) &&
            cells[inner].colour == palette::Cyan)
            cells[inner].colour = palette::Red;
    }
    for (int k = 1; k <= 4; ++k)
        if (engineBeingWorked(state, engineAt(k))) cells[k].colour = palette::Magenta;
    for (int end : {lowEnd, highEnd}) {
        const auto e = static_cast<std::size_t>(end);
        if (l.couplingTicks[e] > 0 || l.enginePairTicks[e] > 0) {
            cells[innerPlace(end)].colour = palette::Magenta;
            cells[outerPlace(end)].colour = palette::Magenta;
        }
    }
    return cells;
}

std::array<PlaceCell, 4> couplingMarks(const GameState& state, LocationId place) {
    const Location& l = state.locations[place];
    auto engineAt = [&](int k) { return isEngine(state, l.locoAt[static_cast<std::size_t>(k)]); };
    auto colourAt = [&](std::size_t end) {
        return l.couplingTicks[end] > 0 || l.enginePairTicks[end] > 0 ? palette::Magenta : palette::Silver;
    };
    auto mark = [](bool coupled) { return coupled ? '+' : ' '; };
    return {{
        {mark(engineAt(1) && engineAt(2) && l.enginePairFlag[low] != 0), colourAt(low)},
        {mark(l.endFlag[low] != 0), colourAt(low)},
        {mark(l.endFlag[high] != 0), colourAt(high)},
        {mark(engineAt(3) && engineAt(4) && l.enginePairFlag[high] != 0), colourAt(high)},
    }};
}

OccupantText occupantText(const GameState& state, const PlaceView& view, LocationId place, OccState occState,
                          int occupant) {
    OccupantText out;
    out.colour = palette::Silver;
    switch (occState) {
    case occEmpty:
        out.text = std::string(7, ' ');
        out.trackLine = true;
        return out;
    case occArrival:
        if (!isArrival(state, occupant)) break;
        return arrivalText(state, place, occupant);
    case occDeparture:
    case occReversingDeparture:
        if (!isDeparture(state, occupant)) break;
        out.text = bracketedTime(state.locations[place], state.departures[occupant].time);
        out.colour = departureTimeColour(state, occupant, place);
        return out;
    case occStock:
        if (!isPortion(state, occupant)) break;
        return portionText(state, view, place, occupant);
    case occTraffic:
        if (!validTraffic(state, occupant)) break;
        return trafficText(state, occupant);
    case occComingIn:
    case occEngineComingIn:
        out.text = "coming ";
        out.colour = palette::HighlightText;
        return out;
    case occPassingThrough:
        out.text = "through";
        out.colour = palette::HighlightText;
        return out;
    case occLeavingLight:
    case occChangingEnds:
        out.text = "moving ";
        return out;
    default:
        break;
    }
    out.text = "oddity ";
    out.colour = palette::Silver;
    return out;
}

} // namespace wm
