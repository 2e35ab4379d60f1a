#pragma once
// The desktop host: a Qt main window whose client area is an image the console draws into.

#include <QElapsedTimer>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QMainWindow>
#include <QMap>
#include <QTimer>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/record/cell_grid.h"

class QAction;
class QEventLoop;
class QLabel;
class QMenu;
class QPushButton;
class QSettings;
class QSoundEffect;

namespace wm {

class EndDialog;
class HelpWindow;
class InfoWindow;
class ScriptRuntime;
class QtHost;

/// The client area: shows the console image and hands mouse events to the game.
class ConsoleCanvas : public QWidget {
    Q_OBJECT
  public:
    explicit ConsoleCanvas(QWidget* parent);
    QImage image;
    WindowEvents* events = nullptr;
    QtHost* owner = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class QtHost : public QMainWindow, public Host {
    Q_OBJECT
  public:
    QtHost();
    ~QtHost() override;

    bool terminated() const { return terminated_; }
    /// The image of the client area, for screenshots.
    const QImage& canvasImage() const { return canvas_->image; }
    /// The cells the console has drawn, as the driver's screen file shows them.
    const CellGrid& cells() const { return grid_; }
    std::string screenDump() const;
    /// The whole window, menu bar and top panel included, with the end-of-session dialog over it once that
    /// has been shown; false when it cannot be written.
    bool savePicture(const std::string& path);
    /// Lets a script play the window: its clock, timer, dialogs, boxes, sounds and settings are the script's,
    /// while drawing, widgets, menus and input events stay the window's own.
    void driveBy(ScriptRuntime* runtime);
    QWidget* canvasWidget() const { return canvas_; }
    /// A menu or pop-up item by component name, or nullptr.
    QAction* action(std::string_view component) const;
    QPushButton* button(Widget widget) const { return buttons_.value(widget, nullptr); }
    /// The Qt key for a virtual key code of the game: the inverse of what key events are read as.
    static int qtKeyFor(int virtualKey);
    /// What a label, button or menu item shows now (Latin-1).
    std::string caption(Widget widget) const;
    /// Runs the first activation if the platform has not sent one (some platforms never activate).
    void ensureActivated();
    /// The information window's cells as the driver's info file shows them; its widget while it is shown.
    std::string infoDump() const;
    InfoWindow* infoWindow() const { return info_.get(); }
    /// The wave files sounding now (or loading to sound).
    std::vector<std::string> soundsPlaying() const;

    // Host
    TextExtent measureText(std::string_view text, int pointSize) override;
    void setCanvasFont(int pointSize) override;
    void drawText(int x, int y, std::string_view text, Colour text_colour, Colour background) override;
    void fillRect(int x, int y, int width, int height, Colour colour) override;
    void drawLine(int x1, int y1, int x2, int y2, Colour colour, int penWidth) override;
    void setClientSize(int width, int height) override;
    ScreenSize screenSize() override;
    void layoutTopPanel(int fontSize, int cellWidth, int cellHeight) override;
    void requestRepaint() override;
    void showInfoWindow(const InfoWindowShape& shape) override;
    void hideInfoWindow() override;
    void drawInfoText(int x, int y, std::string_view text, Colour text_colour, Colour background) override;
    void fillInfoRect(int x, int y, int width, int height, Colour colour) override;
    void setCaption(Widget widget, std::string_view caption) override;
    void setVisible(Widget widget, bool visible) override;
    void setEnabled(Widget widget, bool enabled) override;
    void setWindowTitle(std::string_view caption, std::string_view applicationTitle) override;
    void focusWindow() override;
    void popupActionMenu(int screenX, int screenY) override;
    void processEvents(bool waitingForPlayer) override;
    void sleepMs(int milliseconds) override;
    std::int64_t timeOfDayMs() override;
    void setTimerInterval(int milliseconds) override;
    void terminate() override;
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
                            std::string_view pointScore, std::string_view perCent) override;
    void playSound(std::string_view fileName, bool wait) override;
    void openHelp(int context) override;
    bool registerFont(const std::string& path) override;
    void unregisterFont() override;
    std::string executableFolder() override;
    std::string programFilesFolder() override;
    std::string writableFolder(const std::string& folder) override;
    /// Running from an installed share layout rather than from a build folder.
    bool installed();
    std::string executableDate() override;
    bool fileExists(const std::string& path) override;
    std::optional<std::string> readSetting(std::string_view section, std::string_view key) override;
    void writeSetting(std::string_view section, std::string_view key, std::string_view value) override;
    bool flushSettings() override;
    void setSettingsFolder(const std::string& folder) override;

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    friend class ConsoleCanvas;
    /// Ends every wait in progress: input or the timer has arrived.
    void wake();
    void buildMenus();
    void buildPanel();
    void placeStartButtons();
    QFont consoleFont(int pointSize) const;
    /// Text in the console font, a character a cell, opaque over the text's height.
    void paintText(QImage& image, int x, int y, std::string_view text, Colour textColour, Colour background);
    std::optional<std::string> runFileDialog(const FileDialogOptions& options, bool save);
    QAction* addItem(QMenu* menu, const char* component, const QString& caption,
                     const QKeySequence& shortcut = {});
    QWidget* widgetFor(Widget widget) const;
    QSettings& settings();

    WindowEvents* events_ = nullptr;
    ConsoleCanvas* canvas_ = nullptr;
    QWidget* panel_ = nullptr;
    QMap<Widget, QLabel*> labels_;
    QMap<Widget, QPushButton*> buttons_;
    QMap<Widget, QAction*> actions_;
    QMenu* popup_ = nullptr;
    QTimer timer_;
    int fontId_ = -1;
    QString fontFamily_;
    int canvasFontSize_ = 12;
    QFont canvasFont_;
    std::unique_ptr<QFontMetrics> canvasMetrics_; // measured once per font size, used by every drawText
    int cellHeight_ = 0;
    int cellWidth_ = 1;
    bool terminated_ = false;
    bool activatedOnce_ = false;
    std::unique_ptr<QSettings> settings_;
    QString settingsFolder_;
    /// One loaded effect per wave file, so a cue plays at once the second time; the last started one can
    /// be stopped by the next.
    std::map<std::string, std::unique_ptr<QSoundEffect>> sounds_;
    QSoundEffect* playing_ = nullptr;
    std::unique_ptr<HelpWindow> help_;
    /// Under a script, the end-of-session dialog stays up once answered, as the last thing shown.
    std::unique_ptr<EndDialog> endDialog_;
    CellGrid grid_;
    std::unique_ptr<InfoWindow> info_;
    CellGrid infoGrid_;
    InfoWindowShape infoShape_;
    ScriptRuntime* script_ = nullptr;
    std::vector<QEventLoop*> waits_; // the sleeps in progress, innermost last
    QString applicationTitle_;
};

} // namespace wm
