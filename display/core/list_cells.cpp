#include "display/core/list_cells.h"

#include <algorithm>
#include <array>
#include <memory>
#include <unordered_map>
#include <utility>

#include "runtime/core/blanks.h"

namespace display {

namespace {

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept {
        return std::hash<std::string_view>()(text);
    }
};

}  // namespace

TextWidth RememberingWidths(TextWidth measure) {
    using Widths = std::unordered_map<std::string, int, TextHash, std::equal_to<>>;
    return
        [measure = std::move(measure), widths = std::make_shared<Widths>()](std::string_view text) {
            const auto known = widths->find(text);
            if (known != widths->end()) return known->second;
            const int width = measure(text);
            widths->emplace(std::string(text), width);
            return width;
        };
}

int WidestText(std::span<const std::string_view> texts, const TextWidth& measure) {
    // A character measured sixteen times over gives its width in sixteenths.
    constexpr int kRepeat = 16;
    // How far below the widest sum a text may still be the widest whole.
    constexpr int kSlack = 4 * kRepeat;
    // Texts measured whole at most: many texts of one sum (names that
    // differ only in their digits) differ whole by their kerning alone.
    constexpr int kMostMeasured = 32;
    std::array<int, 256> characters;
    characters.fill(-1);
    std::vector<int> sums;
    sums.reserve(texts.size());
    int widestSum = 0;
    for (std::string_view text : texts) {
        int sum = 0;
        for (const char c : text) {
            int& width = characters[static_cast<unsigned char>(c)];
            if (width < 0) width = measure(std::string(kRepeat, c));
            sum += width;
        }
        sums.push_back(sum);
        widestSum = std::max(widestSum, sum);
    }
    int widest = (widestSum + kRepeat - 1) / kRepeat;
    int measured = 0;
    for (std::size_t i = 0; i < texts.size() && measured < kMostMeasured; ++i) {
        if (sums[i] < widestSum - kSlack) continue;
        widest = std::max(widest, measure(texts[i]));
        ++measured;
    }
    return widest;
}

std::string_view Cut(std::string_view text, std::size_t size) noexcept {
    return text.substr(0, std::min(text.size(), size));
}

rt::ListRow EmptyRow(std::size_t columns) {
    return rt::ListRow(columns);
}

void ShadeRow(rt::ListRow& row, std::int32_t colour) noexcept {
    for (rt::ListCell& cell : row) cell.colours.normalBackground = colour;
}

std::vector<std::int32_t> NormalBackgrounds(const rt::ListRow& row) {
    std::vector<std::int32_t> colours;
    colours.reserve(row.size());
    for (const rt::ListCell& cell : row) colours.push_back(cell.colours.normalBackground);
    return colours;
}

ColumnWidths::ColumnWidths(const TextWidth& measure, std::span<const ListColumn> columns)
    : measure_(measure) {
    sixteenths_.fill(-1);
    widths_.reserve(columns.size());
    for (const ListColumn& column : columns)
        if (column.fixedWidth == 0) widths_.push_back(measure_(MeasuredHeader(column)));
}

int ColumnWidths::UpperBound(std::string_view text) {
    // Sixteen copies of a character measured together give its width to a
    // sixteenth; one sixteenth more per character covers that rounding, and
    // one unit more the kerning a few pairs may add.
    constexpr int kRepeat = 16;
    if (empty_ < 0) empty_ = measure_({});
    int sum = 0;
    for (const char c : text) {
        int& width = sixteenths_[static_cast<unsigned char>(c)];
        if (width < 0) {
            // Blanks are measured before a letter: a measure may drop trailing blanks.
            width = c == ' ' ? measure_(std::string(kRepeat, ' ') + "x") - measure_("x")
                             : measure_(std::string(kRepeat, c)) - empty_;
            width = std::max(width, 0);
        }
        sum += width + 1;
    }
    return empty_ + (sum + kRepeat - 1) / kRepeat + 1;
}

void ColumnWidths::Widen(std::size_t column, std::string_view text) {
    text = rt::TrimTrailingSpaces(text);
    int& current = widths_.at(column);
    if (UpperBound(text) <= current) return;  // it cannot be the wider
    const int width = measure_(text);
    if (width > current) current = width;
}

void ColumnWidths::Widen(const rt::ListRow& row, std::size_t first, std::size_t last) {
    for (std::size_t column = first; column <= last && column < row.size(); ++column) {
        Widen(column, row[column].text);
    }
}

}  // namespace display
