#include "host/headless/headless_host.h"

#include <algorithm>
#include <filesystem>

#include <unistd.h>

namespace wm {

HeadlessHost::HeadlessHost() {
    for (Widget w : {Widget::Save1, Widget::SaveAs1, Widget::Restart1, Widget::Options1}) enabled_[w] = false;
    for (Widget w : {Widget::Pause1, Widget::Quit1}) enabled_[w] = true;
    visible_[Widget::Label7] = false;
    visible_[Widget::New] = false;
    visible_[Widget::Resume] = false;
    infoGrid_.setTopRows(0);
}

void HeadlessHost::setEventHandler(WindowEvents* handler) {
    handler_ = handler;
    runtime_.setHandler(handler);
}

TextExtent HeadlessHost::measureText(std::string_view text, int pointSize) {
    if (!fontUsable_) return {0, 0};
    // A made-up monospace face: wide enough to keep cells distinct at every size.
    const int width = std::max(1, (pointSize * 2 + 2) / 3);
    const int height = pointSize + pointSize / 3 + 1;
    return {width * static_cast<int>(text.size()), height};
}

void HeadlessHost::setCanvasFont(int pointSize) {
    fontSize_ = pointSize;
    const TextExtent w = measureText("W", pointSize);
    grid_.setCellSize(w.width, w.height + 1);
    infoGrid_.setCellSize(w.width, w.height + 1);
}

void HeadlessHost::drawText(int x, int y, std::string_view text, Colour textColour, Colour background) {
    grid_.drawText(x, y, text, textColour, background);
}

void HeadlessHost::fillRect(int x, int y, int width, int height, Colour colour) {
    grid_.fillRect(x, y, width, height, colour);
}

void HeadlessHost::drawLine(int x1, int y1, int x2, int y2, Colour colour, int penWidth) {
    grid_.drawLine(x1, y1, x2, y2, colour, penWidth);
}

void HeadlessHost::showInfoWindow(const InfoWindowShape& shape) {
    infoShape_ = shape;
    infoShown_ = true;
    infoGrid_.clear();
    runtime_.setInfoCloser([this] {
        if (handler_) handler_->InfoClose();
    });
}

void HeadlessHost::hideInfoWindow() {
    infoShown_ = false;
    runtime_.setInfoCloser({});
}

void HeadlessHost::drawInfoText(int x, int y, std::string_view text, Colour textColour, Colour background) {
    infoGrid_.drawText(x, y, text, textColour, background);
}

void HeadlessHost::fillInfoRect(int x, int y, int width, int height, Colour colour) {
    infoGrid_.fillRect(x, y, width, height, colour);
}

std::string HeadlessHost::infoDump() const {
    return infoGrid_.cellDump(infoShape_.rows, infoShape_.columns);
}

void HeadlessHost::setClientSize(int width, int height) {
    client_ = {width, height};
}

void HeadlessHost::requestRepaint() {
    if (handler_ && !terminated_) handler_->FormPaint();
}

void HeadlessHost::setCaption(Widget widget, std::string_view caption) {
    captions_[widget] = std::string(caption);
}
void HeadlessHost::setVisible(Widget widget, bool visible) {
    visible_[widget] = visible;
}
void HeadlessHost::setEnabled(Widget widget, bool enabled) {
    enabled_[widget] = enabled;
}

const std::string& HeadlessHost::caption(Widget w) const {
    static const std::string none;
    const auto it = captions_.find(w);
    return it == captions_.end() ? none : it->second;
}

bool HeadlessHost::visible(Widget w) const {
    const auto it = visible_.find(w);
    return it == visible_.end() ? true : it->second;
}

bool HeadlessHost::enabled(Widget w) const {
    const auto it = enabled_.find(w);
    return it == enabled_.end() ? true : it->second;
}

void HeadlessHost::setWindowTitle(std::string_view caption, std::string_view title) {
    windowCaption = caption;
    applicationTitle = title;
}

void HeadlessHost::processEvents(bool waitingForPlayer) {
    // An ended program takes no more input, as the window's event loop has quit.
    if (terminated_) return;
    runtime_.processEvents(waitingForPlayer);
}

void HeadlessHost::messageShown(std::string_view kind, std::string_view text) {
    runtime_.messageShown(kind, text);
}

void HeadlessHost::messageBox(BoxKind kind, std::string_view text, int helpContext) {
    runtime_.messageBox(kind, text, helpContext);
}

bool HeadlessHost::askYesNo(std::string_view question) {
    return runtime_.askYesNo(question);
}

std::optional<std::string> HeadlessHost::inputBox(std::string_view, std::string_view prompt,
                                                  std::string_view defaultText) {
    return runtime_.inputBox(prompt, defaultText);
}

std::optional<std::string> HeadlessHost::openFileDialog(const FileDialogOptions& options) {
    return runtime_.openFileDialog(options);
}

std::optional<std::string> HeadlessHost::saveFileDialog(const FileDialogOptions& options) {
    return runtime_.saveFileDialog(options);
}

GameChoice HeadlessHost::selectGameDialog(std::string_view) {
    return runtime_.selectGameDialog();
}

bool HeadlessHost::optionsDialog(OptionValues& values) {
    return runtime_.optionsDialog(values);
}

void HeadlessHost::popupActionMenu(int, int) {
    const auto item = runtime_.popupActionMenu();
    if (item && handler_) handler_->ComponentClick(*item);
}

void HeadlessHost::playSound(std::string_view fileName, bool) {
    runtime_.playSound(fileName);
}

bool HeadlessHost::registerFont(const std::string& path) {
    fontRegistered_ = fileExists(path);
    return fontRegistered_;
}

std::string HeadlessHost::programFilesFolder() {
    return programFilesFolder_.empty() ? executableFolder_ : programFilesFolder_;
}

std::string HeadlessHost::writableFolder(const std::string& folder) {
    if (userDataFolder_.empty()) return folder;
    std::error_code ignored;
    if (!folder.empty() && std::filesystem::is_directory(folder, ignored) &&
        ::access(folder.c_str(), W_OK) == 0)
        return folder;
    std::filesystem::create_directories(userDataFolder_, ignored);
    return userDataFolder_;
}

bool HeadlessHost::fileExists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

std::optional<std::string> HeadlessHost::readSetting(std::string_view section, std::string_view key) {
    return runtime_.readSetting(section, key);
}

void HeadlessHost::writeSetting(std::string_view section, std::string_view key, std::string_view value) {
    runtime_.writeSetting(section, key, value);
}

std::string HeadlessHost::screenDump() const {
    return grid_.screenDump(visible(Widget::New), visible(Widget::Resume));
}

} // namespace wm
