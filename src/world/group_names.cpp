#include "world/group_names.h"

#include "world/reference_tables.h"
#include "world/table/group_name_rows.h"

namespace wm {

namespace {

constexpr bool namesFit() {
    for (std::string_view name : table::groupNames)
        if (name.size() > table::longestGroupName) return false;
    return true;
}

static_assert(namesFit(), "a group name is at most 13 characters");

} // namespace

std::string groupName(int code) {
    if (code < 1 || code > routeCodeCount) return {};
    if (code == shedGroup) return std::string(routeCode(shedGroup)) + " Shed";
    return std::string(table::groupNames[static_cast<std::size_t>(code)]);
}

} // namespace wm
