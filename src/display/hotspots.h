#pragma once

// Click regions of the key menu and the five layout screens, read from data/track/hotspots.txt.

#include <string>
#include <string_view>
#include <vector>

namespace wm {

constexpr int keyMenuGroup = 2;
constexpr int firstScreenGroup = 3;     // layout screen n uses group n + 3
constexpr int firstScreenLink = 601;    // codes 601..605 show screens 0..4
constexpr int arrivalsPanelGroup = 8;   // the arrivals summary's two brown panels: codes 1 and 2
constexpr int departuresPanelGroup = 9; // the departures board's footer panels: its paging codes

struct Hotspot {
    int left = 0, top = 0, right = 0, bottom = 0; // cells, inclusive
    int code = 0;
    std::string name; // the place's code as the file writes it, for reading
    int fileLine = 0;
};

class HotspotTable {
  public:
    static constexpr int groupCount = 10;

    // Rows: group, name, code, column, row, width, height; a layout screen's code is a place of the layout
    // or a link to another screen. A fault is a DataFileError naming file and line.
    static HotspotTable parse(std::string_view text, std::string_view source);

    // The names written beside the places' ids are their codes.
    void checkWrittenNames() const;

    void add(int group, int column, int row, int width, int height, int code);

    // The code of the last entry of the group that covers the cell; 0 when none does.
    int hitTest(int group, int column, int row) const;

    const std::vector<Hotspot>& group(int group) const { return groups_.at(group); }

    // The file the table was read from, for messages.
    const std::string& source() const { return source_; }

  private:
    std::vector<std::vector<Hotspot>> groups_ = std::vector<std::vector<Hotspot>>(groupCount);
    std::string source_;
};

// The table of the data folder, built on first use and kept for the whole run.
const HotspotTable& BuildHotspots();

// HitTest over the standard table at a clicked cell (the last click's column and row).
int HitTest(int group, int column, int row);

} // namespace wm
