// libFuzzer target: any bytes as a saved-game file. The reader must refuse what it cannot take without
// reaching outside its tables, and what it takes must write back to a file it reads the same again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "world/data_file.h"
#include "world/game_state.h"
#include "world/location_table.h"
#include "world/saved_game_text.h"

namespace {
const wm::GameState* layout = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    wm::setProgramDataFolder(WENDMOOR_DATA_DIR);
    auto* state = new wm::GameState;
    wm::buildLocationTable(*state);
    layout = state;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto state = std::make_unique<wm::GameState>();
    *state = *layout;
    wm::SavedSession session;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (wm::readSavedGame(text, *state, session).fault != wm::SavedGameFault::none) return 0;

    const std::string written = wm::writeSavedGame(*state, session);
    static auto again = std::make_unique<wm::GameState>();
    *again = *layout;
    wm::SavedSession sessionAgain;
    if (wm::readSavedGame(written, *again, sessionAgain).fault != wm::SavedGameFault::none) std::abort();
    if (wm::writeSavedGame(*again, sessionAgain) != written) std::abort();
    return 0;
}
