#include "display/status_code.h"

#include "console/console.h"
#include "display/place_parts.h"
#include "world/game_state.h"
#include "world/line_tables.h"
#include "world/loco_places.h"
#include "world/rakes.h"
#include "world/record_checks.h"

#include <algorithm>

namespace wm {

namespace {

constexpr int passengerBelow = 5; // train types 0..4 are passenger trains

bool sectionBusy(const GameState& state, int section) {
    return section >= 1 && section <= sectionCount &&
           state.sectionTimer[static_cast<std::size_t>(section)] > 0;
}

// A passenger train coming in that runs on as a departure booked to another engine.
bool needsEngineChange(const GameState& state, LocationId place) {
    const Location& berth = state.locations[place + secondBerthOffset];
    if (berth.occState != occArrival || berth.occupant < 1 || berth.occupant > state.arrivalCount)
        return false;
    const Arrival& a = state.arrivals[berth.occupant];
    if (a.trainType >= passengerBelow) return false;
    const DepartureIndex runsOn = throughDeparture(state, berth.occupant);
    return runsOn >= 1 && runsOn <= state.departureCount && state.departures[runsOn].loco != a.loco;
}

bool allPlacesFilled(const GameState& state, const Location& l) {
    const int slots = std::max(1, std::min(4, l.locoSlots));
    for (int k = 1; k <= slots; ++k)
        if (!isEngine(state, l.locoAt[static_cast<std::size_t>(k)])) return false;
    return true;
}

Colour statusColour(const GameState& state, LocationId place, int sectionA, int sectionB) {
    const Location& l = state.locations[place];
    const bool trainPlace = l.kind == kindPlatform || l.kind == kindThroughRoad || l.kind == kindSiding ||
                            l.kind == kindRunningSection;
    Colour colour = palette::Green;
    if (trainPlace && (l.occState == occArrival || l.occState == occDeparture)) {
        colour = palette::Red;
    } else if (trainPlace && l.occState == occComingIn) {
        colour = needsEngineChange(state, place) ? palette::Magenta : palette::Yellow;
    } else if (allPlacesFilled(state, l) || l.busyTicks != 0 ||
               (sectionBusy(state, sectionA) && sectionBusy(state, sectionB))) {
        colour = palette::Red;
    } else if (l.occState != occEmpty || !enginesAt(l).empty()) {
        colour = palette::HighlightText;
    }
    const int first = l.locoAt[1];
    if (isEngine(state, first) && state.locos[first].condition == conditionNeedsServicing)
        colour = palette::Magenta;
    return colour;
}

} // namespace

void DrawStatusCode(Console& console, const GameState& state, LocationId place, int column, int row,
                    std::string_view codeText, int sectionA, int sectionB) {
    console.GotoCell(column, row);
    console.DefaultColours();
    console.SetTextColour(statusColour(state, place, sectionA, sectionB));
    console.WriteText(codeText);
    console.DefaultColours();
}

void DrawApproachLabel(Console& console, const GameState& state, LocationId place, int column, int row,
                       std::string_view text) {
    console.GotoCell(column, row);
    console.DefaultColours();
    const Location& l = state.locations[place];
    if (l.occState == occArrival && isArrival(state, l.occupant)) {
        const Arrival& a = state.arrivals[l.occupant];
        const int due = a.time + a.late;
        const int reach = approachTime(a.group, a.line, a.trainType);
        if (due < state.clock + reach + 2 && l.busyTicks == 0) {
            console.SetTextColour(palette::Black);
            if (due < state.clock + reach)
                console.SetBackColour(palette::Red);
            else
                console.SetBackColour(a.trainType < passengerBelow ? palette::Magenta : palette::Yellow);
        }
    }
    console.WriteText(text);
    console.DefaultColours();
}

} // namespace wm
