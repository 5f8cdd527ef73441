// Helpers shared by the four list builds of the dictionary window: cell
// texts cut to their field size, column widths, row shading.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "display/core/list_columns.h"
#include "runtime/core/list_rows.h"

namespace display {

// Width of a text in the list font, in dialog units. The window measures
// with its hidden string control (its width plus 3); the batch tool uses a
// plain character count. Texts come without trailing blanks.
using TextWidth = std::function<int(std::string_view)>;

// `measure` remembering the width of each distinct text it was given, so a
// text met again is not measured again. The copies share what is remembered;
// like `measure` itself, it is used from one thread.
TextWidth RememberingWidths(TextWidth measure);

inline constexpr std::int32_t kDefaultColour = -1;
inline constexpr std::int32_t kShadeColour = 0xE7E7E7;           // alternate rows
inline constexpr std::int32_t kRelationHeaderColour = 0xC0C0C0;  // relation header rows

// The text cut at `size` characters.
std::string_view Cut(std::string_view text, std::size_t size) noexcept;

// A row of `columns` empty cells with default colours.
rt::ListRow EmptyRow(std::size_t columns);

// Gives every cell of the row the normal background `colour`.
void ShadeRow(rt::ListRow& row, std::int32_t colour) noexcept;

// The normal background colour of each cell of the row.
std::vector<std::int32_t> NormalBackgrounds(const rt::ListRow& row);

// The widest of `texts` as `measure` gives them, measuring few of them
// whole: each text is first summed from its characters' widths (each
// character measured once, to a sixteenth of a unit); the widest sum,
// rounded up, counts, and so do the texts whose sums come near it, measured
// whole (kerning and rounding make a sum differ from the whole by a few
// units), 32 of them at most.
int WidestText(std::span<const std::string_view> texts, const TextWidth& measure);

// The column widths of one list: they start as the widths of the header
// texts and grow to the widest cell measured.
class ColumnWidths {
  public:
    // Each column that has no fixed width starts as wide as its header.
    ColumnWidths(const TextWidth& measure, std::span<const ListColumn> columns);

    // Widens column `column` to the width of `text` (trailing blanks not
    // measured) when that is larger.
    void Widen(std::size_t column, std::string_view text);
    // Widens the columns from `first` to `last` to the cells of `row`.
    void Widen(const rt::ListRow& row, std::size_t first, std::size_t last);

    int operator[](std::size_t column) const { return widths_.at(column); }

  private:
    // A width `text` cannot exceed, from its characters' widths measured once
    // each: a text whose bound does not pass a column's width is not measured
    // whole, so that long lists cost a measure only for their widest texts.
    int UpperBound(std::string_view text);

    const TextWidth& measure_;
    std::vector<int> widths_;
    int empty_ = -1;                   // the width of no text at all
    std::array<int, 256> sixteenths_;  // a character's width in sixteenths; -1 unmeasured
};

}  // namespace display
