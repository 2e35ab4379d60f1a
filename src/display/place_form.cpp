#include "display/place_form.h"

#include "console/console.h"
#include "display/compact_line.h"
#include "display/compact_places.h"
#include "display/engine_token.h"
#include "display/location_line.h"
#include "display/section_colour.h"
#include "display/status_code.h"
#include "world/game_state.h"

#include <algorithm>
#include <string>

namespace wm {

namespace {

constexpr int boxWidth = engineTokenWidth + 2;

std::string codeOf(const GameState& state, const PlaceSpot& spot) {
    return spot.label.empty() ? state.locations[static_cast<std::size_t>(spot.location)].code.str()
                              : spot.label;
}

void drawTurntable(Console& console, const GameState& state, const PlaceView& view, const PlaceSpot& spot) {
    DrawLocationLabel(console, state, view, spot.location, spot.column, spot.row);
    if (spot.width >= labelWidth + boxWidth) {
        // Code and box side by side; the indicator goes on the row below the code.
        DrawBoxedEngines(console, state, spot.location, spot.column + labelWidth, spot.row);
        DrawTurntable(console, state, spot.location, spot.column, spot.row + 1);
    } else {
        DrawTurntable(console, state, spot.location, spot.column + labelWidth, spot.row);
        DrawBoxedEngines(console, state, spot.location, std::max(1, spot.column - labelWidth), spot.row + 1);
    }
}

} // namespace

void DrawPlaceForm(Console& console, const GameState& state, const PlaceView& view, const PlaceSpot& spot) {
    const LocationId place = spot.location;
    if (place < 1 || place > placeCount) return;
    switch (spot.form) {
    case PlaceForm::Labelled:
        DrawLabelledLine(console, state, view, place, spot.column, spot.row, spot.section);
        break;
    case PlaceForm::LabelAfter:
        DrawLineWithLabelAfter(console, state, view, place, spot.column, spot.row, spot.section);
        break;
    case PlaceForm::CompactLeft:
    case PlaceForm::CompactRight: {
        CompactStyle style = CompactPlaces::standard().style(state.locations[place].code.view());
        if (!CompactPlaces::standard().contains(state.locations[place].code.view()))
            style.side = spot.form == PlaceForm::CompactLeft ? LabelSide::Left : LabelSide::Right;
        DrawCompactLine(console, state, view, place, spot.column, spot.row, spot.section, style);
        break;
    }
    case PlaceForm::StatusCode:
        DrawStatusCode(console, state, place, spot.column, spot.row, codeOf(state, spot), spot.section,
                       spot.section2);
        break;
    case PlaceForm::Approach:
        DrawApproachLabel(console, state, place, spot.column, spot.row, codeOf(state, spot));
        break;
    case PlaceForm::Turntable:
        drawTurntable(console, state, view, spot);
        break;
    case PlaceForm::EnginesBox:
        DrawLocationLabel(console, state, view, place, spot.column, spot.row);
        DrawBoxedEngines(console, state, place, spot.column + labelWidth, spot.row);
        break;
    case PlaceForm::EnginesList:
        DrawLocationLabel(console, state, view, place, spot.column, spot.row);
        console.WriteText(" ");
        DrawEngineList(console, state, place, spot.column + labelWidth + 1, spot.row);
        break;
    case PlaceForm::Track:
        console.GotoCell(spot.column, spot.row);
        DrawTrackCells(console, sectionColour(state, spot.section), spot.width);
        break;
    }
    console.DefaultColours();
}

} // namespace wm
