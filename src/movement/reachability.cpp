#include "movement/reachability.h"

#include "world/data_file.h"
#include "world/place_reference.h"
#include "world/table/location_rows.h"

#include <charconv>
#include <string>

namespace wm {

namespace {

constexpr std::string_view reachabilityFile = "track/reachability.txt";
static_assert(table::lastLayoutPlace <= Reachability::maxId, "every place of the layout has its set");

// A place "n" or an inclusive range "a-b" of places of the layout, a <= b.
std::pair<int, int> idRange(std::string_view source, const DataRow& row, std::size_t field) {
    const std::string& text = row.fields[field];
    const std::size_t dash = text.find('-');
    auto number = [&](std::string_view part) { return layoutPlaceField(part, source, row.line, "location"); };
    if (dash == std::string::npos) {
        const int id = number(text);
        return {id, id};
    }
    const int first = number(std::string_view(text).substr(0, dash));
    const int last = number(std::string_view(text).substr(dash + 1));
    if (first > last) failDataRow(source, row.line, "range " + quoted(text) + " runs backwards");
    return {first, last};
}

} // namespace

Reachability Reachability::parse(std::string_view text, std::string_view source) {
    Reachability set;
    std::bitset<maxId + 1> fromSeen;
    for (const DataRow& row : splitDataTable(text, source)) {
        if (row.fields.size() < 3) failDataRow(source, row.line, "a row is: from, screen, to-locations");
        const auto [fromFirst, fromLast] = idRange(source, row, 0);
        for (int from = fromFirst; from <= fromLast; ++from) {
            if (fromSeen[from])
                failDataRow(source, row.line, "from-location " + std::to_string(from) + " listed twice");
            fromSeen[from] = true;
        }
        for (std::size_t field = 2; field < row.fields.size(); ++field) {
            const auto [toFirst, toLast] = idRange(source, row, field);
            for (int from = fromFirst; from <= fromLast; ++from)
                for (int to = toFirst; to <= toLast; ++to) {
                    if (from == to)
                        failDataRow(source, row.line, "location " + std::to_string(from) + " reaches itself");
                    if (set.reachable_[from][to])
                        failDataRow(source, row.line,
                                    "pair " + std::to_string(from) + " -> " + std::to_string(to) +
                                        " listed twice");
                    set.reachable_[from][to] = true;
                }
        }
    }
    return set;
}

const Reachability& Reachability::standard() {
    static DataTableCache<Reachability> set;
    return set.get({reachabilityFile},
                   [](const std::vector<std::string>& texts) { return parse(texts[0], reachabilityFile); });
}

bool Reachability::canReach(int from, int to) const {
    if (from < 0 || from > maxId || to < 0 || to > maxId) return false;
    return reachable_[from][to];
}

std::vector<std::pair<int, int>> Reachability::pairs() const {
    std::vector<std::pair<int, int>> all;
    for (int from = 0; from <= maxId; ++from)
        for (int to = 0; to <= maxId; ++to)
            if (reachable_[from][to]) all.emplace_back(from, to);
    return all;
}

int Reachability::pairCount() const {
    int count = 0;
    for (const auto& row : reachable_) count += static_cast<int>(row.count());
    return count;
}

int Reachability::fromCount() const {
    int count = 0;
    for (const auto& row : reachable_)
        if (row.any()) ++count;
    return count;
}

bool canReach(int from, int to) {
    return Reachability::standard().canReach(from, to);
}

} // namespace wm
