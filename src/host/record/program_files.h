#pragma once

#include <string>

namespace wm {

/// Folder of the program's own files (font, help book, sound cues, data tables), with a trailing '/': the
/// share folder of an installed copy when the executable's folder has one beside it, otherwise the
/// executable's folder itself, as in the build folder. Only relative paths are used, so a copied install
/// or build folder still finds its files.
std::string programFilesFolder(const std::string& executableFolder);

} // namespace wm
