#pragma once
// The five layout screens: drawing a screen whole, the key menu below it, and changing screen.

#include <string_view>

namespace wm {
struct Game;

inline constexpr int layoutScreenCount = 5; // 0 Common, 1 Shed, 2 North Junction, 3 Yards, 4 South Junction

/// Draws layout screen n (0..4) completely: top panel, title, navigation panels, fixed labels, highlight
/// bars, key menu, track and every place. The console must have been cleared if the screen changed.
void DrawScreen(Game& game, int screen);

/// Rows 27..29: "Press:", the five screen buttons in their alert colours and the six key items.
void DrawKeyMenu(Game& game);

/// The state of the single line's token: name + " available" in Green when it is free, otherwise
/// "   " + name + " out   " in White on Red.
void FacilityStatus(Game& game, int column, int row, std::string_view name);

/// Makes screen n current in display mode 0 with its help context, and asks for a full repaint.
void ShowScreen(Game& game, int screen);

} // namespace wm
