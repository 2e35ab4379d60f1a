// The layout screens drawn by the real game through the headless driver, against their expected text.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "drive/driver.h"
#include "movement/route_table.h"

namespace wm {
namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST(DisplayScreensDriver, EachScreenMatchesItsExpectedText) {
    const fs::path out = fs::temp_directory_path() / ("wm58-screens-" + std::to_string(::getpid()));
    fs::create_directories(out);
    std::ifstream in(fs::path(WENDMOOR_TESTS_DIR) / "scripts" / "layout_screens.txt");
    std::vector<std::string> script;
    for (std::string line; std::getline(in, line);) {
        for (auto at = line.find("%OUT%"); at != std::string::npos; at = line.find("%OUT%"))
            line.replace(at, 5, out.string());
        script.push_back(line);
    }
    Driver driver{WENDMOOR_BUILD_DIR "/", 1958};
    std::string error;
    ASSERT_EQ(driver.run("layout_screens.txt", script, error), 0) << error;
    for (const char* name : {"screen-0", "screen-1", "screen-2", "screen-3", "screen-4", "screen-0-locked"}) {
        const std::string drawn = readText(out / (std::string(name) + ".txt"));
        EXPECT_FALSE(drawn.empty()) << name;
        EXPECT_EQ(drawn, readText(fs::path(WENDMOOR_TESTS_DIR) / "expected" / (std::string(name) + ".txt")))
            << name;
    }
    // Locking a route turns its track Red and nothing else on the screen changes.
    const std::string clear = readText(out / "screen-0.txt");
    const std::string locked = readText(out / "screen-0-locked.txt");
    ASSERT_EQ(clear.size(), locked.size());
    EXPECT_EQ(clear.substr(0, clear.find("\n\n")), locked.substr(0, locked.find("\n\n")));
    EXPECT_NE(locked.find('r'), std::string::npos);
    fs::remove_all(out);
}

// The colour letter of a cell in a screen dump: the colour block follows the text after a blank line, two
// letters (text, background) per cell.
char cellColour(const std::string& dump, int column, int row) {
    std::istringstream colours(dump.substr(dump.find("\n\n") + 2));
    std::string line;
    for (int r = 0; r < row; ++r) std::getline(colours, line);
    return line.at(static_cast<std::size_t>((column - 1) * 2));
}

TEST(DisplayScreensDriver, APieceSharedByTwoRoadsIsRedWhenEitherIsLocked) {
    const fs::path out = fs::temp_directory_path() / ("wm58-shared-" + std::to_string(::getpid()) + ".txt");
    // The fan from the North Junction platform throat: the roads to PL4 and to P6N leave by the same
    // diagonal at column 69, row 17; only the road to PL4 (section 233) is locked.
    const std::vector<std::string> script{"new-game 5 Weekday", "lock-sections 9 233", "show-screen 2",
                                          "screen " + out.string()};
    Driver driver{WENDMOOR_BUILD_DIR "/", 1958};
    std::string error;
    ASSERT_EQ(driver.run("shared.txt", script, error), 0) << error;
    const std::string dump = readText(out);
    EXPECT_EQ(cellColour(dump, 69, 17), 'r');
    EXPECT_EQ(cellColour(dump, 78, 18), 'r'); // the road's last cell before PL4
    EXPECT_EQ(cellColour(dump, 74, 20), 'y'); // the road on to P6N stays clear
    fs::remove(out);
}

TEST(DisplayScreensDriver, ARouteIntoGNBIsRedUpToGNB) {
    const fs::path out = fs::temp_directory_path() / ("wm58-gnb-" + std::to_string(::getpid()) + ".txt");
    std::string lock = "lock-sections 9";
    for (const Leg* leg : RouteTable::standard().routes(82, 94).front().legs)
        for (int section : leg->sections) lock += " " + std::to_string(section);
    const std::vector<std::string> script{"new-game 5 Weekday", lock, "show-screen 2",
                                          "screen " + out.string()};
    Driver driver{WENDMOOR_BUILD_DIR "/", 1958};
    std::string error;
    ASSERT_EQ(driver.run("gnb.txt", script, error), 0) << error;
    const std::string dump = readText(out);
    // From the points at column 75, row 14 the road climbs to GNB, whose line starts at column 80, row 11.
    EXPECT_EQ(cellColour(dump, 75, 14), 'r');
    EXPECT_EQ(cellColour(dump, 76, 13), 'r');
    EXPECT_EQ(cellColour(dump, 78, 11), 'r');
    EXPECT_EQ(cellColour(dump, 79, 11), 'r'); // the last cell before GNB
    EXPECT_EQ(cellColour(dump, 78, 13), 'y'); // the road on to PL1 stays clear
    fs::remove(out);
}

} // namespace
} // namespace wm
