#include "printing/core/sans_width.h"

#include <array>
#include <cstdint>

namespace printing {

namespace {

// Advance widths in thousandths of an em of the characters 32 to 126; every
// other character counts a whole em.
using Widths = std::array<std::uint16_t, 95>;
constexpr Widths kRegularWidths = {
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // ' ' to '/'
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // '0' to '?'
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // '@' to 'O'
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // 'P' to '_'
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // '`' to 'o'
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,       // 'p' to '~'
};
constexpr Widths kBoldWidths = {
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,  // ' ' to '/'
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611,  // '0' to '?'
    975, 722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778,  // '@' to 'O'
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333, 278, 333, 584, 556,  // 'P' to '_'
    333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611,  // '`' to 'o'
    611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584,       // 'p' to '~'
};
constexpr long kEm = 1000;
constexpr long kPointsPerInch = 72;

}  // namespace

int SansTextWidth(std::string_view text, const rt::FontSpec& font) noexcept {
    const Widths& widths = font.bold ? kBoldWidths : kRegularWidths;
    long ems = 0;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        ems += code >= 32 && code <= 126 ? widths[code - 32] : kEm;
    }
    const long scale = kEm * kPointsPerInch;
    return static_cast<int>((ems * font.points * rt::kUnitsPerInch + scale - 1) / scale);
}

}  // namespace printing
