#include "printing/core/report_tables.h"

#include <algorithm>
#include <utility>

#include "dictionary/field_facts.h"
#include "dictionary/labels.h"
#include "printing/core/report_line.h"
#include "runtime/core/blanks.h"
#include "runtime/core/joined.h"

namespace printing {

namespace {

constexpr std::size_t kFirstAttributeColumn = 48;
constexpr std::size_t kAttributeColumn = 60;

std::string WithoutQuotes(std::string_view text) {
    return dictionary::RemoveChars(text, "'", false);
}

void Widen(std::size_t& width, std::string_view text) {
    width = std::max(width, text.size());
}

template <class Row>
std::span<const Row> RowsOf(const dictionary::List<Row>& list) {
    return dictionary::Rows(list);
}

// The last row that carries text becomes the table's last row.
void MarkLastRow(ReportTable& table) {
    for (auto it = table.rows.rbegin(); it != table.rows.rend(); ++it) {
        if (it->kind == RowKind::Separator) continue;
        it->kind = RowKind::LastRow;
        return;
    }
}

// Drops a separator that no longer stands between two items.
void DropTrailingSeparator(ReportTable& table) {
    if (!table.rows.empty() && table.rows.back().kind == RowKind::Separator) table.rows.pop_back();
}

}  // namespace

// --- entry heading lines -------------------------------------------------

namespace {

// An entry's heading lines, with the file's attribute words beside their
// text. A text longer than a line continues on the next lines under its
// value; the waiting attribute goes at its column on the first line whose
// text ends before that column, never over the text, and one longer than
// the room up to the line's end continues on lines of its own at the same
// column. What no line took gets lines of its own.
class HeadingLines {
  public:
    explicit HeadingLines(std::vector<std::string> words = {}) : words_(std::move(words)) {}

    // `label` and `value`, the next attribute at `column` (after `lead`,
    // which stays with the first attribute wherever it is put).
    void Add(std::string_view label, std::string_view value, std::size_t column,
             std::string_view lead = {}) {
        if (!lead.empty()) lead_ = lead;
        std::vector<std::string> pieces = WrapText(value, kPageColumns - label.size());
        if (pieces.empty()) pieces.emplace_back();
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            const std::string front = k == 0 ? std::string(label) : std::string(label.size(), ' ');
            PutLine(front + pieces[k], column);
        }
    }

    std::vector<std::string> Finish() && {
        while (next_ < words_.size()) PutLine({}, kAttributeColumn);
        return std::move(lines_);
    }

  private:
    void PutLine(const std::string& text, std::size_t column) {
        ReportLine line;
        line = text;
        if (next_ >= words_.size() || rt::TrimTrailingSpaces(text).size() + 1 >= column) {
            lines_.push_back(line.Value());
            return;
        }
        const std::string word = lead_ + words_[next_++];
        lead_.clear();
        const std::vector<std::string> pieces = WrapText(word, kPageColumns - column + 1);
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            if (k > 0) line.Clear();
            line.Put(column, pieces[k]);
            lines_.push_back(line.Value());
        }
    }

    std::vector<std::string> words_;
    std::size_t next_ = 0;
    std::string lead_;
    std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> FileHeadingLines(const dictionary::FileQueue& file,
                                          const std::vector<std::string>& aliases) {
    HeadingLines lines(dictionary::FileAttributeWords(file));
    lines.Add("Prefix: ", Value(file.PREFIX), kFirstAttributeColumn, "Attributes: ");
    lines.Add("Driver: ", WithoutQuotes(Value(file.DRIVER)), kAttributeColumn);
    if (file.NAME.has_value()) lines.Add("Path  : ", Value(file.NAME), kAttributeColumn);
    if (!aliases.empty()) lines.Add("Alias : ", rt::Joined(aliases, ", "), kAttributeColumn);
    return std::move(lines).Finish();
}

std::vector<std::string> AliasHeadingLines(const dictionary::AliasQueue& alias) {
    HeadingLines lines;
    lines.Add("Prefix: ", Value(alias.PREFIX), kAttributeColumn);
    lines.Add("File  : ", Value(alias.FILE), kAttributeColumn);
    return std::move(lines).Finish();
}

// --- keys ----------------------------------------------------------------

KeyColumns KeyColumnsOf(const dictionary::FileQueue& file) {
    KeyColumns c;
    auto measure = [&](const auto& key) {
        Widen(c.wL, Value(key.LABEL));
        for (const dictionary::TextLineQueue& part : RowsOf(key.FIELD))
            Widen(c.wF, Value(part.TEXT));
    };
    for (const dictionary::KeyQueue& key : RowsOf(file.KEY)) measure(key);
    for (const dictionary::IndexQueue& index : RowsOf(file.INDEX)) measure(index);
    c.A = c.wL + 5;
    c.B = c.A + c.wF + 2;
    return c;
}

namespace {

// "PRIMARY,DUP,..." from the words that apply, without the last comma.
std::string CommaList(std::initializer_list<std::pair<bool, std::string_view>> words,
                      const dictionary::Text& name) {
    std::string text;
    for (const auto& [set, word] : words) {
        if (set) {
            text += word;
            text += ',';
        }
    }
    if (name.has_value()) text += "NAME(" + name.str() + "),";
    if (!text.empty()) text.pop_back();
    return text;
}

// A key or an index as its rows show it.
struct KeyEntry {
    std::string first;
    std::string attributes;
    const dictionary::List<dictionary::TextLineQueue>* parts;
};

void AddKeyRows(ReportTable& table, const KeyColumns& c, std::size_t length,
                const KeyEntry& entry) {
    ReportLine line(length);
    line = entry.first;
    line.Put(c.B, entry.attributes);
    auto components = RowsOf(*entry.parts);
    if (components.empty()) {
        table.rows.push_back({RowKind::Row, line.Value()});
    }
    for (std::size_t i = 0; i < components.size(); ++i) {
        if (i > 0) line.Clear();
        line.Put(c.A, Value(components[i].TEXT));
        table.rows.push_back({RowKind::Row, line.Value()});
    }
    table.rows.push_back({RowKind::Separator, {}});
}

}  // namespace

std::optional<ReportTable> KeysTable(const dictionary::FileQueue& file) {
    if (!file.KEY && !file.INDEX) return std::nullopt;
    const KeyColumns c = KeyColumnsOf(file);
    std::vector<KeyEntry> entries;
    for (const dictionary::KeyQueue& key : RowsOf(file.KEY)) {
        entries.push_back({"K " + key.LABEL.str(),
                           CommaList({{key.PRIMARY != 0, "PRIMARY"},
                                      {key.DUP != 0, "DUP"},
                                      {key.NOCASE != 0, "NOCASE"},
                                      {key.OPT != 0, "OPT"}},
                                     key.NAME),
                           &key.FIELD});
    }
    for (const dictionary::IndexQueue& index : RowsOf(file.INDEX)) {
        entries.push_back(
            {(index.FIELD ? "I " : "D ") + index.LABEL.str(),
             CommaList({{index.NOCASE != 0, "NOCASE"}, {index.OPT != 0, "OPT"}}, index.NAME),
             &index.FIELD});
    }
    std::size_t length = kLineLength;
    for (const KeyEntry& entry : entries) length = std::max(length, c.B + entry.attributes.size());

    ReportTable table;
    ReportLine heading;
    heading.Put(1, "KEY");
    heading.Put(c.A, "FIELDS");
    heading.Put(c.B, "ATTRIBUTES");
    table.heading = heading.Value();
    table.folds = {c.A, c.B};
    for (const KeyEntry& entry : entries) AddKeyRows(table, c, length, entry);
    DropTrailingSeparator(table);
    MarkLastRow(table);
    return table;
}

// --- fields --------------------------------------------------------------

std::vector<FieldCells> FieldRows(const dictionary::FileQueue& file, dictionary::Scanner& scanner) {
    std::vector<FieldCells> rows;
    for (const dictionary::MemoQueue& memo : RowsOf(file.MEMO)) {
        rows.push_back({memo.LABEL.str(), dictionary::MemoTypeText(memo), memo.PICTURE.str(),
                        dictionary::ValidOf(memo.TEXT, scanner)});
    }
    for (const dictionary::BlobQueue& blob : RowsOf(file.BLOB)) {
        rows.push_back({blob.LABEL.str(),
                        "BLOB(" + std::to_string(blob.SIZE) + ")",
                        {},
                        dictionary::ValidOf(blob.TEXT, scanner)});
    }
    std::size_t level = 0;
    for (const dictionary::FieldQueue& field : RowsOf(file.FIELD)) {
        if (dictionary::IsGroupEnd(field) && level > 0) --level;
        std::string type(2 * std::min(level, dictionary::kMaxGroupIndent), ' ');
        type += dictionary::TypeTextWithDim(field);
        rows.push_back({field.LABEL.str(), std::move(type), field.PICTURE.str(),
                        dictionary::ValidOf(field.TEXT, scanner)});
        if (dictionary::IsGroup(field)) ++level;
    }
    return rows;
}

FieldColumns FieldColumnsOf(const std::vector<FieldCells>& rows) {
    FieldColumns c;
    for (const FieldCells& row : rows) {
        Widen(c.wL, row.label);
        Widen(c.wT, row.type);
        Widen(c.wP, row.picture);
    }
    c.A = c.wL + 3;
    c.B = c.A + c.wT + 2;
    c.C = c.B + c.wP + 2;
    return c;
}

std::optional<ReportTable> FieldsTable(const dictionary::FileQueue& file,
                                       dictionary::Scanner& scanner) {
    if (!file.MEMO && !file.BLOB && !file.FIELD) return std::nullopt;
    const std::vector<FieldCells> cells = FieldRows(file, scanner);
    const FieldColumns c = FieldColumnsOf(cells);
    std::size_t length = kLineLength;
    for (const FieldCells& row : cells) length = std::max(length, c.C + row.valid.size());
    ReportTable table;
    ReportLine line(length);
    line.Put(1, "FIELD");
    line.Put(c.A, "TYPE");
    line.Put(c.B, "PICTURE");
    line.Put(c.C, "VALID");
    table.heading = line.Value();
    table.folds = {c.A, c.B, c.C};
    for (const FieldCells& row : cells) {
        line = row.label;
        line.Put(c.A, row.type);
        line.Put(c.B, row.picture);
        if (!row.valid.empty()) line.Put(c.C, row.valid);
        table.rows.push_back({RowKind::Row, line.Value()});
    }
    MarkLastRow(table);
    return table;
}

// --- relations -----------------------------------------------------------

namespace {

struct SideView {
    std::string_view ownFile, ownKey, relatedFile, relatedKey;
    std::span<const dictionary::FieldPairQueue> ownPairs, relatedPairs;
};

SideView ViewOf(const RelationSide& side) {
    const dictionary::RelationQueue& r = *side.relation;
    if (side.left) {
        return {Value(r.LEFTFILE), Value(r.LEFTKEY),     Value(r.RIGHTFILE),
                Value(r.RIGHTKEY), RowsOf(r.LEFTFIELDS), RowsOf(r.RIGHTFIELDS)};
    }
    return {Value(r.RIGHTFILE), Value(r.RIGHTKEY),     Value(r.LEFTFILE),
            Value(r.LEFTKEY),   RowsOf(r.RIGHTFIELDS), RowsOf(r.LEFTFIELDS)};
}

const std::string kConnector = {' ', kSingleLeft, kDash};  // " ‹—"
const std::string kLead = {kSingleRight, ' '};             // "› "

// A file or field name and its connector, ending just before `next`, then
// the other name after "› " from `next` on. "NOLINK" leaves a dash alone.
void PutLink(ReportLine& line, std::size_t from, std::size_t next, std::string_view first,
             std::string_view second) {
    if (dictionary::SameLabel(first, "NOLINK")) {
        line.Put(next - 1, std::string(1, kDash));
    } else {
        line.PutRight(from, next - 1, std::string(first) + kConnector);
    }
    line.Put(next, kLead + std::string(second));
}

}  // namespace

std::vector<RelationSide> RelationsOf(const dictionary::DictionaryModel& model,
                                      const dictionary::RelationIndex& index,
                                      std::string_view name) {
    const auto relations = RowsOf(model.RELATION);
    std::vector<RelationSide> sides;
    for (const dictionary::RelationIndex::End& end : index.EndsOf(name))
        sides.push_back({&relations[end.position], end.left});
    return sides;
}

RelationColumns RelationColumnsOf(const std::vector<RelationSide>& sides) {
    RelationColumns c;
    for (const RelationSide& side : sides) {
        const SideView v = ViewOf(side);
        Widen(c.W1, v.relatedFile);
        Widen(c.W2, v.ownFile);
        Widen(c.W3, v.relatedKey);
        Widen(c.W4, v.relatedFile);
        Widen(c.W5, v.ownKey);
        for (const dictionary::FieldPairQueue& pair : v.ownPairs) {
            Widen(c.W2, Value(pair.LEFT));
            Widen(c.W3, Value(pair.RIGHT));
        }
        for (const dictionary::FieldPairQueue& pair : v.relatedPairs) {
            Widen(c.W4, Value(pair.LEFT));
            Widen(c.W5, Value(pair.RIGHT));
        }
    }
    c.P2 = c.W1 + 6;
    c.P3 = c.P2 + c.W2 + 4;
    c.P4 = c.P3 + c.W3 + 3;
    c.P5 = c.P4 + c.W4 + 4;
    c.end = c.P5 + c.W5 + 3;
    return c;
}

std::string RelationArrow(const RelationSide& side) {
    const bool one = dictionary::LeftSideIsOne(*side.relation);
    const std::string oneToMany = {kSingleLeft, kDash, kDoubleRight, ' '};  // "‹—» "
    const std::string manyToOne = {kDoubleLeft, kDash, kSingleRight, ' '};  // "«—› "
    return one == side.left ? oneToMany : manyToOne;
}

std::optional<ReportTable> RelationsTable(const std::vector<RelationSide>& sides) {
    if (sides.empty()) return std::nullopt;
    const RelationColumns c = RelationColumnsOf(sides);
    ReportTable table;
    ReportLine line(std::max(kLineLength, c.end));
    line.Put(1, "RELATED FILE");
    line.PutRight(c.P2, c.P3 - 1, "FILE" + kConnector);
    line.Put(c.P3, kLead + "RELATED KEY");
    line.PutRight(c.P4, c.P5 - 1, "RELATED FILE" + kConnector);
    line.Put(c.P5, kLead + "KEY");
    table.heading = line.Value();
    // A relation folds between its related file, its own side's link and
    // the related side's link, each of which reads as one whole.
    table.folds = {c.P2, c.P4};

    for (std::size_t s = 0; s < sides.size(); ++s) {
        const SideView v = ViewOf(sides[s]);
        line = RelationArrow(sides[s]) + std::string(v.relatedFile);
        line.PutRight(c.P2, c.P3 - 1, std::string(v.ownFile) + kConnector);
        line.Put(c.P3, kLead + std::string(v.relatedKey));
        line.PutRight(c.P4, c.P5 - 1, std::string(v.relatedFile) + kConnector);
        line.Put(c.P5, kLead + std::string(v.ownKey));
        table.rows.push_back({RowKind::RelationHead, line.Value()});

        const std::size_t pairs = std::max(v.ownPairs.size(), v.relatedPairs.size());
        for (std::size_t k = 0; k < pairs; ++k) {
            line.Clear();
            if (k < v.ownPairs.size()) {
                PutLink(line, c.P2, c.P3, Value(v.ownPairs[k].LEFT), Value(v.ownPairs[k].RIGHT));
            }
            if (k < v.relatedPairs.size()) {
                PutLink(line, c.P4, c.P5, Value(v.relatedPairs[k].LEFT),
                        Value(v.relatedPairs[k].RIGHT));
            }
            const bool last = s + 1 == sides.size() && k + 1 == pairs;
            table.rows.push_back({last ? RowKind::LastRow : RowKind::Row, line.Value()});
        }
        if (s + 1 < sides.size()) table.rows.push_back({RowKind::Separator, {}});
    }
    return table;
}

// --- files summary -------------------------------------------------------

std::string SummaryAttributes(const dictionary::FileQueue& file) {
    return rt::Joined(dictionary::FileAttributeWords(file), ",");
}

namespace {

const dictionary::FileQueue* FileOf(const dictionary::DictionaryModel& model,
                                    const FilesToPrintRow& entry) {
    auto files = RowsOf(model.FILE);
    if (entry.TYPE != kFileEntry || entry.REF < 1 ||
        static_cast<std::size_t>(entry.REF) > files.size()) {
        return nullptr;
    }
    return &files[static_cast<std::size_t>(entry.REF - 1)];
}

}  // namespace

SummaryColumns SummaryColumnsOf(const dictionary::DictionaryModel& model,
                                const FilesToPrint& entries) {
    SummaryColumns c;
    for (const FilesToPrintRow& entry : entries) {
        const dictionary::FileQueue* file = FileOf(model, entry);
        if (!file) continue;
        Widen(c.w1, Value(file->LABEL));
        Widen(c.w2, Value(file->PREFIX));
        const std::size_t driver = file->DRIVER.size();
        if (driver > 2) c.w3 = std::max(c.w3, driver - 2);
        Widen(c.w4, Value(file->NAME));
        const std::size_t attributes = SummaryAttributes(*file).size();
        c.w5 = std::max(c.w5, attributes);  // the text without its last comma
    }
    c.A = c.w1 + 3;
    c.B = c.A + c.w2 + 2;
    c.C = c.B + c.w3 + 2;
    c.D = c.C + c.w4 + 2;
    c.E = c.D + c.w5 + 2;
    return c;
}

ReportTable SummaryTable(const dictionary::DictionaryModel& model, const FilesToPrint& entries) {
    const SummaryColumns c = SummaryColumnsOf(model, entries);
    ReportTable table;
    ReportLine line(std::max(kLineLength, c.E));
    line.Put(1, "FILE");
    line.Put(c.A, "PRE");
    line.Put(c.B, "DRIVER");
    line.Put(c.C, "PATH");
    line.Put(c.D, "ATTRIBUTES");
    table.heading = line.Value();
    table.folds = {c.A, c.B, c.C, c.D};
    for (const FilesToPrintRow& entry : entries) {
        const dictionary::FileQueue* file = FileOf(model, entry);
        if (!file) continue;
        line = Value(file->LABEL);
        line.Put(c.A, Value(file->PREFIX));
        line.Put(c.B, WithoutQuotes(Value(file->DRIVER)));
        if (file->NAME.has_value()) line.Put(c.C, Value(file->NAME));
        line.Put(c.D, SummaryAttributes(*file));
        table.rows.push_back({RowKind::Row, line.Value()});
    }
    MarkLastRow(table);
    return table;
}

}  // namespace printing
