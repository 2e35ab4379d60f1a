// Tests that build tables without starting the program read the checkout's data; a started program
// reads the copy beside the executable instead.

#include "world/data_file.h"

namespace {
[[maybe_unused]] const bool dataFolderSet = (wm::setProgramDataFolder(WENDMOOR_DATA_DIR), true);
} // namespace
