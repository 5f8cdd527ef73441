#include "printing/core/sans_width.h"

#include <array>
#include <cstdint>

#include "runtime/core/page_drawing.h"

namespace printing {

namespace {

// Advance widths of the bold face in thousandths of an em, characters 32
// to 126; every other character counts a whole em.
constexpr std::array<std::uint16_t, 95> kBoldWidths = {
    278, 333, 474, 556, 556, 889, 722, 278, 333, 333, 389, 584, 278, 333, 278, 278,  // ' ' to '/'
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611,  // '0' to '?'
    975, 722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778,  // '@' to 'O'
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333, 278, 333, 584, 556,  // 'P' to '_'
    333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611,  // '`' to 'o'
    611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584,       // 'p' to '~'
};
constexpr int kEm = 1000;
constexpr int kPointsPerInch = 72;

}  // namespace

int SansTextWidth(std::string_view text, int points) noexcept {
    long ems = 0;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        ems += code >= 32 && code <= 126 ? kBoldWidths[code - 32] : kEm;
    }
    // ems / kEm em of `points` points each, in thousandths of an inch, rounded up.
    const long scale = static_cast<long>(kEm) * kPointsPerInch;
    return static_cast<int>((ems * points * rt::kUnitsPerInch + scale - 1) / scale);
}

}  // namespace printing
