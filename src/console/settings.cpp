#include "console/settings.h"

#include <charconv>
#include <string>

namespace wm {

namespace {
constexpr std::string_view Section = "WM58";

int readInt(Host& host, std::string_view key, int fallback) {
    const auto text = host.readSetting(Section, key);
    if (!text) return fallback;
    int value = 0;
    const char* first = text->data();
    const char* last = first + text->size();
    while (first < last && *first == ' ') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last ? value : fallback;
}

bool readBool(Host& host, std::string_view key, bool fallback) {
    const auto text = host.readSetting(Section, key);
    if (!text) return fallback;
    std::string v;
    for (char ch : *text)
        if (ch != ' ') v += static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    if (v == "1" || v == "true") return true;
    if (v == "0" || v == "false") return false;
    return fallback;
}

void writeBool(Host& host, std::string_view key, bool value) {
    host.writeSetting(Section, key, value ? "1" : "0");
}
} // namespace

ConsoleOptions ReadSettings(Host& host, int currentFontSize) {
    ConsoleOptions o;
    o.speed = readInt(host, "Speed", 5);
    o.fontSize = readInt(host, "Font", currentFontSize);
    o.scoreLogging = readBool(host, "Log", false);
    o.sound = readBool(host, "Sound", true);
    o.waitOnError = readBool(host, "Wait", false);
    o.clockRunning = readBool(host, "Clock", true);
    o.autoSave = readBool(host, "AutoSave", false);
    o.hideLocoData = readBool(host, "HideLoco", false);
    return o;
}

bool WriteSettings(Host& host, const ConsoleOptions& o) {
    host.writeSetting(Section, "Speed", std::to_string(o.speed));
    host.writeSetting(Section, "Font", std::to_string(o.fontSize));
    writeBool(host, "Log", o.scoreLogging);
    writeBool(host, "Sound", o.sound);
    writeBool(host, "Wait", o.waitOnError);
    writeBool(host, "Clock", o.clockRunning);
    writeBool(host, "AutoSave", o.autoSave);
    writeBool(host, "HideLoco", o.hideLocoData);
    return host.flushSettings();
}

} // namespace wm
