// The benchmarks build the day's tables without starting the program: they read the build folder's data.

#include "world/data_file.h"

namespace {
[[maybe_unused]] const bool dataFolderSet = (wm::setProgramDataFolder(WENDMOOR_BENCH_DATA_DIR), true);
} // namespace
