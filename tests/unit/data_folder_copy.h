#pragma once
// A copy of the data folder that the game reads while it lives, and a start-up on it through the headless
// host: for tests that damage a data file and look at how the program stops.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "drive/driver.h"
#include "world/data_file.h"

namespace wm::test_data {

namespace fs = std::filesystem;

inline std::string readWhole(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

inline void writeWhole(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class DataFolderCopy {
  public:
    DataFolderCopy() {
        path_ = fs::temp_directory_path() / ("wm58-data-" + std::to_string(::getpid()));
        fs::remove_all(path_);
        fs::copy(WENDMOOR_DATA_DIR, path_, fs::copy_options::recursive);
        useDataFolder(path_.string());
    }
    ~DataFolderCopy() {
        useDataFolder("");
        fs::remove_all(path_);
    }
    DataFolderCopy(const DataFolderCopy&) = delete;
    DataFolderCopy& operator=(const DataFolderCopy&) = delete;

    fs::path file(const std::string& name) const { return path_ / name; }
    void write(const std::string& name, const std::string& text) const {
        writeWhole(file(name), text);
        dataFilesChanged();
    }

  private:
    fs::path path_;
};

/// How a start-up on the copied data ended: with the start screen, or with the one fatal box.
struct StartUpResult {
    bool started = false;
    std::string box;
};

inline StartUpResult startUp(Driver& driver) {
    StartUpResult result;
    result.started = driver.startUp();
    if (!driver.host().messages().empty()) result.box = driver.host().messages().front();
    return result;
}

inline std::string lineOf(const std::string& text, int number) {
    std::istringstream in(text);
    std::string line;
    for (int k = 0; k < number && std::getline(in, line); ++k) {
    }
    return line;
}

// The first data row of the file that starts with the word.
inline int firstRowStarting(const std::string& text, const std::string& word) {
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::istringstream fields(line);
        std::string first;
        if (fields >> first && first == word) return number;
    }
    return 0;
}

inline std::string replaceLine(const std::string& text, int number, const std::string& replacement) {
    std::istringstream in(text);
    std::string line, out;
    for (int k = 1; std::getline(in, line); ++k) out += (k == number ? replacement : line) + "\n";
    return out;
}

} // namespace wm::test_data
