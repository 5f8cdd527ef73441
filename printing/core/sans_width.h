// How wide the report's proportional font sets a text, for the places where
// the report fits text into a band by its printed width rather than by
// counting characters (the entry's name in its heading, the footer's path
// and entry). Widths are those of the font's bold face, which no character
// of the regular face exceeds, so a text that fits here fits when printed.
#pragma once

#include <string_view>

namespace printing {

// The width of `text` (Windows-1252) at `points`, in thousandths of an inch.
int SansTextWidth(std::string_view text, int points) noexcept;

// The text fits in `width` thousandths of an inch at `points`.
inline bool SansFits(std::string_view text, int points, int width) noexcept {
    return SansTextWidth(text, points) <= width;
}

}  // namespace printing
