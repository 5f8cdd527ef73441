// How wide the report's proportional font sets a text, for the places where
// the report fits text into a band by its printed width rather than by
// counting characters (the entry's name and the dictionary's path in the
// headings, the footer's path and entry). The widths are the font's own
// (the metrics the PDF's base font and the printed font share), rounded up.
#pragma once

#include <string_view>

#include "runtime/core/page_drawing.h"

namespace printing {

// The width of `text` (Windows-1252) in `font`, in thousandths of an inch.
int SansTextWidth(std::string_view text, const rt::FontSpec& font) noexcept;

// The text fits in `width` thousandths of an inch.
inline bool SansFits(std::string_view text, const rt::FontSpec& font, int width) noexcept {
    return SansTextWidth(text, font) <= width;
}

}  // namespace printing
