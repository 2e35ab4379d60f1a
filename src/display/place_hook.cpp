#include "display/place_hook.h"

#include "display/section_colour.h"
#include "session/game.h"

namespace wm {

// For now every place is drawn as it looks when empty: its code (unless it is a place the player cannot
// name) and a track line in its section's colour over the rest of its cells.
void DrawPlace(Game& game, const PlaceSpot& spot) {
    Console& c = game.console;
    const Colour track = sectionColour(game.state, spot.section);
    const std::string code = spot.label.empty()
                                 ? game.state.locations[static_cast<std::size_t>(spot.location)].code.str()
                                 : spot.label;
    const int codeCells = spot.form == PlaceForm::Track ? 0 : static_cast<int>(code.size());
    const int lineCells = spot.width - codeCells;
    const bool codeAfter = spot.form == PlaceForm::LabelAfter || spot.form == PlaceForm::CompactRight;
    c.GotoCell(spot.column, spot.row);
    if (codeCells > 0 && !codeAfter) {
        c.SetTextColour(palette::Green);
        c.WriteText(code);
    }
    if (lineCells > 0) {
        c.SetTextColour(track);
        c.SetTrackPen(true);
        c.DrawLineCells(lineCells);
        c.SetTrackPen(false);
    }
    if (codeCells > 0 && codeAfter) {
        c.SetTextColour(palette::Green);
        c.WriteText(code);
    }
    c.DefaultColours();
}

} // namespace wm
