// The three detail lists of the dictionary window for the selected file:
// its fields and memos, its keys and indexes, and its relations.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "dictionary/model.h"
#include "dictionary/relation_index.h"
#include "dictionary/scanner.h"
#include "display/core/list_cells.h"

namespace display {

// A built list: its rows and the format string that lays out its columns.
struct BuiltList {
    rt::ListRows rows;
    std::string format;  // empty until built
};

// Columns of the Fields, Keys and Relations rows, in order.
enum FieldColumn : std::size_t { kFieldName, kFieldType, kFieldPicture, kFieldValid };
enum KeyColumn : std::size_t { kKeyName, kKeyType, kKeyAttributes, kKeyField };
enum RelationColumn : std::size_t {
    kRelationFile,
    kRelationLeftL,
    kRelationLeftR,
    kRelationRightL,
    kRelationRightR
};
inline constexpr std::size_t kFieldColumns = 4;
inline constexpr std::size_t kKeyColumns = 4;
inline constexpr std::size_t kRelationColumns = 5;

// Fields list: memos (those with annotations) first, then the fields with
// group members indented and group ends left out. `scanner` finds VALID in
// each row's annotation keywords.
BuiltList BuildFieldList(const dictionary::FileQueue& file, dictionary::Scanner& scanner,
                         const TextWidth& measure);

// Keys list: keys, then indexes, one row per component; each key or index
// has one shade, flipping from one to the next.
BuiltList BuildKeyList(const dictionary::FileQueue& file, const TextWidth& measure);

// Relations list: each relation with the selected file on its left
// (LEFTFILE equals `selectedName`) and each with the current file on its
// right (RIGHTFILE equals `currentLabel`), a header row then field rows.
BuiltList BuildRelationList(const dictionary::DictionaryModel& model, std::string_view selectedName,
                            std::string_view currentLabel, const TextWidth& measure);
// The same, looking only at the relations `index` (built for `model`) holds
// for the two labels.
BuiltList BuildRelationList(const dictionary::DictionaryModel& model,
                            const dictionary::RelationIndex& index, std::string_view selectedName,
                            std::string_view currentLabel, const TextWidth& measure);

// Format strings of the three lists for the given column widths.
std::string FieldListFormat(int name, int type, int picture);
std::string KeyListFormat(int name, int type, int attributes);
std::string RelationListFormat(int file, int leftL, int leftR, int rightL, int rightR);

// The three lists with no rows, their columns as wide as their headers.
BuiltList EmptyFieldList(const TextWidth& measure);
BuiltList EmptyKeyList(const TextWidth& measure);
BuiltList EmptyRelationList(const TextWidth& measure);

}  // namespace display
