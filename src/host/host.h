#pragma once
// The one door from the game to the platform. The game (console .. rules) includes this and nothing of Qt;
// the desktop host and the headless host implement it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wm {

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Colour, Colour) = default;
};

/// Size of one character of the console font ("W"), in pixels.
struct TextExtent {
    int width = 0;
    int height = 0;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

enum class BoxKind {
    Error,       // red cross, OK
    Warning,     // exclamation, OK
    Information, // "i", OK
};

/// Window parts whose caption, visibility or enabling the game changes.
enum class Widget {
    Label1,   // "Speed" / "Single"
    Label2,   // speed label / "Step"
    Label3,   // "Time is"
    Label4,   // the game time with tick dots
    Label5,   // "Points gained:" / "Points lost:  "
    Label6,   // absolute score
    Label7,   // day name
    ScrTitle, // title of the current screen
    Button1,  // slower
    Button2,  // faster / one step
    New,      // start screen: "Start New Game"
    Resume,   // start screen: "Resume Saved Game"
    // main menu items
    Save1,
    SaveAs1,
    Pause1,
    Restart1,
    Quit1,
    Options1,
};

/// Parameters of an open or save file dialog.
struct FileDialogOptions {
    std::string title;      // empty: the platform's default title
    std::string defaultExt; // without the dot
    std::string fileName;   // proposed name
    std::string filter;     // "Description|*.ext|All|*.*"
    std::string folder;     // initial folder; empty: the platform's choice
    bool mustExist = false; // open dialogs: path and file must exist
};

/// What the select-game dialog returns: item positions counted from 0, -1 when nothing is selected.
struct GameChoice {
    int difficultyItem = 0;
    int dayItem = -1;
};

/// The options the options dialog edits.
struct OptionValues {
    bool clockRunning = true;
    bool scoreLogging = false;
    bool sound = true;
    bool waitOnError = false;
    bool autoSave = false;
    bool hideLocoData = false;
    int fontSize = 12;
};

/// Where the information window stands and what it holds. Its client area starts at the top-left of its
/// canvas (no panel above it); the "&Close" button sits at its bottom right.
struct InfoWindowShape {
    std::string caption;
    int rows = 0; // the cells the game draws in, for the record
    int columns = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    int left = 0; // the window's outer top-left on the screen
    int top = 0;
    int helpContext = 0; // what the help key opens while it is up
};

/// Where both hosts put the start screen's buttons: centred, on these console rows.
inline constexpr int NewButtonRow = 14;
inline constexpr int ResumeButtonRow = 17;

/// Handlers the platform calls; the game's main window implements them. They only set flags and
/// post commands, except where the game's own loops run inside them (New, Resume).
class WindowEvents {
  public:
    virtual ~WindowEvents() = default;
    virtual void FormActivate() = 0;
    virtual void FormDeactivate() = 0;
    virtual void FormPaint() = 0;
    virtual bool FormCloseQuery() = 0;
    /// After FormCloseQuery allowed it: the window decides what closing means now.
    virtual void FormClose() = 0;
    virtual void FormHide() = 0;
    virtual void FormClick() = 0;
    virtual void FormKeyPress(char upperCased) = 0;
    /// key: one of the KeyCode values below or a character code; shiftState: Shift, Alt or Ctrl held.
    virtual void FormKeyDown(int key, bool shiftState) = 0;
    virtual void FormMouseDown(bool rightButton, int x, int y, int screenX, int screenY) = 0;
    virtual void Timer1Timer() = 0;
    /// A click on a button or a menu item, by its component name ("NewClick" -> "New", "Save1", ...).
    virtual void ComponentClick(std::string_view component) = 0;
    /// A press on the information window's canvas, in its client pixels.
    virtual void InfoMouseDown(int x, int y) = 0;
    /// The information window's Close button or close box.
    virtual void InfoClose() = 0;
};

/// Virtual key codes the game distinguishes (those of the original platform).
namespace KeyCode {
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Escape = 27;
inline constexpr int Enter = 13;
inline constexpr int Space = 32;
inline constexpr int F1 = 112;
inline constexpr int F3 = 114;
inline constexpr int F12 = 123;
} // namespace KeyCode

class Host {
  public:
    virtual ~Host() = default;

    // --- the canvas (client-area pixels; text is Latin-1, one byte a character) ---
    /// Extent of `text` in the console font at `pointSize`; width 0 when the font cannot be used.
    virtual TextExtent measureText(std::string_view text, int pointSize) = 0;
    virtual void setCanvasFont(int pointSize) = 0;
    virtual void drawText(int x, int y, std::string_view text, Colour text_colour, Colour background) = 0;
    virtual void fillRect(int x, int y, int width, int height, Colour colour) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2, Colour colour, int penWidth) = 0;
    /// Sets the client area, centres the window on the screen and keeps the player from resizing it.
    virtual void setClientSize(int width, int height) = 0;
    virtual ScreenSize screenSize() = 0;
    /// Re-lays out the top panel for a console font size and cell metrics.
    virtual void layoutTopPanel(int fontSize, int cellWidth, int cellHeight) = 0;
    /// Asks for FormPaint to run soon (after the window was uncovered, a dialog closed, ...).
    virtual void requestRepaint() = 0;

    // --- the information window: a second canvas in a window of its own, never resized by the player ---
    /// Shows it (cleared to black) over the main window; the game runs the wait until it is closed.
    virtual void showInfoWindow(const InfoWindowShape& shape) = 0;
    virtual void hideInfoWindow() = 0;
    virtual void drawInfoText(int x, int y, std::string_view text, Colour text_colour, Colour background) = 0;
    virtual void fillInfoRect(int x, int y, int width, int height, Colour colour) = 0;

    // --- window parts ---
    virtual void setCaption(Widget widget, std::string_view caption) = 0;
    virtual void setVisible(Widget widget, bool visible) = 0;
    virtual void setEnabled(Widget widget, bool enabled) = 0;
    virtual void setWindowTitle(std::string_view caption, std::string_view applicationTitle) = 0;
    virtual void focusWindow() = 0;
    /// Shows the right-click action menu at a screen position and returns once an item was chosen (its
    /// component click has then been delivered) or the menu was dismissed.
    virtual void popupActionMenu(int screenX, int screenY) = 0;

    // --- events and time ---
    /// Delivers pending window events to the handlers. `waitingForPlayer` is true in the loops that wait
    /// for the player's next input; a scripted host feeds its next input only there.
    virtual void processEvents(bool waitingForPlayer) = 0;
    virtual void sleepMs(int milliseconds) = 0;
    /// Milliseconds since midnight of the platform's time of day.
    virtual std::int64_t timeOfDayMs() = 0;
    /// Starts the one-shot timer (Timer1) with an interval; 0 stops it.
    virtual void setTimerInterval(int milliseconds) = 0;
    /// Ends the application once the current handler returns.
    virtual void terminate() = 0;
    virtual void setEventHandler(WindowEvents* handler) = 0;

    /// Tells the platform which message the console has shown ("error", "notice", "bonus"); only a
    /// recording host keeps it.
    virtual void messageShown(std::string_view kind, std::string_view text) = 0;

    // --- boxes and dialogs (all modal) ---
    virtual void messageBox(BoxKind kind, std::string_view text, int helpContext) = 0;
    virtual bool askYesNo(std::string_view question) = 0;
    /// A one-line input box; nullopt when cancelled.
    virtual std::optional<std::string> inputBox(std::string_view title, std::string_view prompt,
                                                std::string_view defaultText) = 0;
    virtual std::optional<std::string> openFileDialog(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> saveFileDialog(const FileDialogOptions& options) = 0;
    /// The select-game dialog; it closes only through its OK button.
    virtual GameChoice selectGameDialog(std::string_view simulationName) = 0;
    /// The options dialog; true when closed with OK (values then hold the player's choice).
    virtual bool optionsDialog(OptionValues& values) = 0;
    /// The end-of-session dialog with its four labels; returns once it is closed.
    virtual void endOfSessionDialog(std::string_view simulationName, std::string_view rating,
                                    std::string_view pointScore, std::string_view perCent) = 0;

    // --- sound, help, font, files ---
    /// Plays a wave file from the program's files folder; `wait` returns only when it has finished.
    virtual void playSound(std::string_view fileName, bool wait) = 0;
    virtual void openHelp(int context) = 0;
    /// Makes the font file usable by this program only; false when it cannot be used.
    virtual bool registerFont(const std::string& path) = 0;
    virtual void unregisterFont() = 0;
    /// Folder of the executable, with a trailing '/'.
    virtual std::string executableFolder() = 0;
    /// Folder of the program's own files (font, help book, sound cues, data tables), with a trailing '/':
    /// the executable's folder in a build, the share folder of an installed copy.
    virtual std::string programFilesFolder() = 0;
    /// The folder itself (with a trailing '/') when it can be written; otherwise the user's own data
    /// folder for the program, made if missing, where an installed copy keeps its score log and saved games.
    virtual std::string writableFolder(const std::string& folder) = 0;
    /// Modification date of the executable as text.
    virtual std::string executableDate() = 0;
    virtual bool fileExists(const std::string& path) = 0;

    // --- settings file (INI, one section) ---
    virtual std::optional<std::string> readSetting(std::string_view section, std::string_view key) = 0;
    virtual void writeSetting(std::string_view section, std::string_view key, std::string_view value) = 0;
    /// Writes pending settings out; false when the file could not be written.
    virtual bool flushSettings() = 0;
    /// Where the settings file lives: the working folder when it is writable.
    virtual void setSettingsFolder(const std::string& folder) = 0;
};

} // namespace wm
