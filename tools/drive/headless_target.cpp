#include "drive/headless_target.h"

#include <map>

#include "host/record/program_files.h"
#include "session/main_window.h"

namespace wm {

HeadlessTarget::HeadlessTarget(std::string executableFolder) {
    host_.setProgramFilesFolder(programFilesFolder(executableFolder));
    host_.setExecutableFolder(std::move(executableFolder));
}

std::unique_ptr<DriveTarget> makeHeadlessTarget(std::string executableFolder) {
    return std::make_unique<HeadlessTarget>(std::move(executableFolder));
}

void HeadlessTarget::attach(TForm1& window) {
    window_ = &window;
    host_.setEventHandler(&window);
}

bool HeadlessTarget::startUp() {
    if (!window_->FormCreate()) return false;
    window_->FormActivate();
    return !host_.terminated();
}

void HeadlessTarget::click(int x, int y, bool right) {
    window_->FormMouseDown(right, x, y, x, y);
    // The click handler follows a left button's release only.
    if (!right) window_->FormClick();
}

void HeadlessTarget::key(int virtualKey, char typed) {
    window_->FormKeyDown(virtualKey, false);
    if (typed) window_->FormKeyPress(typed);
}

void HeadlessTarget::menu(std::string_view component) {
    // The items the game enables and disables; the window ignores a disabled one.
    static const std::map<std::string_view, Widget> switched{
        {"Save1", Widget::Save1},       {"SaveAs1", Widget::SaveAs1}, {"Pause1", Widget::Pause1},
        {"Restart1", Widget::Restart1}, {"Quit1", Widget::Quit1},     {"Options1", Widget::Options1},
        {"New", Widget::New},           {"Resume", Widget::Resume},   {"Button1", Widget::Button1},
        {"Button2", Widget::Button2}};
    if (const auto w = switched.find(component); w != switched.end()) {
        if (!host_.enabled(w->second) || !host_.visible(w->second)) return;
    }
    window_->ComponentClick(component);
}

void HeadlessTarget::close() {
    // As the desktop window's close event: the game decides.
    if (window_->FormCloseQuery()) window_->FormClose();
}

bool HeadlessTarget::picture(const std::string&, std::string& why) {
    why = "picture: the headless host draws no pixels; run the script with --window";
    return false;
}

} // namespace wm
