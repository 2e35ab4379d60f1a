#pragma once
// The console's colours. Every screen picks from these; nothing else is drawn.

#include "host/host.h"

namespace wm::palette {

inline constexpr Colour Silver{192, 192, 192}; // default text and lines
inline constexpr Colour Black{0, 0, 0};        // default background
inline constexpr Colour White{255, 255, 255};  // text on red, navy and brown panels
inline constexpr Colour Navy{0, 0, 139};       // white-on-navy boxes
inline constexpr Colour Blue{0, 0, 160};       // a label reachable from the selected place
inline constexpr Colour Brown{160, 80, 0};     // clickable menu and board panels
inline constexpr Colour Red{255, 40, 40};      // occupied track, errors, urgent items
inline constexpr Colour DarkRed{160, 32, 32};  // named-train names, on White
inline constexpr Colour Grey{104, 104, 104};   // highlight bars
inline constexpr Colour Yellow{255, 255, 72};  // clear track, notices, prompts
inline constexpr Colour Green{36, 255, 36};    // labels, bonus messages
inline constexpr Colour Cyan{0, 255, 255};     // titles and headings
inline constexpr Colour Magenta{255, 0, 255};  // work in progress, trains close to time
inline constexpr Colour Violet{220, 0, 220};   // second-engine mark, alert level 3
// The desktop's highlight-text colour is not a fixed value; this is the common one.
inline constexpr Colour HighlightText{255, 255, 255};

} // namespace wm::palette
