#include "printing/core/table_fold.h"

#include <algorithm>

#include "printing/core/report_line.h"
#include "runtime/core/blanks.h"

namespace printing {

namespace {

// Columns first to last of the text (1-based), as far as the text reaches.
std::string_view Columns(std::string_view text, std::size_t first, std::size_t last) {
    if (first > text.size()) return {};
    return text.substr(first - 1, last - first + 1);
}

// The last column from first to last that holds text, 0 when none does.
std::size_t LastTextColumn(std::string_view text, std::size_t first, std::size_t last) {
    const std::size_t shown = rt::TrimTrailingSpaces(Columns(text, first, last)).size();
    return shown == 0 ? 0 : first + shown - 1;
}

}  // namespace

TableFold::TableFold(const ReportTable& table, std::size_t columns) : columns_(columns) {
    std::vector<std::string_view> lines{table.heading};
    for (const TableLine& row : table.rows) lines.push_back(row.text);
    std::size_t width = 0;
    for (std::string_view line : lines) width = std::max(width, rt::TrimTrailingSpaces(line).size());
    if (width <= columns_) {
        pieces_.push_back({1, width, 1, false});
        return;
    }
    folded_ = true;

    // The stretches between two folds, and how far text reaches in each.
    std::vector<std::size_t> starts{1};
    for (std::size_t fold : table.folds) {
        if (fold > starts.back() && fold <= width) starts.push_back(fold);
    }
    auto lastOf = [&](std::size_t i) { return i + 1 < starts.size() ? starts[i + 1] - 1 : width; };
    std::vector<std::size_t> reach(starts.size(), 0);
    for (std::string_view line : lines) {
        for (std::size_t i = 0; i < starts.size(); ++i) {
            reach[i] = std::max(reach[i], LastTextColumn(line, starts[i], lastOf(i)));
        }
    }

    std::size_t at = 1;
    for (std::size_t i = 0; i < starts.size();) {
        const std::size_t room = columns_ - at + 1;
        std::size_t end = i;  // the stretches i to end - 1 fit on the line
        std::size_t reached = 0;
        for (std::size_t k = i; k < starts.size(); ++k) {
            reached = std::max(reached, reach[k]);
            if (reached != 0 && reached - starts[i] + 1 > room) break;
            end = k + 1;
        }
        const bool wrapped = end == i;
        if (wrapped) end = i + 1;
        pieces_.push_back({starts[i], lastOf(end - 1), at, wrapped});
        i = end;
        at = kContinuationColumn;
    }
}

std::vector<std::string> TableFold::Lines(std::string_view row) const {
    if (!folded_) return {std::string(rt::TrimTrailingSpaces(Columns(row, 1, columns_)))};
    std::vector<std::string> lines;
    for (const FoldPiece& piece : pieces_) {
        std::string_view text = rt::TrimTrailingSpaces(Columns(row, piece.first, piece.last));
        if (!piece.wrapped) {
            lines.push_back(text.empty() ? std::string()
                                         : std::string(piece.at - 1, ' ').append(text));
            continue;
        }
        const std::size_t at = std::max(piece.at, kContinuationColumn);
        const std::vector<std::string> parts = WrapText(TrimLeft(text), columns_ - at + 1);
        if (parts.empty()) lines.emplace_back();
        for (std::size_t k = 0; k < parts.size(); ++k) {
            lines.push_back(std::string((k == 0 ? piece.at : at) - 1, ' ') + parts[k]);
        }
    }
    while (lines.size() > 1 && lines.back().empty()) lines.pop_back();
    if (lines.size() > 1 && lines.front().empty()) lines.erase(lines.begin());
    return lines;
}

}  // namespace printing
