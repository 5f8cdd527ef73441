#include <algorithm>
#include <string>

#include "dictionary/field_facts.h"
#include "display/core/detail_lists.h"
#include "runtime/core/blanks.h"

namespace display {

namespace {

constexpr std::size_t kCellSize = 40;
constexpr std::size_t kValidSize = 100;

ColumnWidths FieldWidths(const TextWidth& measure) {
    return ColumnWidths(measure, kFieldListColumns);
}

// Every argument of the VALID attribute, as written: INRANGE(0,100) or
// INLIST('a','b') whole.
std::string ValidValue(const dictionary::ObjectTextRef& text, dictionary::Scanner& scanner) {
    return std::string(Cut(dictionary::ValidOf(text, scanner), kValidSize));
}

void Set(rt::ListRow& row, FieldColumn column, std::string_view text) {
    row[column].text = std::string(Cut(text, column == kFieldValid ? kValidSize : kCellSize));
}

// Adds the row with the shade of its position (1st, 3rd ... grey).
void Add(BuiltList& list, rt::ListRow row) {
    ShadeRow(row, list.rows.size() % 2 == 0 ? kShadeColour : kDefaultColour);
    list.rows.push_back(std::move(row));
}

}  // namespace

std::string FieldListFormat(int name, int type, int picture) {
    return ListFormat(kFieldListColumns, std::array{name, type, picture});
}

BuiltList EmptyFieldList(const TextWidth& measure) {
    ColumnWidths widths = FieldWidths(measure);
    return {{}, FieldListFormat(widths[0], widths[1], widths[2])};
}

BuiltList BuildFieldList(const dictionary::FileQueue& file, dictionary::Scanner& scanner,
                         const TextWidth& measure) {
    BuiltList list;
    ColumnWidths widths = FieldWidths(measure);
    for (const dictionary::MemoQueue& memo : dictionary::Rows(file.MEMO)) {
        if (!memo.TEXT) continue;
        rt::ListRow row = EmptyRow(kFieldColumns);
        Set(row, kFieldName, memo.LABEL.view());
        Set(row, kFieldType, dictionary::MemoTypeText(memo));
        Set(row, kFieldPicture, memo.PICTURE.view());
        Set(row, kFieldValid, ValidValue(memo.TEXT, scanner));
        widths.Widen(row, kFieldName, kFieldPicture);
        Add(list, std::move(row));
    }
    int depth = 0;
    for (const dictionary::FieldQueue& field : dictionary::Rows(file.FIELD)) {
        if (dictionary::IsGroupEnd(field)) {
            --depth;
            continue;
        }
        rt::ListRow row = EmptyRow(kFieldColumns);
        const std::size_t steps =
            std::min(static_cast<std::size_t>(std::max(depth, 0)), dictionary::kMaxGroupIndent);
        const std::string indent(steps * 4, ' ');
        Set(row, kFieldName, indent + field.LABEL.str());
        Set(row, kFieldType, indent + dictionary::TypeTextWithDim(field));
        Set(row, kFieldPicture, field.PICTURE.view());
        Set(row, kFieldValid, ValidValue(field.TEXT, scanner));
        widths.Widen(row, kFieldName, kFieldPicture);
        if (dictionary::IsGroup(field)) ++depth;
        Add(list, std::move(row));
    }
    list.format = FieldListFormat(widths[0], widths[1], widths[2]);
    return list;
}

}  // namespace display
