// wendmoor-drive [--seed N] SCRIPT: plays the game on the headless host from a script.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "drive/driver.h"

namespace {
std::string executableFolder(const char* argv0) {
    std::error_code ignored;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ignored);
    if (path.empty()) path = std::filesystem::absolute(argv0);
    return path.parent_path().string() + "/";
}
} // namespace

int main(int argc, char** argv) {
    unsigned seed = 1958;
    std::string script;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seed" && i + 1 < argc) {
            seed = static_cast<unsigned>(std::stoul(argv[++i]));
        } else if (script.empty() && arg.rfind("--", 0) != 0) {
            script = arg;
        } else {
            std::cerr << "usage: wendmoor-drive [--seed N] SCRIPT\n";
            return 2;
        }
    }
    if (script.empty()) {
        std::cerr << "usage: wendmoor-drive [--seed N] SCRIPT\n";
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
    auto driver = std::make_unique<wm::Driver>(executableFolder(argv[0]), seed);
    std::string error;
    const int status = driver->run(script, lines, error);
    if (status != 0) std::cerr << error << "\n";
    return status;
}
