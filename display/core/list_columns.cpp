#include "display/core/list_columns.h"

namespace display {

std::string MeasuredHeader(const ListColumn& column) {
    return (column.RightJustified() ? std::string() : std::string(" ")) +
           std::string(column.header);
}

std::string ListFormat(std::span<const ListColumn> columns, std::span<const int> widths) {
    std::string format;
    std::size_t measured = 0;
    for (const ListColumn& column : columns) {
        const int width = column.fixedWidth != 0 ? column.fixedWidth : widths[measured++];
        format += std::to_string(width);
        format += column.modifiers;
        format += '~';
        format += column.header;
        format += '~';
    }
    return format;
}

}  // namespace display
