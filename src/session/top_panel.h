#pragma once

namespace wm {
struct Game;

/// Sets the top panel's captions: time with its tick dots, speed or single step, and the points.
void RefreshTopPanel(Game& game);

/// The speed label shown after "x " for a speed index 1..8.
const char* speedLabel(int speedIndex);
/// Seconds per tick for a speed index 1..8.
int tickSeconds(int speedIndex);

} // namespace wm
