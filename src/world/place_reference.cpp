#include "world/place_reference.h"

#include "world/data_file.h"
#include "world/table/location_rows.h"

#include <optional>
#include <string>

namespace wm {

LayoutPlace needLayoutPlace(int id, std::string_view source, int line) {
    const std::optional<LayoutPlace> place = layoutPlace(id);
    if (!place) failDataRow(source, line, "place " + std::to_string(id) + " is no place of the layout");
    return *place;
}

LocationId layoutPlaceField(std::string_view text, std::string_view source, int line,
                            std::string_view column) {
    // The layout's places are numbered without a gap.
    return numberIn(source, line, text, column, 1, table::lastLayoutPlace);
}

std::string_view writtenCode(const LayoutPlace& place) {
    const std::size_t end = place.code.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : place.code.substr(0, end + 1);
}

} // namespace wm
