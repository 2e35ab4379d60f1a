#pragma once
// Writing a file the player asked for so that it is either all there or not there at all.

#include <string>
#include <string_view>

namespace wm {

/// Writes `content` to a temporary file beside `path` and renames it into place. False when any step
/// fails; then no temporary file is left and a file already at `path` is untouched.
bool WriteWholeFile(const std::string& path, std::string_view content);

} // namespace wm
