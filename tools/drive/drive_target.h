#pragma once
// The window a script plays: the headless host, or the real desktop window offscreen. Input goes in the
// way each host takes it (handlers called directly, or real mouse and key events), so a script that
// passes on one passes on the other.

#include <memory>
#include <string>
#include <string_view>

#include "host/host.h"
#include "host/record/script_runtime.h"

namespace wm {

class TForm1;

class DriveTarget {
  public:
    virtual ~DriveTarget() = default;

    virtual Host& host() = 0;
    virtual ScriptRuntime& runtime() = 0;
    /// The game's window logic the events go to; set once, before start-up.
    virtual void attach(TForm1& window) = 0;
    /// Starts the program as the desktop does: creation checks, then the first activation.
    virtual bool startUp() = 0;
    virtual bool terminated() const = 0;

    /// A press (and for the left button a release) at a client-area pixel.
    virtual void click(int x, int y, bool right) = 0;
    /// A key by its virtual key code, with the character it types (0 for none).
    virtual void key(int virtualKey, char typed) = 0;
    /// A menu item, pop-up item or button by component name; a disabled one does nothing.
    virtual void menu(std::string_view component) = 0;
    /// The window's close box.
    virtual void close() = 0;
    /// A left press and release at a pixel of the information window's canvas.
    virtual void clickInfo(int x, int y) = 0;

    virtual std::string screenDump() const = 0;
    /// The information window's cells, its own rows and columns, in the screen file's format.
    virtual std::string infoDump() const = 0;
    virtual std::string caption(Widget widget) const = 0;
    /// Saves a PNG of the whole window; false with `why` set when there is no picture to save.
    virtual bool picture(const std::string& path, std::string& why) = 0;
};

/// The headless host, with `executableFolder` the driver's own; the game's files are found from there.
std::unique_ptr<DriveTarget> makeHeadlessTarget(std::string executableFolder);

} // namespace wm
