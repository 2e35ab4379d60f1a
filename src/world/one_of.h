#pragma once

#include <initializer_list>

namespace wm {

// Whether the value is one of a short list written out where it is asked (ids, lines, types).
constexpr bool isOneOf(int value, std::initializer_list<int> set) {
    for (int v : set)
        if (v == value) return true;
    return false;
}

} // namespace wm
