// Text of the program (Windows-1252 bytes) meeting Qt (Unicode).
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace rt {

// Every byte has a character; the five bytes that Windows-1252 leaves
// undefined map to the C1 control of the same value.
QString FromWindows1252(std::string_view bytes);

// Characters that Windows-1252 cannot hold become "?".
std::string ToWindows1252(const QString& text);

}  // namespace rt
