#pragma once
// The five layout screens: drawing a screen whole and the key menu below it.

#include <array>
#include <string_view>

#include "display/place_view.h"

namespace wm {

class Console;
struct GameState;

inline constexpr int layoutScreenCount = 5; // 0 Common, 1 Shed, 2 North Junction, 3 Yards, 4 South Junction

/// What drawing a layout screen reads besides the world: the alert level of each screen's button and
/// the selected place with the clock's phase.
struct ScreenContext {
    Console& console;
    const GameState& state;
    const std::array<int, layoutScreenCount>& alertLevel;
    PlaceView view;
};

/// Draws layout screen n (0..4) completely: title, navigation panels, fixed labels, highlight bars, key
/// menu, track and every place. The console must have been cleared if the screen changed.
void DrawScreen(const ScreenContext& context, int screen);

/// Rows 27..29: "Press:", the five screen buttons in their alert colours and the six key items.
void DrawKeyMenu(Console& console, const std::array<int, layoutScreenCount>& alertLevel);

/// The state of the single line's token: name + " available" in Green when it is free, otherwise
/// "   " + name + " out   " in White on Red.
void FacilityStatus(Console& console, const GameState& state, int column, int row, std::string_view name);

} // namespace wm
