#include "display/compact_places.h"

#include "world/data_file.h"
#include "world/location_table.h"

namespace wm {

CompactPlaces CompactPlaces::parse(std::string_view text, std::string_view source) {
    CompactPlaces table;
    for (const DataRow& row : splitDataTable(text, source)) {
        if (row.fields.size() != 3) failDataRow(source, row.line, "a row is: code, direction, label");
        const std::string& code = row.fields[0];
        if (code.size() != 3 || layoutPlaceWithCode(code) == 0)
            failDataRow(source, row.line, quoted(code) + " is not the code of a named place");
        CompactStyle style;
        const std::string& direction = row.fields[1];
        if (direction == "down")
            style.direction = directionDown;
        else if (direction == "up")
            style.direction = directionUp;
        else if (direction == "none")
            style.direction = directionNone;
        else
            failDataRow(source, row.line, "direction " + quoted(direction) + " is not down, up or none");
        const std::string& label = row.fields[2];
        if (label == "left")
            style.side = LabelSide::Left;
        else if (label == "right")
            style.side = LabelSide::Right;
        else if (label == "direction")
            style.side = LabelSide::ByDirection;
        else
            failDataRow(source, row.line, "label " + quoted(label) + " is not left, right or direction");
        if (!table.styles_.emplace(code, style).second)
            failDataRow(source, row.line, quoted(code) + " listed twice");
    }
    return table;
}

const CompactPlaces& CompactPlaces::standard() {
    static DataTableCache<CompactPlaces> table;
    constexpr std::string_view name = "display/compact_places.txt";
    return table.get(
        {name}, [&](const std::vector<std::string>& texts) { return parse(texts[0], dataFilePath(name)); });
}

CompactStyle CompactPlaces::style(std::string_view code) const {
    const auto it = styles_.find(code);
    return it == styles_.end() ? CompactStyle{} : it->second;
}

} // namespace wm
