#include "runtime/text_codec.h"

namespace rt {
namespace {

// 0x80 to 0x9F; 0 marks the five bytes that have no character.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

char32_t Win1252CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        char16_t mapped = kHigh[byte - 0x80];
        return mapped != 0 ? mapped : byte;
    }
    return byte;
}

QString FromWin1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char byte : bytes)
        text.append(QChar(static_cast<char16_t>(Win1252CodePoint(byte))));
    return text;
}

std::string ToWin1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        const char16_t unit = ch.unicode();
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
            bytes.push_back(static_cast<char>(unit));
            continue;
        }
        char found = '?';
        for (int i = 0; i < 32; ++i)
            if (kHigh[i] == unit && unit != 0) found = static_cast<char>(0x80 + i);
        if (unit >= 0x80 && unit <= 0x9F) found = static_cast<char>(unit);
        bytes.push_back(found);
    }
    return bytes;
}

}  // namespace rt
