#pragma once
// Short names the screens use for train and traffic types, and the font's symbol glyphs.

#include <string_view>

namespace wm {

// Symbol glyphs of the console font (Latin-1 code points).
inline constexpr char glyphEmptyPlace = static_cast<char>(162); // an engine place or a vehicle space
inline constexpr char glyphFacing0 = static_cast<char>(165);    // engine facing 0 (towards the low ids)
inline constexpr char glyphFacing1 = static_cast<char>(166);    // engine facing 1
inline constexpr char glyphReturning = static_cast<char>(171);  // boards: a train that comes back

// Engine glyph for a facing of 0 or 1.
constexpr char engineGlyph(int facing) {
    return facing == 0 ? glyphFacing0 : glyphFacing1;
}

// One letter for train type 0..12 ("A" express .. "S" slow freight); "?" outside that range.
char typeLetter(int trainType);

// Four characters for traffic type 0..13 ("Emty" .. "Salt"); four blanks outside that range.
std::string_view trafficShort(int trafficType);

} // namespace wm
