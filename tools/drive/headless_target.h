#pragma once
// Scripts played on the headless host: the window's handlers are called as the desktop window calls them.

#include "drive/drive_target.h"
#include "host/headless/headless_host.h"
#include "session/main_window.h"

namespace wm {

class HeadlessTarget : public DriveTarget {
  public:
    explicit HeadlessTarget(std::string executableFolder);

    HeadlessHost& headless() { return host_; }

    Host& host() override { return host_; }
    ScriptRuntime& runtime() override { return host_.runtime(); }
    void attach(TForm1& window) override;
    bool startUp() override;
    bool terminated() const override { return host_.terminated(); }
    void click(int x, int y, bool right) override;
    void key(int virtualKey, char typed) override;
    void menu(std::string_view component) override;
    void close() override;
    void clickInfo(int x, int y) override { window_->InfoMouseDown(x, y); }
    std::string screenDump() const override { return host_.screenDump(); }
    std::string infoDump() const override { return host_.infoDump(); }
    std::string caption(Widget widget) const override { return host_.caption(widget); }
    bool picture(const std::string& path, std::string& why) override;

  private:
    HeadlessHost host_;
    TForm1* window_ = nullptr;
};

} // namespace wm
