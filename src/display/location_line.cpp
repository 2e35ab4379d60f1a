#include "display/location_line.h"

#include "console/console.h"
#include "display/place_parts.h"
#include "display/section_colour.h"
#include "movement/reachability.h"
#include "world/game_state.h"
#include "world/loco_places.h"

#include <string>

namespace wm {

namespace {

void put(Console& console, const PlaceCell& cell) {
    console.SetTextColour(cell.colour);
    console.WriteText(std::string(1, cell.ch));
}

void writeOccupant(Console& console, const OccupantText& text, Colour trackColour) {
    if (text.trackLine) {
        DrawTrackCells(console, trackColour, static_cast<int>(text.text.size()));
        return;
    }
    if (!text.splitColour) {
        console.SetTextColour(text.colour);
        console.WriteText(text.text);
        return;
    }
    const std::size_t head = text.text.size() - 3;
    console.SetTextColour(text.colour);
    console.WriteText(text.text.substr(0, head));
    console.SetTextColour(text.figures);
    console.WriteText(text.text.substr(head));
}

// The text standing in for a second occupant: the place's own second occupant, or the count of further
// portions of a rake whose portions are not all for one departure; empty when neither applies.
bool secondOccupant(const GameState& state, const PlaceView& view, LocationId place, OccupantText& out) {
    const Location& l = state.locations[place];
    if (l.occState2 >= occArrival && l.occState2 <= occTraffic && l.occupant2 > 0) {
        out = occupantText(state, view, place, l.occState2, l.occupant2);
        return true;
    }
    if (l.occState != occStock || l.occupant < 1 || l.occupant > state.portionCount) return false;
    int further = 0;
    bool mixed = false;
    const int departure = state.portions[l.occupant].departure;
    for (int p = state.portions[l.occupant].next; p != 0 && further < state.portionCount;
         p = state.portions[p].next) {
        ++further;
        if (state.portions[p].departure != departure) mixed = true;
    }
    if (!mixed) return false;
    out.text = " (" + std::to_string(further) + ") ";
    out.text.resize(7, ' ');
    out.colour = palette::Silver;
    out.trackLine = false;
    out.splitColour = false;
    return true;
}

} // namespace

void DrawTrackCells(Console& console, Colour colour, int cells) {
    if (cells <= 0) return;
    console.SaveCursor();
    console.SetTextColour(colour);
    console.WriteSpaces(cells);
    console.RestoreCursor();
    console.SetTrackPen(true);
    console.DrawLineCells(cells);
    console.SetTrackPen(false);
}

void DrawLocationLabel(Console& console, const GameState& state, const PlaceView& view, LocationId place,
                       int column, int row) {
    console.GotoCell(column, row);
    console.SetTextColour(palette::Green);
    const bool reachable = place >= 1 && place <= placeCount && view.selected >= 1 &&
                           view.selected <= placeCount && canReach(view.selected, place);
    console.SetBackColour(reachable ? palette::Blue : palette::Black);
    std::string code(state.locations[place].code.view());
    code.resize(labelWidth, ' ');
    console.WriteText(code);
    console.DefaultColours();
}

void DrawLocationLine(Console& console, const GameState& state, const PlaceView& view, LocationId place,
                      int column, int row, int section) {
    console.GotoCell(column, row);
    console.DefaultColours();
    const Location& l = state.locations[place];
    const Colour track = sectionColour(state, section);
    if (l.occState == occEmpty && enginesAt(l).empty()) {
        console.WriteSpaces(locationLineWidth);
        console.GotoCell(column, row);
        DrawTrackCells(console, track, locationLineWidth);
        console.DefaultColours();
        return;
    }
    const auto places = enginePlaceCells(state, place);
    const auto marks = couplingMarks(state, place);
    const OccupantText first = occupantText(state, view, place, l.occState, l.occupant);
    OccupantText second;
    if (secondOccupant(state, view, place, second)) {
        put(console, places[2]);
        writeOccupant(console, first, track);
        put(console, {':', palette::Silver});
        writeOccupant(console, second, track);
        put(console, places[3]);
    } else {
        put(console, {' ', palette::Silver});
        put(console, places[1]);
        put(console, marks[0]);
        put(console, places[2]);
        put(console, marks[1]);
        writeOccupant(console, first, track);
        put(console, marks[2]);
        put(console, places[3]);
        put(console, marks[3]);
        put(console, places[4]);
        put(console, {' ', palette::Silver});
    }
    console.DefaultColours();
}

void DrawLabelledLine(Console& console, const GameState& state, const PlaceView& view, LocationId place,
                      int column, int row, int section) {
    DrawLocationLabel(console, state, view, place, column, row);
    DrawLocationLine(console, state, view, place, column + labelWidth, row, section);
}

void DrawLineWithLabelAfter(Console& console, const GameState& state, const PlaceView& view, LocationId place,
                            int column, int row, int section) {
    DrawLocationLine(console, state, view, place, column, row, section);
    DrawLocationLabel(console, state, view, place, column + locationLineWidth, row);
}

} // namespace wm
