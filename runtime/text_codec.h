// Windows-1252 bytes <-> Unicode, where program text meets Qt.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace rt {

QString FromWin1252(std::string_view bytes);
// Characters that Windows-1252 cannot hold become '?'.
std::string ToWin1252(const QString& text);
// The Unicode code point of one Windows-1252 byte.
char32_t Win1252CodePoint(unsigned char byte);

}  // namespace rt
