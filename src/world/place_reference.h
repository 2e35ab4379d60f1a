#pragma once
// Data that names places of the layout: a fault is a DataFileError naming the file and line.

#include "world/location_table.h"

#include <string_view>

namespace wm {

// The layout's place of the id.
LayoutPlace needLayoutPlace(int id, std::string_view source, int line);

// A field read as the id of a place of the layout.
LocationId layoutPlaceField(std::string_view text, std::string_view source, int line,
                            std::string_view column);

// The code of a place, without the blanks that pad a short one ("WN " is written WN).
std::string_view writtenCode(const LayoutPlace& place);

} // namespace wm
