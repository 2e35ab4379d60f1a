#pragma once
// The player's options kept between runs in "TAVO.INI", section "WM58".

#include "console/console.h"
#include "host/host.h"

namespace wm {

/// Reads every key; a missing file, a missing key or a value that does not parse gives the default
/// (the font size default is `currentFontSize`).
ConsoleOptions ReadSettings(Host& host, int currentFontSize);
/// Writes every key and flushes the file; false when it could not be written.
bool WriteSettings(Host& host, const ConsoleOptions& options);

} // namespace wm
