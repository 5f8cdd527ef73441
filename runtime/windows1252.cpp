#include "runtime/windows1252.h"

#include <array>

namespace rt {
namespace {

// 0x80..0x9F; the rest of the bytes are the Latin-1 code points.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char ByteFor(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == unit) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

QString FromWindows1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(QChar(byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte));
    }
    return text;
}

std::string ToWindows1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;  // one character outside the table, one "?"
            bytes += '?';
            continue;
        }
        bytes += ByteFor(c.unicode());
    }
    return bytes;
}

}  // namespace rt
