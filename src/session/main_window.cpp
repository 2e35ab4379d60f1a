#include "session/main_window.h"

#include <utility>

#include "console/palette.h"
#include "session/game_choice.h"
#include "session/help_contexts.h"
#include "session/main_loop.h"
#include "session/saved_games.h"
#include "session/top_panel.h"
#include "session/wtt_file.h"
#include "world/data_file.h"

namespace wm {

namespace {
constexpr std::string_view HelpFileName = "WM58.qch";
constexpr std::string_view FontFileName = "TAVO.TTF";
constexpr std::string_view DataFolderName = "data";
constexpr std::string_view WindowCaption = "Wendmoor Summer 1958";
constexpr std::string_view ApplicationTitle = "Wendmoor, Summer 1958";
constexpr std::size_t SavedGameNameLimit = 255;
constexpr std::string_view SavedGameExtension = "sav";
constexpr std::size_t DateLimit = 12;

std::string cut(std::string s, std::size_t limit) {
    if (s.size() > limit) s.resize(limit);
    return s;
}

/// Resume, ReLoad and Save As offer the same kind of file.
FileDialogOptions savedGameDialog(std::string title, const std::string& folder, bool mustExist) {
    FileDialogOptions options;
    options.title = std::move(title);
    options.defaultExt = SavedGameExtension;
    options.fileName = "WM58";
    options.filter = "Saved positions|*.sav|All|*.*";
    options.folder = folder;
    options.mustExist = mustExist;
    return options;
}
} // namespace

TForm1::TForm1(Game& game) : game_(game) {}

FileDialogOptions TForm1::savedGameOpenDialog(const std::string& folder) {
    return savedGameDialog("", folder, true);
}

FileDialogOptions TForm1::savedGameSaveDialog(const std::string& folder) {
    return savedGameDialog("Save your position", folder, false);
}

FileDialogOptions TForm1::timetableSaveDialog(const std::string& folder) {
    return {"Create a WTT file", "txt", "WM58WTT", "WTT files|*.txt|All|*.*", folder, false};
}

std::string TForm1::folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool TForm1::FormCreate() {
    Host& host = game_.host;
    // Paths are kept whole: a folder cut to a fixed length would name some other place.
    game_.text.executableFolder = host.executableFolder();
    const std::string folder = host.programFilesFolder();
    if (!host.fileExists(folder + std::string(HelpFileName))) {
        game_.console.FatalSetupError("Help file missing  " + folder + std::string(HelpFileName));
        host.terminate();
        return false;
    }
    const std::string fontPath = folder + std::string(FontFileName);
    if (!host.fileExists(fontPath)) {
        game_.console.FatalSetupError("Font file missing  " + fontPath);
        host.terminate();
        return false;
    }
    // A font file that cannot be loaded shows up as a zero cell width when the console is sized.
    host.registerFont(fontPath);
    setProgramDataFolder(folder + std::string(DataFolderName));
    host.setWindowTitle(WindowCaption, ApplicationTitle);
    game_.flags.fontChangeLock = false;
    game_.flags.firstActivation = true;
    return true;
}

void TForm1::FormDestroy() {
    game_.host.unregisterFont();
}

void TForm1::StartUpSetup() {
    Game& g = game_;
    g.console.SetConsoleSize(32, 100);
    g.flags.modalOpen = true;
    g.flags.atStartScreen = true;
    g.flags.gameRunning = false;
    g.flags.gameOver = false;
    g.flags.drawingEnabled = false;
    g.input.clearAll();
    g.display.lastDrawnScreen = 2;

    g.console.ChooseLargestFontSize();
    if (!g.console.ApplyFontSize()) {
        g.host.terminate();
        return;
    }
    g.text.executableDate = cut(g.host.executableDate(), DateLimit);
    // An installed copy cannot write beside itself: its saved games and score log go to the user's data
    // folder, its settings (which the host moves on its own) to the user's configuration folder.
    g.text.workingFolder = g.host.writableFolder(g.text.executableFolder);
    g.host.setSettingsFolder(g.text.executableFolder);
    ScoreLog& log = g.console.scoreLog();
    if (g.text.workingFolder != g.text.executableFolder)
        log.setFileName(g.text.workingFolder + log.fileName());

    g.text.simulationName = std::string(WindowCaption);
    LayoutTopPanel(g);
    g.host.setVisible(Widget::New, true);
    g.host.setVisible(Widget::Resume, true);
    g.host.setEnabled(Widget::New, true);
    g.host.setEnabled(Widget::Resume, true);

    ResetGameState(g);
    if (!BuildDayIndependentTables(g)) return;
    g.state.clock = -1;
    DrawStartScreen(g);
}

void TForm1::FormActivate() {
    Game& g = game_;
    if (g.flags.firstActivation) {
        g.flags.firstActivation = false;
        g.text.savedGameName.clear();
        StartUpSetup();
        g.flags.modalOpen = false;
        return;
    }
    if (g.flags.modalOpen) {
        if (!g.flags.gameRunning) return;
        g.flags.modalOpen = false;
    }
    g.flags.fullRedraw = true;
    g.clock.cycleDone = false;
    g.input.commandPending = true;
    g.input.commandCode = CmdNone;
    g.host.requestRepaint();
    g.flags.windowActive = true;
}

void TForm1::FormDeactivate() {
    Game& g = game_;
    g.flags.fullRedraw = true;
    g.clock.cycleDone = false;
    g.input.commandPending = true;
    g.input.commandCode = CmdNone;
    g.host.setTimerInterval(0);
    g.flags.windowActive = false;
}

void TForm1::FormPaint() {
    if (game_.flags.gameRunning && game_.flags.drawingEnabled) PaintCurrentDisplay(game_);
}

bool TForm1::FormCloseQuery() {
    Game& g = game_;
    if (g.flags.gameRunning && g.flags.modalOpen) return false;
    if (g.flags.firstActivation || g.flags.atStartScreen) return true;
    if (g.flags.quitConfirmed || g.flags.gameOver) return true;
    g.input.commandPending = true;
    g.input.commandCode = CmdQuit;
    g.flags.windowActive = true;
    return false;
}

void TForm1::FormClose() {
    Game& g = game_;
    if (g.flags.atStartScreen || g.flags.firstActivation) {
        g.host.terminate();
    } else if (g.flags.gameOver || !g.flags.gameRunning) {
        g.input.quitWhileOver = true;
    } else if (!g.flags.modalOpen) {
        g.input.commandPending = true;
        g.input.commandCode = CmdQuit;
    }
}

void TForm1::FormHide() {
    game_.flags.fullRedraw = true;
}

void TForm1::FormClick() {
    Game& g = game_;
    if (g.flags.modalOpen) return;
    g.clock.cycleDone = false;
    if (!g.input.commandPending) {
        g.input.commandPending = true;
        g.input.commandCode = CmdNone;
    }
    g.flags.windowActive = true;
    g.flags.drawingEnabled = true;
}

void TForm1::FormKeyPress(char upperCased) {
    Game& g = game_;
    if (g.flags.modalOpen) return;
    g.input.lastKey = upperCased;
    if (!g.flags.gameRunning) return;
    if (g.input.waiting || g.input.keyboardMove) {
        g.input.keyPressed = true;
        return;
    }
    g.input.keyPressed = false;
    if (upperCased == ' ') {
        g.input.keyboardMove = true;
        g.input.commandPending = false;
        g.input.commandCode = CmdKeyboardMove;
        return;
    }
    g.input.commandPending = true;
    g.input.commandCode = commandForKey(upperCased);
}

void TForm1::FormKeyDown(int key, bool shiftState) {
    Game& g = game_;
    if (g.flags.modalOpen || !g.flags.gameRunning) return;
    g.input.pagingKey = 0;
    const bool paging =
        key == KeyCode::PageUp || key == KeyCode::PageDown || key == KeyCode::End || key == KeyCode::Home;
    if (paging && (g.input.waiting || g.input.keyboardMove)) {
        g.input.commandPending = false;
        g.input.keyPressed = false;
        g.input.clicked = true;
        g.input.pagingKey = key;
    } else if (!shiftState) {
        g.input.keyPressed = true;
    }
}

void TForm1::FormMouseDown(bool rightButton, int x, int y, int screenX, int screenY) {
    Game& g = game_;
    if (g.flags.modalOpen) return;
    if (!g.flags.gameRunning && !g.flags.atStartScreen && !g.flags.gameOver) return;
    g.input.clicked = true;
    const int width = g.console.cellWidth() > 0 ? g.console.cellWidth() : 1;
    const int height = g.console.cellHeight() > 0 ? g.console.cellHeight() : 1;
    g.input.clickColumn = x / width + 1;
    g.input.clickRow = (y - g.console.topOffset()) / height + 1;
    g.input.rightButton = rightButton;
    g.input.clickScreenX = screenX;
    g.input.clickScreenY = screenY;
    g.host.sleepMs(100);
}

void TForm1::Timer1Timer() {
    game_.input.timerFired = true;
    game_.host.setTimerInterval(0);
}

void TForm1::ComponentClick(std::string_view component) {
    Game& g = game_;
    if (component == "New") return NewClick();
    if (component == "Resume") return ResumeClick();
    if (component == "Button1") return Button1Click();
    if (component == "Button2") return Button2Click();
    if (component == "Options1") return OptionsClick();
    // Everything else is ignored while a game dialog is up.
    if (g.flags.modalOpen) return;
    if (component == "Save1") return Save1Click();
    if (component == "SaveAs1") return SaveAs1Click();
    if (component == "Restart1") return RestartClick();
    if (component == "Pause1") return Pause1Click();
    if (component == "Quit1") return FormClose();
    if (component == "About1") return About1Click();
    if (component == "Context") return HelpClick(g.display.helpContext);
    if (component == "Intro1") return HelpClick(HelpIntroduction);
    if (component == "Topics1") return HelpClick(HelpTopics);
    if (component == "Locos1") return HelpClick(HelpLocos);
    if (component == "Bonuses1") return HelpClick(HelpBonuses);
    static constexpr std::string_view PopupItems[] = {"Couple1",   "Uncouple1",  "Water1",
                                                      "LocoInfo1", "TrainInfo1", "Allocate1"};
    for (int i = 0; i < 6; ++i) {
        if (component == PopupItems[i]) {
            g.input.pendingTo = 621 + i;
            return;
        }
    }
}

void TForm1::InfoMouseDown(int x, int y) {
    InfoWindowClick(game_, x, y);
}

void TForm1::InfoClose() {
    InfoWindowClose(game_);
}

void TForm1::HelpClick(int context) {
    if (context != 0) game_.host.openHelp(context);
}

void TForm1::NewClick() {
    Game& g = game_;
    if (!g.flags.atStartScreen) return;
    g.flags.modalOpen = true;
    const GameChoice choice = g.host.selectGameDialog(g.text.simulationName);
    g.flags.modalOpen = false;
    ApplyGameChoice(g.state, choice);
    g.state.clock = g.state.shiftStart;
    SetUpNewGame(g);
    CreateWttFile(g);
    g.state.clock = g.state.shiftStart;
    startGame();
}

void TForm1::startGame() {
    Game& g = game_;
    g.host.focusWindow();
    g.host.setVisible(Widget::New, false);
    g.host.setVisible(Widget::Resume, false);
    g.host.setEnabled(Widget::New, false);
    g.host.setEnabled(Widget::Resume, false);
    MainLoop(g);
}

void TForm1::ResumeClick() {
    Game& g = game_;
    if (!g.flags.atStartScreen) return;
    g.state.clock = -1;
    const auto file = g.host.openFileDialog(savedGameOpenDialog(g.text.workingFolder));
    if (!file) return;
    g.text.savedGameName = cut(*file, SavedGameNameLimit);
    const bool loaded = LoadGame(g, *file);
    if (!loaded || g.state.clock == -1) {
        g.host.messageBox(BoxKind::Error, "Invalid saved game \r\n" + *file + "\r\nPlease choose again.", 0);
        g.state.clock = -1;
        return;
    }
    g.clock.tickPhase = 3;
    g.host.focusWindow();
    g.host.setVisible(Widget::New, false);
    g.host.setVisible(Widget::Resume, false);
    MainLoop(g);
}

void TForm1::RestartClick() {
    Game& g = game_;
    const int clock = g.state.clock;
    g.state.clock = -1;
    const auto file = g.host.openFileDialog(savedGameOpenDialog(g.text.workingFolder));
    // The dialog took the activation; without it back the game would wait for its window for ever.
    g.host.focusWindow();
    if (!file) {
        g.state.clock = clock;
        return;
    }
    g.text.savedGameName = cut(*file, SavedGameNameLimit);
    if (!LoadGame(g, *file)) {
        g.host.messageBox(BoxKind::Error, "Invalid saved game x \r\n" + *file + "\r\nPlease choose again.",
                          0);
    } else if (g.state.clock == -1) {
        g.host.messageBox(BoxKind::Error, "Invalid saved game y \r\n" + *file + "\r\nPlease choose again.",
                          0);
    }
    // A failed load must not leave the running game without a clock.
    if (g.state.clock == -1) g.state.clock = clock;
    g.host.setCaption(Widget::Label7, g.state.dayName);
    g.flags.fullRedraw = true;
    g.host.requestRepaint();
}

void TForm1::Save1Click() {
    Game& g = game_;
    // Until a file has been chosen the position goes under the default name in the working folder.
    if (g.text.savedGameName.empty())
        g.text.savedGameName =
            cut(g.text.workingFolder + g.text.programPrefix + "." + std::string(SavedGameExtension),
                SavedGameNameLimit);
    SaveGame(g, g.text.savedGameName);
}

void TForm1::SaveAs1Click() {
    Game& g = game_;
    const auto file = g.host.saveFileDialog(savedGameSaveDialog(g.text.workingFolder));
    g.host.focusWindow();
    if (!file) return;
    g.text.savedGameName = cut(*file, SavedGameNameLimit);
    g.text.workingFolder = folderOf(*file);
    g.host.setSettingsFolder(g.text.workingFolder);
    g.flags.fullRedraw = true;
    SaveGame(g, g.text.savedGameName);
}

void TForm1::Pause1Click() {
    game_.host.messageBox(BoxKind::Information, "Simulation paused - \r\nClick on OK button to continue", 0);
}

void TForm1::About1Click() {
    game_.host.messageBox(BoxKind::Information,
                          game_.text.simulationName + "\r\nCompiled " + game_.text.executableDate, 0);
}

void TForm1::OptionsClick() {
    Game& g = game_;
    if (g.flags.modalOpen) {
        g.console.PlayCue(2);
        return;
    }
    const int savedContext = g.display.helpContext;
    g.display.helpContext = HelpOptionsOpen;
    g.flags.modalOpen = true;
    ConsoleOptions& o = g.console.options();
    OptionValues values{o.clockRunning, o.scoreLogging, o.sound,   o.waitOnError,
                        o.autoSave,     o.hideLocoData, o.fontSize};
    if (g.host.optionsDialog(values)) {
        const bool clockWasOff = !o.clockRunning;
        o.clockRunning = values.clockRunning;
        o.scoreLogging = values.scoreLogging;
        o.sound = values.sound;
        o.waitOnError = values.waitOnError;
        o.hideLocoData = values.hideLocoData;
        if (values.fontSize != o.fontSize) ChangeFontSize(g, values.fontSize);
        if (clockWasOff && o.clockRunning) {
            g.clock.singleStepRequested = true;
            g.clock.cycleDone = true;
        }
        // The speed panel says at once whether the clock runs, not at the next tick.
        if (g.flags.gameRunning) RefreshTopPanel(g);
    }
    g.flags.modalOpen = false;
    g.display.helpContext = savedContext;
}

void TForm1::Button1Click() {
    SlowerClicked(game_);
    game_.host.focusWindow();
}

void TForm1::Button2Click() {
    FasterClicked(game_);
    game_.host.focusWindow();
}

} // namespace wm
