#pragma once

#include <algorithm>
#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wm {

// A string of at most N characters held in place, as the saved-game format and the fixed-width screen
// texts expect. A longer value is cut to N characters. Equality is exact: the length counts, so "WN" and
// "WN " differ, which is how codes padded with blanks are told apart.
template <std::size_t N>
class ShortString {
    static_assert(N > 0 && N <= 255, "the length is kept in one byte");

  public:
    static constexpr std::size_t capacity = N;

    constexpr ShortString() = default;
    constexpr ShortString(std::string_view text) { assign(text); }
    constexpr ShortString(const char* text) { assign(std::string_view(text)); }
    ShortString(const std::string& text) { assign(std::string_view(text)); }

    constexpr void assign(std::string_view text) {
        length_ = static_cast<std::uint8_t>(std::min(text.size(), N));
        chars_.fill('\0');
        std::copy_n(text.begin(), length_, chars_.begin());
    }

    constexpr std::string_view view() const { return std::string_view(chars_.data(), length_); }
    std::string str() const { return std::string(view()); }
    constexpr std::size_t size() const { return length_; }
    constexpr bool empty() const { return length_ == 0; }

    friend constexpr bool operator==(const ShortString& a, const ShortString& b) {
        return a.view() == b.view();
    }

    // Comparison with literals, std::string and string views, without a round trip through ShortString
    // (which would cut the other side and make "745A " equal to "745A").
    template <typename Text>
    requires std::convertible_to<const Text&, std::string_view>
    friend constexpr bool operator==(const ShortString& a, const Text& b) {
        return a.view() == std::string_view(b);
    }

  private:
    std::array<char, N> chars_{};
    std::uint8_t length_ = 0;
};

} // namespace wm
