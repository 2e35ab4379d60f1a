// Every scenario script plays the same on the headless host and on the real window: the same screens,
// messages and state, file for file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <unistd.h>

#include "drive/driver.h"
#include "drive_window/window_target.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> scriptLines(const fs::path& script, const fs::path& out) {
    std::ifstream in(script);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        for (auto at = line.find("%OUT%"); at != std::string::npos; at = line.find("%OUT%"))
            line.replace(at, 5, out.string());
        lines.push_back(line);
    }
    return lines;
}

/// The files a run wrote, by name. The font size is left out of the state: it follows the screen the
/// window opens on. A file that names where it was written names the folder as the script does.
std::map<std::string, std::string> outputs(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        std::string content = text.str();
        if (entry.path().extension() == ".json")
            content = std::regex_replace(content, std::regex("\"fontSize\":[0-9]+,"), "");
        for (auto at = content.find(folder.string()); at != std::string::npos;
             at = content.find(folder.string(), at))
            content.replace(at, folder.string().size(), "%OUT%");
        files[entry.path().filename().string()] = content;
    }
    return files;
}

/// The first line where two texts differ, for the failure message.
std::string firstDifference(const std::string& a, const std::string& b) {
    std::istringstream x(a), y(b);
    std::string l1, l2;
    for (int line = 1;; ++line) {
        const bool more1 = static_cast<bool>(std::getline(x, l1));
        const bool more2 = static_cast<bool>(std::getline(y, l2));
        if (!more1 && !more2) return "";
        if (l1 != l2 || more1 != more2)
            return "line " + std::to_string(line) + ":\n  headless: " + l1 + "\n  window:   " + l2;
    }
}

class HostParity : public ::testing::TestWithParam<std::string> {};

TEST_P(HostParity, TheScriptGivesTheSameFilesOnBothHosts) {
    const fs::path script = fs::path(WENDMOOR_TESTS_DIR) / "scripts" / GetParam();
    const fs::path root = fs::temp_directory_path() / ("wm58-parity-" + std::to_string(::getpid()));
    const fs::path headlessOut = root / "headless", windowOut = root / "window";
    fs::remove_all(root);
    fs::create_directories(headlessOut);
    fs::create_directories(windowOut);

    // Each run starts in a folder of its own, where the game writes its score log.
    const fs::path started = fs::current_path();
    std::string error;
    int status = 0;
    {
        fs::create_directories(root / "headless-run");
        fs::current_path(root / "headless-run");
        wm::Driver headless(WENDMOOR_BUILD_DIR "/", 1958);
        status = headless.run(GetParam(), scriptLines(script, headlessOut), error);
        fs::current_path(started);
        ASSERT_EQ(status, 0) << error;
    }
    {
        fs::create_directories(root / "window-run");
        fs::current_path(root / "window-run");
        wm::Driver window(wm::makeWindowTarget(), 1958);
        status = window.run(GetParam(), scriptLines(script, windowOut), error);
        fs::current_path(started);
        ASSERT_EQ(status, 0) << error;
    }
    const auto a = outputs(headlessOut), b = outputs(windowOut);
    ASSERT_FALSE(a.empty()) << "the script wrote nothing to compare";
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, content] : a) {
        ASSERT_TRUE(b.count(name)) << name;
        EXPECT_EQ(content, b.at(name)) << name << " differs at " << firstDifference(content, b.at(name));
    }
    fs::remove_all(root);
}

std::vector<std::string> scenarioScripts() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(WENDMOOR_TESTS_DIR) / "scripts"))
        if (entry.path().extension() == ".txt") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, HostParity, ::testing::ValuesIn(scenarioScripts()), [](const auto& info) {
    std::string name = info.param.substr(0, info.param.size() - 4);
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

} // namespace
