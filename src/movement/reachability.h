#pragma once

// The reachability set: for each from-location, the to-locations a single command may name.
//
// Interface kept stable for its users:
//   wm::Reachability::standard()    the set read from data/track/reachability.txt on first use
//   wm::Reachability::canReach(from, to)
//   wm::canReach(from, to)          the same question put to the standard set
// Ids outside 0..207 are never reachable and never reach anything.

#include <array>
#include <bitset>
#include <string_view>
#include <utility>
#include <vector>

namespace wm {

class Reachability {
  public:
    static constexpr int maxId = 207; // a from-location's set is 208 bits, ids 0..207

    // Reads rows of "from  screen  to..." where from and each to are an id or an inclusive range a-b.
    // A fault is a DataFileError naming the file and line.
    static Reachability parse(std::string_view text, std::string_view source);

    // The set of the data folder, read on first use.
    static const Reachability& standard();

    bool canReach(int from, int to) const;

    // Every reachable (from, to) pair, ordered by from and then to.
    std::vector<std::pair<int, int>> pairs() const;

    int pairCount() const;
    int fromCount() const; // from-locations with at least one to-location

  private:
    std::array<std::bitset<maxId + 1>, maxId + 1> reachable_{};
};

bool canReach(int from, int to);

} // namespace wm
