#pragma once
// The exchange sidings, where traffic is handed to the branch lines and private sidings beyond the
// layout and comes back from them, and the names the messages give those lines.

#include <array>
#include <string>
#include <string_view>

#include "world/capacities.h"

namespace wm {

struct ExchangeSiding {
    LocationId place; // where traffic is left for the line; outward traffic comes in at place - 1
    int line;         // route code of the line beyond it
};

/// In the order they are served each minute.
inline constexpr std::array<ExchangeSiding, 6> exchangeSidings{{
    {4, 5},
    {10, 25},
    {12, 6},
    {14, 24},
    {70, 4},
    {182, 19},
}};

inline constexpr std::size_t longestExchangeLineName = 13;

class ExchangeLineNames {
  public:
    /// Reads rows of line and name: every exchange line named once, nothing else. A fault is a
    /// DataFileError naming the file and line.
    static ExchangeLineNames parse(std::string_view text, std::string_view source);

    /// The name of an exchange line; empty for any other line.
    const std::string& nameOf(int line) const;

  private:
    std::array<std::string, exchangeSidings.size()> names_;
};

/// The names of the data folder ("exchange_lines.txt"), read on first use.
const ExchangeLineNames& loadedExchangeLineNames();

} // namespace wm
