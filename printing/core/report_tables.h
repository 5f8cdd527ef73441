// The texts of the dictionary report: a file's or alias's heading lines and
// the keys, fields, relations and summary tables, with their columns found
// by counting characters over every row before any row is built.
//
// Every line is a full report variable (255 characters, blank-padded);
// columns are 1-based. Dictionary text stays Windows-1252 bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/model.h"
#include "dictionary/relation_index.h"
#include "dictionary/scanner.h"
#include "printing/core/print_options.h"

namespace printing {

// The connector characters of the relations table (Windows-1252).
inline constexpr char kSingleLeft = '\x8B';   // ‹
inline constexpr char kDash = '\x97';         // —
inline constexpr char kSingleRight = '\x9B';  // ›
inline constexpr char kDoubleLeft = '\xAB';   // «
inline constexpr char kDoubleRight = '\xBB';  // »

enum class RowKind {
    Row,           // an ordinary table row
    RelationHead,  // the first row of a relation, printed double-struck
    LastRow,       // the last row of a table, ruled underneath
    Separator,     // a rule between two keys, indexes or relations (no text)
};

struct TableLine {
    RowKind kind = RowKind::Row;
    std::string text;
};

struct ReportTable {
    std::string heading;
    std::vector<TableLine> rows;
    // The columns (ascending) where a row too wide for the page may be
    // folded onto a continuation line: the starts of the table's columns,
    // or of its groups of columns that belong together.
    std::vector<std::size_t> folds;
};

// The value of a text, "" when it is null.
inline std::string_view Value(const dictionary::Text& text) noexcept {
    return text.view();
}

// --- entry heading lines -------------------------------------------------

// The heading lines of a file: prefix, driver, path, aliases, and the
// attributes that did not fit on them. `aliases` are the labels of the
// file's aliases, in label order.
std::vector<std::string> FileHeadingLines(const dictionary::FileQueue& file,
                                          const std::vector<std::string>& aliases);
std::vector<std::string> AliasHeadingLines(const dictionary::AliasQueue& alias);

// --- keys ----------------------------------------------------------------

struct KeyColumns {
    std::size_t wL = 3;  // longest key or index label
    std::size_t wF = 6;  // longest component
    std::size_t A = 0;   // FIELDS
    std::size_t B = 0;   // ATTRIBUTES
};
KeyColumns KeyColumnsOf(const dictionary::FileQueue& file);
// Null when the file has neither a key nor an index list.
std::optional<ReportTable> KeysTable(const dictionary::FileQueue& file);

// --- fields --------------------------------------------------------------

struct FieldColumns {
    std::size_t wL = 5;  // label
    std::size_t wT = 4;  // type text
    std::size_t wP = 7;  // picture
    std::size_t A = 0;   // TYPE
    std::size_t B = 0;   // PICTURE
    std::size_t C = 0;   // VALID
};

// One row of the fields table before it is set in columns.
struct FieldCells {
    std::string label;
    std::string type;
    std::string picture;
    std::string valid;
};

// The rows of memos, blobs and fields in that order, groups indented.
std::vector<FieldCells> FieldRows(const dictionary::FileQueue& file, dictionary::Scanner& scanner);
FieldColumns FieldColumnsOf(const std::vector<FieldCells>& rows);
// Null when the file has no memo, blob or field list.
std::optional<ReportTable> FieldsTable(const dictionary::FileQueue& file,
                                       dictionary::Scanner& scanner);

// --- relations -----------------------------------------------------------

// A relation seen from one of its files.
struct RelationSide {
    const dictionary::RelationQueue* relation = nullptr;
    bool left = true;  // the printed entry is the relation's left file
};

// How many characters of a file label the report compares when it looks up
// a file's relations.
inline constexpr std::size_t kFileLabelLength = 80;

// The relations of the entry `name`, in the model's order, each side that
// names it; `index` compares labels on their first kFileLabelLength
// characters, as the report's entries are named.
std::vector<RelationSide> RelationsOf(const dictionary::DictionaryModel& model,
                                      const dictionary::RelationIndex& index,
                                      std::string_view name);

struct RelationColumns {
    std::size_t W1 = 9, W2 = 4, W3 = 11, W4 = 12, W5 = 4;
    std::size_t P2 = 0, P3 = 0, P4 = 0, P5 = 0, end = 0;
};
RelationColumns RelationColumnsOf(const std::vector<RelationSide>& sides);
// The 4-character arrow at the start of a relation's head row.
std::string RelationArrow(const RelationSide& side);
// Null when there is no relation.
std::optional<ReportTable> RelationsTable(const std::vector<RelationSide>& sides);

// --- files summary -------------------------------------------------------

struct SummaryColumns {
    std::size_t w1 = 5, w2 = 3, w3 = 5, w4 = 4, w5 = 10;
    std::size_t A = 0, B = 0, C = 0, D = 0, E = 0;
};
// "CREATE,RECLAIM,...,OWNER(x),ENCRYPT" without the last comma.
std::string SummaryAttributes(const dictionary::FileQueue& file);
SummaryColumns SummaryColumnsOf(const dictionary::DictionaryModel& model,
                                const FilesToPrint& entries);
// One row per file entry of the list, in list order.
ReportTable SummaryTable(const dictionary::DictionaryModel& model, const FilesToPrint& entries);

}  // namespace printing
