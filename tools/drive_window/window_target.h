#pragma once
// Scripts played on the real desktop window (offscreen or on a display): the script's clock, timer and
// dialog answers, with the window's own drawing, widgets, menus and mouse and key events.

#include <memory>

#include "drive/drive_target.h"

namespace wm {

/// Needs a QApplication. The game finds its font and help file beside the executable.
std::unique_ptr<DriveTarget> makeWindowTarget();

} // namespace wm
