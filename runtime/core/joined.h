// Texts joined into one with a separator between them.
#pragma once

#include <string>
#include <string_view>

namespace rt {

// The texts of `parts` (strings or views) one after the other, `separator`
// between each two.
template <class Parts>
std::string Joined(const Parts& parts, std::string_view separator) {
    std::string text;
    bool first = true;
    for (const auto& part : parts) {
        if (!first) text += separator;
        text += part;
        first = false;
    }
    return text;
}

}  // namespace rt
