#pragma once

#include <string_view>

namespace wm {

// The name of layout screen 0..4 as its key-menu button shows it ("Common" .. "South Jn"); empty for any
// other number.
std::string_view screenName(int screen);

} // namespace wm
