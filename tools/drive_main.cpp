// wendmoor-drive [--window] [--seed N] SCRIPT: plays the game from a script, on the headless host or on
// the real window.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "drive/driver.h"

#ifdef WENDMOOR_DRIVE_WINDOW
#include <QApplication>

#include "drive_window/window_target.h"
#endif

namespace {
constexpr const char* Usage = "usage: wendmoor-drive [--window] [--seed N] SCRIPT\n";

std::string executableFolder(const char* argv0) {
    std::error_code ignored;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ignored);
    if (path.empty()) path = std::filesystem::absolute(argv0);
    return path.parent_path().string() + "/";
}

int play(wm::Driver& driver, const std::string& script, const std::vector<std::string>& lines) {
    std::string error;
    const int status = driver.run(script, lines, error);
    if (status != 0) std::cerr << error << "\n";
    return status;
}
} // namespace

int main(int argc, char** argv) {
    unsigned seed = 1958;
    bool window = false;
    std::string script;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seed" && i + 1 < argc) {
            try {
                seed = static_cast<unsigned>(std::stoul(argv[++i]));
            } catch (const std::exception&) {
                std::cerr << Usage;
                return 2;
            }
        } else if (arg == "--window") {
            window = true;
        } else if (script.empty() && arg.rfind("--", 0) != 0) {
            script = arg;
        } else {
            std::cerr << Usage;
            return 2;
        }
    }
    if (script.empty()) {
        std::cerr << Usage;
        return 2;
    }
    std::ifstream in(script);
    if (!in) {
        std::cerr << "wendmoor-drive: cannot read " << script << "\n";
        return 2;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (!window) {
        auto driver = std::make_unique<wm::Driver>(executableFolder(argv[0]), seed);
        return play(*driver, script, lines);
    }
#ifdef WENDMOOR_DRIVE_WINDOW
    // Offscreen unless a display platform was asked for, on a screen the size of a common desktop so the
    // game picks a readable font size.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const auto config = std::filesystem::temp_directory_path() / "wendmoor-drive-screen.json";
        std::ofstream(config) << R"({"screens":[{"name":"desktop","x":0,"y":0,"width":1920,"height":1080,)"
                                 R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})";
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.string()).c_str());
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName("wendmoor");
    auto driver = std::make_unique<wm::Driver>(wm::makeWindowTarget(), seed);
    const int status = play(*driver, script, lines);
    driver.reset();
    return status;
#else
    std::cerr << "wendmoor-drive: this build has no window (--window needs the Qt build)\n";
    return 2;
#endif
}
