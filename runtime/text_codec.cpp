#include "runtime/text_codec.h"

#include "runtime/core/windows1252.h"

namespace rt {

char32_t Win1252CodePoint(unsigned char byte) {
    return rt::Windows1252ToUnicode(byte);
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
        // A C1 control (U+0080 to U+009F) stays the byte of the same number;
        // a character of the bytes 0x80 to 0x9F becomes that byte.
        char found = unit <= 0x9F ? static_cast<char>(unit) : '?';
        for (unsigned byte = 0x80; byte <= 0x9F; ++byte)
            if (Win1252CodePoint(static_cast<unsigned char>(byte)) == unit && unit > 0x9F)
                found = static_cast<char>(byte);
        bytes.push_back(found);
    }
    return bytes;
}

}  // namespace rt
