#pragma once
// A host with no window: it records the console's cells and lines, takes its input and dialog answers
// from a script, and runs a virtual clock, so a whole day plays in moments and the same every time.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/record/cell_grid.h"
#include "host/record/script_runtime.h"

namespace wm {

class HeadlessHost : public Host {
  public:
    static constexpr int Rows = CellGrid::Rows;
    static constexpr int Columns = CellGrid::Columns;

    HeadlessHost();

    // configuration
    void setExecutableFolder(std::string folder) { executableFolder_ = std::move(folder); }
    /// Where the program's own files are; the executable's folder unless set.
    void setProgramFilesFolder(std::string folder) { programFilesFolder_ = std::move(folder); }
    /// The user's data folder that an unwritable folder falls back to; with none set, every folder counts
    /// as writable.
    void setUserDataFolder(std::string folder) { userDataFolder_ = std::move(folder); }
    void setScreenSize(ScreenSize size) { screen_ = size; }
    void setFontUsable(bool usable) { fontUsable_ = usable; }
    void setFeeder(ScriptFeeder* feeder) { runtime_.setFeeder(feeder); }
    WindowEvents* handler() const { return handler_; }

    // scripted input
    void queueAnswer(std::string value) { runtime_.queueAnswer(std::move(value)); }
    void queueGameChoice(GameChoice choice) { runtime_.queueGameChoice(choice); }
    /// Lets `count` timer events pass before the next command is read.
    void letTicksPass(int count) { runtime_.letTicksPass(count); }
    /// Lets virtual time pass before the next command is read.
    void letTimePass(int milliseconds) { runtime_.letTimePass(milliseconds); }
    bool busyWithTimeOrTicks() const { return runtime_.busyWithTimeOrTicks(); }
    /// Forgets the ticks and time still to pass, as when the game they were for has ended.
    void dropPendingTime() { runtime_.dropPendingTime(); }

    // what was recorded
    const RecordedCell& cell(int column, int row) const { return grid_.cell(column, row); }
    std::string rowText(int row) const { return grid_.rowText(row); }
    /// 32 lines of 100 characters, a blank line, 32 lines of two colour letters a cell.
    std::string screenDump() const;
    const std::vector<std::string>& messages() const { return runtime_.messages(); }
    const std::vector<std::string>& soundsPlayed() const { return runtime_.soundsPlayed(); }
    const std::vector<RecordedBox>& boxes() const { return runtime_.boxes(); }
    const std::vector<int>& helpOpened() const { return runtime_.helpOpened(); }
    int popupsOpened() const { return runtime_.popupsOpened(); }
    std::vector<RecordedLine> lines() const { return grid_.lines(); }
    bool terminated() const { return terminated_; }
    int timerInterval() const { return runtime_.timerInterval(); }
    std::int64_t now() const { return runtime_.now(); }
    ScriptRuntime& runtime() { return runtime_; }
    const ScriptRuntime& runtime() const { return runtime_; }
    const std::string& caption(Widget w) const;
    bool visible(Widget w) const;
    bool enabled(Widget w) const;
    int fontSize() const { return fontSize_; }
    ScreenSize clientSize() const { return client_; }
    const std::map<std::string, std::string>& settings() const { return runtime_.settings(); }
    void setSetting(const std::string& key, const std::string& value) { runtime_.setSetting(key, value); }

    /// The information window as it was last drawn: its rows and columns in the screen file's format.
    std::string infoDump() const;
    bool infoWindowShown() const { return infoShown_; }
    const InfoWindowShape& infoShape() const { return infoShape_; }
    const RecordedCell& infoCell(int column, int row) const { return infoGrid_.cell(column, row); }

    /// The colour letters of the screen dump.
    static char colourLetter(Colour colour) { return CellGrid::colourLetter(colour); }

    // Host
    TextExtent measureText(std::string_view text, int pointSize) override;
    void setCanvasFont(int pointSize) override;
    void drawText(int x, int y, std::string_view text, Colour text_colour, Colour background) override;
    void fillRect(int x, int y, int width, int height, Colour colour) override;
    void drawLine(int x1, int y1, int x2, int y2, Colour colour, int penWidth) override;
    void setClientSize(int width, int height) override;
    ScreenSize screenSize() override { return screen_; }
    void layoutTopPanel(int, int, int) override {}
    /// Paints at once, as the desktop window does.
    void requestRepaint() override;
    void showInfoWindow(const InfoWindowShape& shape) override;
    void hideInfoWindow() override;
    void drawInfoText(int x, int y, std::string_view text, Colour text_colour, Colour background) override;
    void fillInfoRect(int x, int y, int width, int height, Colour colour) override;
    void setCaption(Widget widget, std::string_view caption) override;
    void setVisible(Widget widget, bool visible) override;
    void setEnabled(Widget widget, bool enabled) override;
    void setWindowTitle(std::string_view caption, std::string_view applicationTitle) override;
    void focusWindow() override {}
    /// Takes a queued "menu:ITEM" answer as the item chosen; otherwise the menu is dismissed.
    void popupActionMenu(int screenX, int screenY) override;
    void processEvents(bool waitingForPlayer) override;
    void sleepMs(int milliseconds) override { runtime_.sleepMs(milliseconds); }
    std::int64_t timeOfDayMs() override { return runtime_.timeOfDayMs(); }
    void setTimerInterval(int milliseconds) override { runtime_.setTimerInterval(milliseconds); }
    void terminate() override { terminated_ = true; }
    void setEventHandler(WindowEvents* handler) override;
    void messageShown(std::string_view kind, std::string_view text) override;
    void messageBox(BoxKind kind, std::string_view text, int helpContext) override;
    bool askYesNo(std::string_view question) override;
    std::optional<std::string> inputBox(std::string_view title, std::string_view prompt,
                                        std::string_view defaultText) override;
    std::optional<std::string> openFileDialog(const FileDialogOptions& options) override;
    std::optional<std::string> saveFileDialog(const FileDialogOptions& options) override;
    GameChoice selectGameDialog(std::string_view simulationName) override;
    bool optionsDialog(OptionValues& values) override;
    void endOfSessionDialog(std::string_view simulationName, std::string_view rating,
                            std::string_view pointScore, std::string_view perCent) override {
        runtime_.endOfSessionDialog(simulationName, rating, pointScore, perCent);
    }
    void playSound(std::string_view fileName, bool wait) override;
    void openHelp(int context) override { runtime_.openHelp(context); }
    bool registerFont(const std::string& path) override;
    void unregisterFont() override { fontRegistered_ = false; }
    std::string executableFolder() override { return executableFolder_; }
    std::string programFilesFolder() override;
    std::string writableFolder(const std::string& folder) override;
    std::string executableDate() override { return runtime_.executableDate(); }
    bool fileExists(const std::string& path) override;
    std::optional<std::string> readSetting(std::string_view section, std::string_view key) override;
    void writeSetting(std::string_view section, std::string_view key, std::string_view value) override;
    bool flushSettings() override { return true; }
    void setSettingsFolder(const std::string& folder) override { settingsFolder_ = folder; }

    std::string windowCaption;
    std::string applicationTitle;

  private:
    CellGrid grid_;
    CellGrid infoGrid_;
    InfoWindowShape infoShape_;
    bool infoShown_ = false;
    ScriptRuntime runtime_;
    std::map<Widget, std::string> captions_;
    std::map<Widget, bool> visible_;
    std::map<Widget, bool> enabled_;

    WindowEvents* handler_ = nullptr;
    std::string executableFolder_;
    std::string programFilesFolder_;
    std::string userDataFolder_;
    std::string settingsFolder_;
    ScreenSize screen_{1920, 1080};
    ScreenSize client_{};
    bool fontUsable_ = true;
    bool fontRegistered_ = false;
    int fontSize_ = 12;
    bool terminated_ = false;
};

} // namespace wm
