#include "drive_window/window_target.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include "host/qt/info_window.h"
#include "host/qt/qt_host.h"
#include "session/main_window.h"

namespace wm {

namespace {

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
        const QString text = typed ? QString(QChar::fromLatin1(typed)) : QString();
        QKeyEvent press(QEvent::KeyPress, QtHost::qtKeyFor(virtualKey), Qt::NoModifier, text);
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

    void clickInfo(int x, int y) override {
        InfoWindow* info = host_.infoWindow();
        if (!info || !info->isVisible()) return;
        QWidget* canvas = info->canvas();
        const QPointF local(x, y);
        const QPointF global = canvas->mapToGlobal(local);
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(canvas, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(canvas, &release);
    }

    std::string screenDump() const override { return host_.screenDump(); }
    std::string infoDump() const override { return host_.infoDump(); }

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
