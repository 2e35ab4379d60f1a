#include "display/engine_token.h"

#include "console/console.h"
#include "display/place_parts.h"
#include "display/text_tables.h"
#include "world/game_state.h"
#include "world/loco_places.h"
#include "world/reference_tables.h"

#include <algorithm>
#include <string>

namespace wm {

namespace {

Colour conditionColour(const Loco& loco) {
    switch (loco.condition) {
    case conditionAvailable:
        return palette::Green;
    case conditionNeedsServicing:
    case conditionNeedsRepair:
    case conditionOutOfUse:
        return palette::Red;
    default:
        return loco.workTime > 0 ? palette::Magenta : palette::Yellow;
    }
}

bool onBusyTurntable(const GameState& state, const Loco& loco) {
    const LocationId place = placeOfWhere(loco.where);
    return place != 0 && state.locations[place].kind == kindTurntable && state.locations[place].busyTicks > 0;
}

} // namespace

ColouredText engineToken(const GameState& state, int engine) {
    ColouredText token;
    if (!isEngine(state, engine)) {
        token.add(std::string(engineTokenWidth, ' '), palette::White, palette::Navy);
        return token;
    }
    const Loco& loco = state.locos[engine];
    const char prefix = facingExempt(loco.classIndex) ? ' ' : engineGlyph(loco.facing);
    token.add(std::string(1, prefix), onBusyTurntable(state, loco) ? palette::Magenta : palette::White,
              palette::Navy);
    std::string number(loco.number.view());
    number.resize(5, ' ');
    token.add(number, palette::White, palette::Navy);
    const std::string_view letter = conditionLetter(loco.condition);
    token.add(letter.empty() ? std::string(" ") : std::string(letter), conditionColour(loco), palette::Navy);
    return token;
}

void DrawEngineToken(Console& console, const GameState& state, int engine) {
    console.WhiteOnNavy();
    WriteColouredText(console, engineToken(state, engine));
}

void DrawTurntable(Console& console, const GameState& state, LocationId place, int column, int row) {
    console.GotoCell(column, row);
    console.DefaultColours();
    const Location& l = state.locations[place];
    const int engine = l.locoAt[1];
    if (!isEngine(state, engine)) {
        console.WriteText("   ");
    } else if (facingExempt(state.locos[engine].classIndex)) {
        console.WriteText("---");
    } else if (l.occState == occWorkInProgress) {
        console.SetTextColour(palette::Magenta);
        console.WriteText("<->");
    } else {
        console.WriteText(state.locos[engine].facing == 0 ? "<--" : "-->");
    }
    console.DefaultColours();
}

void DrawBoxedEngines(Console& console, const GameState& state, LocationId place, int column, int row) {
    console.GotoCell(column, row);
    console.WhiteOnNavy();
    console.WriteText(" ");
    const OccState occState = state.locations[place].occState;
    if (occState == occComingIn)
        console.WriteText("Coming ");
    else if (occState == occPassingThrough)
        console.WriteText("Through");
    else {
        const EnginesHere engines = enginesAt(state.locations[place]);
        DrawEngineToken(console, state, engines.empty() ? 0 : engines.front().engine);
    }
    console.WhiteOnNavy();
    console.WriteText(" ");
    console.DefaultColours();
}

void DrawEngineList(Console& console, const GameState& state, LocationId place, int column, int row) {
    console.GotoCell(column, row);
    console.WhiteOnNavy();
    const Location& l = state.locations[place];
    const int slots = std::max(1, std::min(4, l.locoSlots));
    if (l.occState == occPassingThrough) {
        console.WriteText("Through ");
        console.WriteSpaces(8 * (slots - 1));
    } else {
        for (int k = 1; k <= slots; ++k) {
            const int engine = l.locoAt[static_cast<std::size_t>(k)];
            if (!isEngine(state, engine)) {
                console.WriteSpaces(8);
                continue;
            }
            DrawEngineToken(console, state, engine);
            console.WhiteOnNavy();
            console.WriteText(" ");
        }
    }
    console.DefaultColours();
}

} // namespace wm
