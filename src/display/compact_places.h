#pragma once
// The table of data/display/compact_places.txt: for every place drawn as a compact line, the way it runs
// and which side its code stands on.

#include <map>
#include <string>
#include <string_view>

#include "display/compact_line.h"

namespace wm {

class CompactPlaces {
  public:
    // Rows: code, direction (down, up, none), label (left, right, direction). A fault is a DataFileError
    // naming file and line.
    static CompactPlaces parse(std::string_view text, std::string_view source);

    // The table of the data folder, read on first use.
    static const CompactPlaces& standard();

    // The style of the place with this code; a place not in the table runs neither way and has its code
    // on the side its direction gives.
    CompactStyle style(std::string_view code) const;

    bool contains(std::string_view code) const { return styles_.contains(std::string(code)); }
    const std::map<std::string, CompactStyle, std::less<>>& entries() const { return styles_; }

  private:
    std::map<std::string, CompactStyle, std::less<>> styles_;
};

} // namespace wm
