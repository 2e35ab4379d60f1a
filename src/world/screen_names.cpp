#include "world/screen_names.h"

#include <array>

namespace wm {

namespace {
constexpr std::array<std::string_view, 5> screenNames{"Common", "Shed", "North Jn", "Yards", "South Jn"};
} // namespace

std::string_view screenName(int screen) {
    if (screen < 0 || screen >= static_cast<int>(screenNames.size())) return {};
    return screenNames[static_cast<std::size_t>(screen)];
}

} // namespace wm
