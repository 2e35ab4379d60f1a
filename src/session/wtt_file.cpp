#include "session/wtt_file.h"

#include "console/whole_file.h"
#include "display/wtt_listing.h"
#include "session/game.h"
#include "session/main_window.h"

namespace wm {

namespace {
constexpr std::size_t fileNameLimit = 255;
constexpr std::string_view writeFailed = "Unable to write file - disk may be full or write-protected";

void showWritten(Game& g, const std::string& fileName) {
    Console& c = g.console;
    const std::string message = "Print file " + fileName + " created as requested";
    g.host.messageShown("notice", message);
    c.ClearMessageLine();
    c.WhiteOnBrown();
    c.WriteText(message);
    c.Delay(Console::MessageDelayMs);
    c.DefaultColours();
    c.ClearMessageLine();
}
} // namespace

void CreateWttFile(Game& g) {
    const auto chosen = g.host.saveFileDialog(TForm1::timetableSaveDialog(g.text.workingFolder));
    if (!chosen) return;
    g.text.workingFolder = TForm1::folderOf(*chosen);
    g.host.setSettingsFolder(g.text.workingFolder);
    g.text.wttFileName = chosen->substr(0, fileNameLimit);

    std::string content;
    for (const std::string& line : WttListing(g.state, *chosen)) content += line + "\n";
    // Written whole or not at all, so a failure never leaves half a timetable behind.
    if (!WriteWholeFile(*chosen, content)) {
        g.console.ShowError(writeFailed);
        return;
    }
    showWritten(g, *chosen);
}

} // namespace wm
