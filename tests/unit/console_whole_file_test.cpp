// A file the player asked for is written whole or not at all.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "console/whole_file.h"

namespace wm {
namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class WholeFile : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    const fs::path folder = fs::temp_directory_path() / ("wm58-whole-" + std::to_string(::getpid()));
};

TEST_F(WholeFile, ReplacesAFileWithTheNewContentAndLeavesNothingElse) {
    const fs::path target = folder / "WM58WTT.txt";
    ASSERT_TRUE(WriteWholeFile(target.string(), "a much longer first version\n"));
    ASSERT_TRUE(WriteWholeFile(target.string(), "second\n"));
    EXPECT_EQ(readText(target), "second\n");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(WholeFile, AWriteThatCannotBeFinishedLeavesNoFileBehind) {
    // A folder where the file should go: the content is written, then cannot take its place.
    const fs::path occupied = folder / "WM58WTT.txt";
    fs::create_directory(occupied);
    EXPECT_FALSE(WriteWholeFile(occupied.string(), "timetable\n"));
    EXPECT_TRUE(fs::is_directory(occupied));
    EXPECT_EQ(entries(), 1u) << "no temporary file is left";

    EXPECT_FALSE(WriteWholeFile((folder / "missing" / "WM58WTT.txt").string(), "timetable\n"));
    EXPECT_FALSE(WriteWholeFile((folder / "").string(), "timetable\n"));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(WholeFile, AFailedWriteKeepsTheFileThatWasThere) {
    const fs::path target = folder / "WM58WTT.txt";
    ASSERT_TRUE(WriteWholeFile(target.string(), "yesterday\n"));
    // The temporary name is taken by a folder, so nothing can be written beside the file.
    fs::create_directory(folder / ".WM58WTT.txt.part");
    EXPECT_FALSE(WriteWholeFile(target.string(), "today\n"));
    EXPECT_EQ(readText(target), "yesterday\n");
}

} // namespace
} // namespace wm
