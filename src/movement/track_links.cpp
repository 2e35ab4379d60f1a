#include "movement/track_links.h"

#include "world/capacities.h"
#include "world/data_file.h"
#include "world/place_reference.h"

#include <algorithm>

namespace wm {

bool isPlaceNode(std::string_view node) {
    return !node.empty() &&
           std::all_of(node.begin(), node.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<TrackLink> parseTrackLinks(std::string_view text, std::string_view source) {
    std::vector<TrackLink> links;
    for (const DataRow& row : splitDataTable(text, source)) {
        if (row.fields.size() < 3) failDataRow(source, row.line, "a row is: low, high, sections [, use]");
        TrackLink link{row.line, row.fields[0], row.fields[1], {}};
        for (const std::string& end : {link.low, link.high})
            if (isPlaceNode(end)) layoutPlaceField(end, source, row.line, "place");
        if (row.fields[2] != "-") {
            std::string list = row.fields[2];
            std::size_t start = 0;
            while (start <= list.size()) {
                const std::size_t comma = std::min(list.find(',', start), list.size());
                link.sections.push_back(numberIn(source, row.line,
                                                 std::string_view(list).substr(start, comma - start),
                                                 "section", 1, sectionCount));
                start = comma + 1;
            }
        }
        links.push_back(std::move(link));
    }
    return links;
}

const std::vector<TrackLink>& standardTrackLinks() {
    static DataTableCache<std::vector<TrackLink>> links;
    return links.get({trackLinksFile}, [](const std::vector<std::string>& texts) {
        return parseTrackLinks(texts[0], trackLinksFile);
    });
}

std::set<int> carriedSections(const std::vector<TrackLink>& links) {
    std::set<int> sections;
    for (const TrackLink& link : links) sections.insert(link.sections.begin(), link.sections.end());
    return sections;
}

} // namespace wm
