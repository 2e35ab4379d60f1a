#pragma once
// The picture on the select-game and end-of-session dialogs, drawn by the program itself.

#include <QPixmap>

namespace wm {

/// A steam train on a viaduct at dusk, `width` by `height` pixels.
QPixmap titlePicture(int width, int height);

} // namespace wm
