// A list control's rows as the program hands them over: one snapshot of a row
// queue, taken at once. Cell texts are bytes as stored (Windows-1252).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rt {

// The four colours of a cell. -1 is the list's default colour; any other
// value is a colour number in the system's order (0x00BBGGRR).
struct CellColours {
    std::int32_t normalForeground = -1;
    std::int32_t normalBackground = -1;
    std::int32_t selectedForeground = -1;
    std::int32_t selectedBackground = -1;
};

// One data field of a row: a column's text and the colour fields that follow
// it in the row (used by a column whose format asks for them with `*`).
struct ListCell {
    std::string text;
    CellColours colours;
};

using ListRow = std::vector<ListCell>;
using ListRows = std::vector<ListRow>;

}  // namespace rt
