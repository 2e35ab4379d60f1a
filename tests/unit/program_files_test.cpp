// Where a program finds its own files: beside itself in a build folder, in share/wendmoor of an install.

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "host/record/program_files.h"

namespace wm {
namespace {

namespace fs = std::filesystem;

class Places {
  public:
    Places() {
        root_ = fs::temp_directory_path() / ("wm58-places-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    ~Places() { fs::remove_all(root_); }
    std::string make(const std::string& relative) const {
        fs::create_directories(root_ / relative);
        return (root_ / relative).string() + "/";
    }

  private:
    fs::path root_;
};

TEST(ProgramFiles, ABuildFolderKeepsItsFilesBesideTheExecutable) {
    Places places;
    const std::string build = places.make("checkout/build");
    EXPECT_EQ(programFilesFolder(build), build);
    // A share folder elsewhere in the tree does not count; only the one beside bin's parent does.
    places.make("checkout/build/share/wendmoor");
    EXPECT_EQ(programFilesFolder(build), build);
}

TEST(ProgramFiles, AnInstallAndACopyOfItFindTheirOwnShareFolder) {
    Places places;
    const std::string bin = places.make("usr/bin");
    const std::string share = places.make("usr/share/wendmoor");
    EXPECT_EQ(programFilesFolder(bin), share);
    const std::string copiedBin = places.make("elsewhere/prefix/bin");
    const std::string copiedShare = places.make("elsewhere/prefix/share/wendmoor");
    EXPECT_EQ(programFilesFolder(copiedBin), copiedShare);
    // Without its share folder an install's bin stands alone, and the start-up check names bin.
    fs::remove_all(copiedShare);
    EXPECT_EQ(programFilesFolder(copiedBin), copiedBin);
}

} // namespace
} // namespace wm
