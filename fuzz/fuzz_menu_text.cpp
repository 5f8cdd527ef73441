// Fuzz target: the popup menu-text grammar on any text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "runtime/core/menu_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto menu = rt::ParseMenuText(text);
    (void)rt::CountCommands(menu);
    return 0;
}
