// The facts of a field, a group and a file that every listing shows the same
// way: the type text, the VALID, PROMPT and HEADER attributes, descriptions,
// the prefix that qualifies a field, the file's attribute words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dictionary/model.h"
#include "dictionary/scanner.h"

namespace dictionary {

// Whether a field row closes a GROUP, or opens one.
bool IsGroupEnd(const FieldQueue& field) noexcept;
bool IsGroup(const FieldQueue& field) noexcept;

// The type as declared: "DECIMAL(11,2)", "STRING(35)", "LONG".
std::string TypeText(const FieldQueue& field);
// The same with the DIM attribute: "STRING(35),DIM(2)".
std::string TypeTextWithDim(const FieldQueue& field);
// "MEMO(2000)".
std::string MemoTypeText(const MemoQueue& memo);

// Every argument of the attribute `keyword` among an object's annotation
// keywords, as written ("INRANGE(0,100)" whole, "'&Name:'" with its quotes);
// empty when it has none or only blanks.
std::string KeywordArguments(const ObjectTextRef& text, std::string_view keyword, Scanner& scanner);
// The arguments of the VALID attribute, of PROMPT and of HEADER.
inline std::string ValidOf(const ObjectTextRef& text, Scanner& scanner) {
    return KeywordArguments(text, "VALID", scanner);
}
inline std::string PromptOf(const ObjectTextRef& text, Scanner& scanner) {
    return KeywordArguments(text, "PROMPT", scanner);
}
inline std::string HeaderOf(const ObjectTextRef& text, Scanner& scanner) {
    return KeywordArguments(text, "HEADER", scanner);
}

// The lines of an object's long description, as written; none when it has
// no [LONGDESC] section.
std::vector<std::string_view> DescriptionLines(const ObjectTextRef& text);
// The dictionary's description lines without the "DCT Path:" line that the
// import adds (it names where the export was read from, not its content).
std::vector<std::string_view> DictionaryDescription(const DictionaryModel& model);

// The words of the file's set flags in the export's order: "CREATE",
// "RECLAIM", ..., "OWNER(...)", "ENCRYPT".
std::vector<std::string> FileAttributeWords(const FileQueue& file);

// The argument of a GROUP's own PRE attribute, read from its declaration;
// empty when it has none or PRE().
std::string_view GroupPrefix(const FieldQueue& group, Scanner& scanner);

// For each row of the file's FIELD list, the prefix that qualifies it in a
// reference: that of the innermost enclosing GROUP with a prefix of its own,
// else the file's. A GROUP row itself is qualified by its enclosing prefix;
// a group end gets the prefix of the group it closes.
std::vector<std::string> FieldPrefixes(const FileQueue& file, Scanner& scanner);

}  // namespace dictionary
