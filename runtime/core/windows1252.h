// Dictionary text is Windows-1252 bytes; these convert it to Unicode where it
// leaves the program as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace rt {

// The Unicode code point of one Windows-1252 byte. The five bytes the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control of the same number.
char32_t Windows1252ToUnicode(unsigned char byte);

// Appends the UTF-8 encoding of `codePoint` to `out`.
void AppendUtf8(std::string& out, char32_t codePoint);

// The text converted to UTF-8.
std::string Windows1252ToUtf8(std::string_view text);

// The text with its control bytes made visible and harmless for a terminal,
// as `cat -v` shows them: 0x00-0x1F (but tab) as ^@ to ^_, 0x7F as ^?, and
// the five undefined bytes, which stand for C1 controls, as M-^A, M-^M, M-^O,
// M-^P and M-^]. Every other byte stays; the result is still Windows-1252
// with one byte a character.
std::string ShowControlBytes(std::string_view text);

}  // namespace rt
