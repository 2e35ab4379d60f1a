#pragma once
// The track topology of data/track/links.txt: the links between places and junctions and the route
// sections each carries, from which the screens lay their track and against which the route legs are held.

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace wm {

inline constexpr std::string_view trackLinksFile = "track/links.txt";

/// One link: its two nodes (a location id as digits, or a junction's name) and its sections from the low
/// end.
struct TrackLink {
    int line = 0;
    std::string low, high;
    std::vector<int> sections;
};

// A node written in digits is a place of the layout; any other is a junction.
bool isPlaceNode(std::string_view node);

// Rows: low, high, sections [, use]. A fault is a DataFileError naming file and line.
std::vector<TrackLink> parseTrackLinks(std::string_view text, std::string_view source);

// The links of the data folder, read on first use.
const std::vector<TrackLink>& standardTrackLinks();

// Every section some link carries.
std::set<int> carriedSections(const std::vector<TrackLink>& links);

} // namespace wm
