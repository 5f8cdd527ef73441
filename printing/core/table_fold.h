// Tables wider than the page. A table whose text reaches past the columns
// the page shows is folded: every row (and the heading) is cut at the same
// fold columns, the first piece printed where it stands and each further
// piece on a continuation line of its own from kContinuationColumn, so the
// continued columns stay in line with each other and with the heading's
// continued column names. A piece that alone is wider than a line (one long
// cell) is wrapped at its blanks and commas, its continuation lines at the
// same column. A table that fits is printed exactly as it is.
//
//     const TableFold fold(table);
//     for (const TableLine& row : table.rows) print(fold.Lines(row.text));
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "printing/core/report_line.h"
#include "printing/core/report_tables.h"

namespace printing {

// Where a continuation line starts, indented under the row's first column.
inline constexpr std::size_t kContinuationColumn = 5;

// Columns first to last of a row, printed from column `at`; a wrapped piece
// is a single cell wider than the line's room.
struct FoldPiece {
    std::size_t first = 1;
    std::size_t last = 0;
    std::size_t at = 1;
    bool wrapped = false;
};

class TableFold {
  public:
    // The pieces for the table's heading and rows, cut at its folds, each
    // piece taking as many columns as fit on its line.
    explicit TableFold(const ReportTable& table, std::size_t columns = kPageColumns);

    const std::vector<FoldPiece>& Pieces() const noexcept { return pieces_; }
    bool Folded() const noexcept { return folded_; }

    // The printed lines of a row (or of the heading), trailing blanks
    // removed: one per piece up to the last that holds text, a blank first
    // piece left out, and always at least one line.
    std::vector<std::string> Lines(std::string_view row) const;

  private:
    std::size_t columns_;
    std::vector<FoldPiece> pieces_;
    bool folded_ = false;
};

}  // namespace printing
