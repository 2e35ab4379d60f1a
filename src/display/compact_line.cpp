#include "display/compact_line.h"

#include "console/console.h"
#include "console/time_format.h"
#include "display/departure_colour.h"
#include "display/location_line.h"
#include "display/place_parts.h"
#include "display/section_colour.h"
#include "display/text_tables.h"
#include "rules/departure_readiness.h"
#include "world/game_state.h"
#include "world/loco_places.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

#include <algorithm>
#include <string>
#include <vector>

namespace wm {

namespace {

constexpr int contentWidth = 5;

// A piece of the content: text in a colour, or a stretch of track.
struct Piece {
    std::string text;
    Colour colour{};
    int track = 0; // cells of track line instead of text
};
using Content = std::vector<Piece>;

std::string engineLabel(int count) {
    return count > 1 ? "LE" + std::to_string(count) : "LE";
}

// Direction of the arrival or departure in a berth; -1 when it holds neither.
int trainDirection(const GameState& state, OccState occState, int occupant) {
    if (occState == occArrival && isArrival(state, occupant))
        return arrivalRunsDown(state.arrivals[occupant]) ? directionDown : directionUp;
    if ((occState == occDeparture || occState == occReversingDeparture) && occupant >= 1 &&
        occupant <= state.departureCount)
        return departureRunsDown(state.departures[occupant]) ? directionDown : directionUp;
    return -1;
}

// Content for what stands at the place (occupation states 0 to 4 and a reversed departure).
Content standingContent(const GameState& state, LocationId place, OccState occState, int occupant) {
    const Location& l = state.locations[place];
    switch (occState) {
    case occEmpty: {
        const int engines = enginesAt(l).size();
        if (engines == 0) return {};
        return {{" " + engineLabel(engines) + (engines > 1 ? " " : "  "), palette::Cyan}};
    }
    case occArrival: {
        if (occupant < 1 || occupant > state.arrivalCount) break;
        const Arrival& a = state.arrivals[occupant];
        Colour colour = palette::Silver;
        if (l.group != a.group) colour = !isPassengerTrain(a.trainType) ? palette::Yellow : palette::Red;
        return {{FormatTime(a.time), colour}};
    }
    case occDeparture:
    case occReversingDeparture:
        if (occupant < 1 || occupant > state.departureCount) break;
        return {{FormatTime(state.departures[occupant].time), departureTimeColour(state, occupant, place)}};
    case occStock: {
        if (occupant < 1 || occupant > state.portionCount) break;
        const Portion& p = state.portions[occupant];
        if (p.portionState <= portionBeingWorked && p.traffic >= 1 && p.traffic <= state.trafficCount)
            return {{std::string(trafficShort(state.traffic[p.traffic].trafficType)) + " ", palette::Silver}};
        if (p.departure >= 1 && p.departure <= state.departureCount) {
            const Departure& d = state.departures[p.departure];
            const Colour colour = departureTimeColour(state, p.departure, place);
            if (isPseudoDeparture(d)) return {{"via" + std::string(routeCode(d.line)), colour}};
            return {{FormatTime(d.time), colour}};
        }
        return {{" bit ", palette::Silver}};
    }
    case occTraffic:
        if (occupant < 1 || occupant > state.trafficCount) break;
        return {{std::string(trafficShort(state.traffic[occupant].trafficType)) + " ", palette::Silver}};
    default:
        break;
    }
    return {{" odd ", palette::Silver}};
}

std::string contentText(const Content& content) {
    std::string text;
    for (const Piece& piece : content) text += piece.track > 0 ? std::string(piece.track, ' ') : piece.text;
    return text;
}

// The first two characters that say something, for the split content of two occupants.
std::string headOf(const Content& content) {
    std::string text = contentText(content);
    const std::size_t start = text.find_first_not_of(' ');
    text = start == std::string::npos ? "" : text.substr(start);
    text.resize(2, ' ');
    return text;
}

Content content(const GameState& state, LocationId place, int direction) {
    const Location& l = state.locations[place];
    const Location& berth = state.locations[place + secondBerthOffset];
    switch (l.occState) {
    case occPassingThrough: {
        const Colour red = palette::Red;
        if (berth.occState >= occArrival && berth.occState <= occTraffic) {
            if (direction == directionDown)
                return {{"", red, 1}, {"<<", palette::HighlightText}, {"", red, 2}};
            if (direction == directionUp) return {{"", red, 2}, {">>", palette::HighlightText}, {"", red, 1}};
            return {{"shunt", palette::HighlightText}};
        }
        const int engines = std::max(1, enginesAt(state.locations[place + secondBerthOffset]).size());
        const std::string label = engineLabel(engines);
        return {{"", red, 1},
                {label, palette::HighlightText},
                {"", red, contentWidth - 1 - static_cast<int>(label.size())}};
    }
    case occComingIn:
        if (berth.occState == occArrival && isArrival(state, berth.occupant))
            return {{FormatTime(state.arrivals[berth.occupant].time), palette::HighlightText}};
        if (berth.occState == occDeparture && berth.occupant >= 1 && berth.occupant <= state.departureCount)
            return {{FormatTime(state.departures[berth.occupant].time), palette::HighlightText}};
        return {{"thru ", palette::HighlightText}};
    case occEngineComingIn:
    case occLeavingLight:
    case occChangingEnds:
        return {{"move ", palette::Silver}};
    default:
        break;
    }
    Content first = standingContent(state, place, l.occState, l.occupant);
    if (l.occState2 >= occArrival && l.occState2 <= occTraffic && l.occupant2 > 0) {
        const Content second = standingContent(state, place, l.occState2, l.occupant2);
        const Colour colour = first.empty() ? palette::Silver : first.front().colour;
        return {{headOf(first) + ":" + headOf(second), colour}};
    }
    return first;
}

void drawEnd(Console& console, const GameState& state, LocationId place, int section, const PlaceCell& cell) {
    const Location& l = state.locations[place];
    if (l.occState == occPassingThrough) {
        DrawTrackCells(console, palette::Red, 1);
        return;
    }
    // An empty place shows its track through the end cells, Red while its section is locked.
    if (l.occState == occEmpty && enginesAt(l).empty()) {
        DrawTrackCells(console, sectionColour(state, section), 1);
        return;
    }
    console.SetTextColour(cell.colour);
    console.WriteText(std::string(1, cell.ch));
}

} // namespace

int compactDirection(const GameState& state, LocationId place, const CompactStyle& style) {
    const Location& l = state.locations[place];
    int own = trainDirection(state, l.occState, l.occupant);
    if (own < 0 && (l.occState == occPassingThrough || l.occState == occComingIn)) {
        const Location& berth = state.locations[place + secondBerthOffset];
        own = trainDirection(state, berth.occState, berth.occupant);
    }
    return own >= 0 ? own : style.direction;
}

void DrawCompactLine(Console& console, const GameState& state, const PlaceView& view, LocationId place,
                     int column, int row, int section, const CompactStyle& style) {
    const int direction = compactDirection(state, place, style);
    const bool labelLeft =
        style.side == LabelSide::Left || (style.side == LabelSide::ByDirection && direction == directionDown);
    if (labelLeft) DrawLocationLabel(console, state, view, place, column, row);
    console.GotoCell(labelLeft ? column + labelWidth : column, row);
    console.DefaultColours();

    const auto places = enginePlaceCells(state, place);
    drawEnd(console, state, place, section, places[2]);
    const Content pieces = content(state, place, direction);
    if (pieces.empty()) {
        DrawTrackCells(console, sectionColour(state, section), contentWidth);
    } else {
        int written = 0;
        for (const Piece& piece : pieces) {
            if (piece.track > 0) {
                DrawTrackCells(console, piece.colour, piece.track);
                written += piece.track;
                continue;
            }
            std::string text = piece.text.substr(0, static_cast<std::size_t>(contentWidth - written));
            console.SetTextColour(piece.colour);
            console.WriteText(text);
            written += static_cast<int>(text.size());
        }
        console.SetTextColour(palette::Silver);
        console.WriteSpaces(contentWidth - written);
    }
    drawEnd(console, state, place, section, places[3]);
    console.DefaultColours();
    if (!labelLeft)
        DrawLocationLabel(console, state, view, place, column + compactLineWidth - labelWidth, row);
}

} // namespace wm
