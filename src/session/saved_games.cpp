#include "session/saved_games.h"

#include <fstream>
#include <memory>

#include "console/whole_file.h"
#include "session/game.h"
#include "session/main_loop.h"
#include "session/top_panel.h"
#include "world/data_file.h"
#include "world/location_table.h"
#include "world/new_game.h"
#include "world/saved_game_text.h"

namespace wm {

namespace {
constexpr std::string_view writeFailed = "Unable to write file - disk may be full or write-protected";
constexpr std::string_view notFound = "Saved file not found";
constexpr std::string_view notAPosition = "Saved file not in correct format";
constexpr std::string_view otherProgram = "Can't continue - saved position not for this simulation";
// Far more than any day's position; a larger file is no saved game, and is not read into memory whole.
constexpr std::streamsize largestFile = 4 << 20;

void showSaved(Game& g, const std::string& fileName) {
    Console& c = g.console;
    const std::string message = "Position saved in file " + fileName;
    g.host.messageShown("notice", message);
    c.ClearMessageLine();
    c.WriteText(message);
    c.Delay(Console::MessageDelayMs);
    c.ClearMessageLine();
}

SavedSession sessionOf(Game& g) {
    SavedSession session;
    session.tickPhase = g.clock.tickPhase;
    session.speedIndex = g.clock.speedIndex;
    session.scoreLogEntries = g.console.scoreLog().entryCount();
    session.scoreLogging = g.console.options().scoreLogging ? 1 : 0;
    session.autoSave = g.console.options().autoSave ? 1 : 0;
    session.executableDate = g.text.executableDate;
    return session;
}

enum class FileRead { read, missing, failed };

FileRead readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileRead::missing;
    text.resize(static_cast<std::size_t>(largestFile) + 1);
    in.read(text.data(), largestFile + 1);
    if (in.bad()) return FileRead::failed;
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text.size() > static_cast<std::size_t>(largestFile) ? FileRead::failed : FileRead::read;
}

/// The loaded position takes over: the state, and the clock's phase, speed and the options it carries.
void takeOver(Game& g, const GameState& loaded, const SavedSession& session) {
    g.state = loaded;
    g.clock.tickPhase = session.tickPhase;
    g.clock.speedIndex = session.speedIndex;
    g.clock.singleStepRequested = false;
    g.console.scoreLog().setEntryCount(session.scoreLogEntries);
    g.console.options().scoreLogging = session.scoreLogging != 0;
    g.console.options().autoSave = session.autoSave != 0;
    g.move = MoveContext{};
    if (g.flags.gameRunning) {
        if (g.console.options().clockRunning) ResetSpeedUp(g);
        RefreshTopPanel(g);
    }
}
} // namespace

bool SaveGame(Game& g, const std::string& path) {
    g.clock.singleStepRequested = false;
    // Written beside the old file and renamed over it, so a failed save keeps the previous position.
    if (!WriteWholeFile(path, writeSavedGame(g.state, sessionOf(g)))) {
        g.console.ShowError(writeFailed);
        g.clock.endRequested = false;
        return false;
    }
    showSaved(g, path);
    g.clock.skipTick = true;
    return true;
}

bool LoadGame(Game& g, const std::string& path) {
    g.clock.singleStepRequested = false;
    std::string text;
    switch (readFile(path, text)) {
    case FileRead::missing:
        g.console.ShowError(notFound);
        return true;
    case FileRead::failed:
        return false;
    case FileRead::read:
        break;
    }
    // Read into a state of its own: the running game is replaced only by a position read whole.
    auto loaded = std::make_unique<GameState>();
    SavedSession session;
    try {
        buildLocationTable(*loaded);
        const SavedGameReading reading = readSavedGame(text, *loaded, session);
        switch (reading.fault) {
        case SavedGameFault::firstLine:
            g.console.ShowError(notAPosition);
            return true;
        case SavedGameFault::prefix:
            g.console.ShowError(otherProgram);
            // Only a game not yet begun gives up its score; a running one keeps all of its own.
            if (!g.flags.gameRunning) g.state.score = 0;
            return true;
        case SavedGameFault::body:
            return false;
        case SavedGameFault::none:
            break;
        }
        nameNamedTrains(*loaded, loaded->dayCode);
    } catch (const DataFileError&) {
        return false;
    }
    takeOver(g, *loaded, session);
    return true;
}

} // namespace wm
