// The column layout of a list control, parsed from its format string.
//
// Per column, in this order: an optional width in dialog units, `L`, `R` or
// `C` (justification), then any of `(n)` (indent from the justified edge in
// dialog units), `*` (colours from the four colour fields after the data
// field), `F` (fixed column), `|` (right border line), `~header~` and
// `@picture@`. `[` and `]` enclose a group of columns; a group may carry its
// own `(width)`, `|` and `~header~` after the closing bracket. A width or a
// justification letter after the column's own justification begins the next
// column. Characters the grammar does not know are skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rt {

enum class Justify { Left, Right, Center };

struct ListColumn {
    int width = -1;  // dialog units; -1 when the format gives none
    Justify justify = Justify::Left;
    int indent = 0;            // dialog units from the justified edge
    bool colours = false;      // `*`
    bool fixed = false;        // `F`
    bool rightBorder = false;  // `|`
    std::string header;        // bytes as written (Windows-1252)
    std::string picture;       // without the at signs
    int group = -1;            // index into ListFormat::groups, -1 for none

    bool operator==(const ListColumn&) const = default;
};

struct ListGroup {
    int firstColumn = 0;
    int columnCount = 0;
    std::string header;
    bool rightBorder = false;

    bool operator==(const ListGroup&) const = default;
};

struct ListFormat {
    std::vector<ListColumn> columns;
    std::vector<ListGroup> groups;

    bool HasFixedColumn() const;
    bool operator==(const ListFormat&) const = default;
};

ListFormat ParseListFormat(std::string_view format);

}  // namespace rt
