// Fuzz target: the profile-file reader and writer on a file of any bytes.
// The input is the names and value (three lines), then the file's text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "runtime/core/ini_text.h"

namespace {

std::string_view NextLine(std::string_view& rest) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view section = NextLine(rest);
    const std::string_view key = NextLine(rest);
    const std::string_view value = NextLine(rest);
    const std::string_view text = rest;

    (void)rt::FindIniValue(text, section, key);
    if (rt::IsWritableIniEntry(section, key, value)) {
        const std::string written = rt::SetIniValue(text, section, key, value);
        // A value written reads back as written.
        const auto back = rt::FindIniValue(written, section, key);
        if (!back || *back != rt::TrimBlanks(value)) __builtin_trap();
    }
    return 0;
}
