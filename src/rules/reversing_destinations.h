#pragma once
// The few destinations that a train leaving on a main line reaches only by reversing on its way: its engine
// may set off facing either way. Read from the data folder.

#include <string>
#include <string_view>
#include <vector>

namespace wm {

// Which way a train leaving on a main line sets off, for the way its engine must face: lines 1, 2, 3, 7
// and 8 lead down, 20, 21 and 22 up; any other line neither.
enum class LeavingSide { neither, down, up };
LeavingSide leavingSide(int line);

class ReversingDestinations {
  public:
    // Rows of: lines ("down" for lines 1, 2, 3, 7, 8; "up" for 20, 21, 22), destination. A fault is a
    // DataFileError naming the file and line.
    static ReversingDestinations parse(std::string_view text, std::string_view source);

    // A train for the destination leaving on the line turns back on its way.
    bool reversesOnTheWay(int line, std::string_view destination) const;

    const std::vector<std::string>& downLines() const { return down_; }
    const std::vector<std::string>& upLines() const { return up_; }

  private:
    std::vector<std::string> down_;
    std::vector<std::string> up_;
};

// The table of "reversing_destinations.txt", read on first use.
const ReversingDestinations& loadedReversingDestinations();

} // namespace wm
