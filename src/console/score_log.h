#pragma once
// The score log: one line for every change of the points total, with its reason.

#include <string>
#include <string_view>

namespace wm {

class ScoreLog {
  public:
    /// The log lives in the process's current folder under one name: creating and appending must reach
    /// the same file on a case-sensitive file system too.
    explicit ScoreLog(std::string fileName = "WM58LOG.txt") : fileName_(std::move(fileName)) {}

    /// Creates (or empties) the file and writes its heading; false when it cannot be written.
    bool create(std::string_view programPrefix);
    /// Appends one line; false when the file cannot be opened or written.
    bool append(std::string_view line);

    /// "08.00", a blank, the change right-aligned in 5 characters, a blank, the reason.
    static std::string formatEntry(int clock, int change, std::string_view reason);

    int entryCount() const { return entries_; }
    void setEntryCount(int count) { entries_ = count; }
    void countEntry() { ++entries_; }
    const std::string& fileName() const { return fileName_; }
    void setFileName(std::string name) { fileName_ = std::move(name); }

  private:
    std::string fileName_;
    int entries_ = 0;
};

} // namespace wm
