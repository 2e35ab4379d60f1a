// Plays a scenario script from tests/scripts through the real game on the headless host, with its
// output files written to a folder of the test's own.

#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "drive/driver.h"
#include "session/game.h"
#include "world/location_table.h"

namespace wm {

class ScriptPlay : public ::testing::Test {
  protected:
    void SetUp() override {
        out = std::filesystem::temp_directory_path() /
              ("wm58-play-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(out);
    }
    void TearDown() override { std::filesystem::remove_all(out); }

    /// Plays a script from tests/scripts.
    void play(const std::string& name) {
        std::ifstream in(std::filesystem::path(WENDMOOR_TESTS_DIR) / "scripts" / name);
        ASSERT_TRUE(in) << name;
        std::vector<std::string> script;
        for (std::string line; std::getline(in, line);) script.push_back(line);
        playCommands(name, script);
    }
    /// Plays script lines given by the test, %OUT% standing for the test's folder.
    void playCommands(const std::string& name, std::vector<std::string> script) {
        for (std::string& line : script)
            for (auto at = line.find("%OUT%"); at != std::string::npos; at = line.find("%OUT%"))
                line.replace(at, 5, out.string());
        // The game writes its score log where it was started: each test in a folder of its own, so that
        // tests run side by side do not write one file.
        const std::filesystem::path started = std::filesystem::current_path();
        std::filesystem::current_path(out);
        std::string error;
        const int status = driver.run(name, script, error);
        std::filesystem::current_path(started);
        ASSERT_EQ(status, 0) << error;
    }
    std::string screenRow(const std::string& file, int row) {
        std::ifstream in(out / file);
        std::string line;
        for (int i = 0; i < row && std::getline(in, line);) ++i;
        return line;
    }
    std::string contents(const std::filesystem::path& file) {
        std::ifstream in(file.is_absolute() ? file : out / file);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    GameState& s() { return driver.game().state; }
    LocationId place(std::string_view code) { return findPlaceByCode(s(), code); }

    std::filesystem::path out;
    Driver driver{WENDMOOR_BUILD_DIR "/", 1958};
};

} // namespace wm
