#include "drive_window/window_target.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include "host/qt/qt_host.h"
#include "session/main_window.h"

namespace wm {

namespace {

/// The Qt key and its text for a virtual key code and the character it types.
std::pair<int, QString> qtKey(int virtualKey, char typed) {
    switch (virtualKey) {
    case KeyCode::PageUp:
        return {Qt::Key_PageUp, {}};
    case KeyCode::PageDown:
        return {Qt::Key_PageDown, {}};
    case KeyCode::End:
        return {Qt::Key_End, {}};
    case KeyCode::Home:
        return {Qt::Key_Home, {}};
    case KeyCode::Left:
        return {Qt::Key_Left, {}};
    case KeyCode::Up:
        return {Qt::Key_Up, {}};
    case KeyCode::Right:
        return {Qt::Key_Right, {}};
    case KeyCode::Down:
        return {Qt::Key_Down, {}};
    case KeyCode::Escape:
        return {Qt::Key_Escape, QString(QChar(27))};
    case KeyCode::Enter:
        return {Qt::Key_Return, QString(QChar('\r'))};
    case KeyCode::Space:
        return {Qt::Key_Space, QString(" ")};
    default:
        break;
    }
    const QString text = typed ? QString(QChar::fromLatin1(typed)) : QString();
    return {virtualKey, text};
}

class WindowTarget : public DriveTarget {
  public:
    WindowTarget() { host_.driveBy(&runtime_); }
    ~WindowTarget() override {
        host_.driveBy(nullptr);
        host_.setEventHandler(nullptr);
    }

    Host& host() override { return host_; }
    ScriptRuntime& runtime() override { return runtime_; }

    void attach(TForm1& window) override {
        window_ = &window;
        host_.setEventHandler(&window);
        runtime_.setHandler(&window);
    }

    bool startUp() override {
        if (!window_->FormCreate()) return false;
        host_.show();
        host_.ensureActivated();
        QApplication::processEvents();
        return !host_.terminated();
    }

    bool terminated() const override { return host_.terminated(); }

    void click(int x, int y, bool right) override {
        QWidget* canvas = host_.canvasWidget();
        const QPointF local(x, y);
        const QPointF global = canvas->mapToGlobal(local);
        const Qt::MouseButton button = right ? Qt::RightButton : Qt::LeftButton;
        QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
        QApplication::sendEvent(canvas, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &release);
    }

    void key(int virtualKey, char typed) override {
        const auto [qkey, text] = qtKey(virtualKey, typed);
        QKeyEvent press(QEvent::KeyPress, qkey, Qt::NoModifier, text);
        QApplication::sendEvent(&host_, &press);
    }

    void menu(std::string_view component) override {
        static const std::pair<std::string_view, Widget> buttons[] = {{"New", Widget::New},
                                                                      {"Resume", Widget::Resume},
                                                                      {"Button1", Widget::Button1},
                                                                      {"Button2", Widget::Button2}};
        for (const auto& [name, widget] : buttons) {
            if (name != component) continue;
            // A hidden or disabled button cannot be pressed. The game runs inside the press (the start
            // buttons run the whole game) and the script's end unwinds it, so the handler is called here
            // rather than through the button's signal.
            if (QPushButton* b = host_.button(widget); b && !b->isHidden() && b->isEnabled())
                window_->ComponentClick(component);
            return;
        }
        if (QAction* item = host_.action(component); item && item->isEnabled()) item->trigger();
    }

    void close() override { host_.close(); }

    std::string screenDump() const override { return host_.screenDump(); }

    std::string caption(Widget widget) const override { return host_.caption(widget); }

    bool picture(const std::string& path, std::string& why) override {
        if (host_.savePicture(path)) return true;
        why = "picture: cannot write " + path;
        return false;
    }

  private:
    QtHost host_;
    ScriptRuntime runtime_;
    TForm1* window_ = nullptr;
};

} // namespace

std::unique_ptr<DriveTarget> makeWindowTarget() {
    return std::make_unique<WindowTarget>();
}

} // namespace wm
