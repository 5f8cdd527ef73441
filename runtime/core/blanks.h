// Blanks around text: the program's two trims.
#pragma once

#include <string_view>

namespace rt {

// `text` without leading and trailing blanks (space, tab, CR, LF, VT, FF).
std::string_view TrimBlanks(std::string_view text);

// `text` without trailing spaces, as a fixed-length field is clipped; leading
// spaces and other blanks stay.
inline std::string_view TrimTrailingSpaces(std::string_view text) noexcept {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

}  // namespace rt
