// The preview's two small windows: "Jump to a Report Page" and "Change the
// Report Display". Each runs on the calling thread until OK or Cancel.
#pragma once

#include <cstdint>
#include <optional>

namespace rt {
class WindowRef;
}

namespace printing {

// The whole number a field shows; nothing when it shows none.
std::optional<int> FieldNumber(const rt::WindowRef& window, int control);

// The page chosen (1 to pageCount), starting from `current`; nothing when
// cancelled.
std::optional<std::int32_t> RunJumpWindow(std::int32_t current, std::int32_t pageCount);

struct GridSize {
    int across = 1;
    int down = 1;
};
// The grid chosen, starting from `current`; nothing when cancelled.
std::optional<GridSize> RunSelectWindow(GridSize current);

}  // namespace printing
