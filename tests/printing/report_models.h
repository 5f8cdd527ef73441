// Small dictionaries built by hand for the report's tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dictionary/model.h"
#include "printing/core/print_options.h"
#include "printing/core/report_line.h"
#include "runtime/core/blanks.h"

namespace printing_test {

inline dictionary::List<dictionary::TextLineQueue> Lines(std::vector<std::string_view> texts) {
    dictionary::List<dictionary::TextLineQueue> list;
    for (std::string_view text : texts)
        dictionary::Ensure(list).push_back({dictionary::Text(text)});
    return list;
}

inline dictionary::ObjectTextRef Keywords(std::string_view keywords) {
    auto text = dictionary::MakeObjectText();
    text->KEYWORDS = keywords;
    return text;
}

inline dictionary::KeyQueue Key(std::string_view label, std::vector<std::string_view> parts) {
    dictionary::KeyQueue key;
    key.LABEL = label;
    if (!parts.empty()) key.FIELD = Lines(parts);
    return key;
}

inline dictionary::IndexQueue Index(std::string_view label, std::vector<std::string_view> parts) {
    dictionary::IndexQueue index;
    index.LABEL = label;
    if (!parts.empty()) index.FIELD = Lines(parts);
    return index;
}

inline dictionary::FieldQueue Field(std::string_view label, std::string_view type,
                                    std::string_view size = {}, std::string_view picture = {}) {
    dictionary::FieldQueue field;
    if (!label.empty()) field.LABEL = label;
    field.TYPE = type;
    if (!size.empty()) field.SIZE = size;
    if (!picture.empty()) field.PICTURE = picture;
    return field;
}

inline dictionary::FileQueue File(std::string_view label, std::string_view prefix = "PRE") {
    dictionary::FileQueue file;
    file.LABEL = label;
    file.PREFIX = prefix;
    file.DRIVER = "'SQLITE'";
    return file;
}

inline dictionary::RelationQueue Relation(std::string_view type, std::string_view left,
                                          std::string_view leftKey, std::string_view right,
                                          std::string_view rightKey) {
    dictionary::RelationQueue relation;
    relation.TYPE = type;
    relation.LEFTFILE = left;
    relation.LEFTKEY = leftKey;
    relation.RIGHTFILE = right;
    relation.RIGHTKEY = rightKey;
    return relation;
}

inline void AddPair(dictionary::List<dictionary::FieldPairQueue>& pairs, std::string_view left,
                    std::string_view right) {
    dictionary::Ensure(pairs).push_back({dictionary::Text(left), dictionary::Text(right)});
}

inline printing::FilesToPrintRow Entry(char type, std::string_view name, std::int32_t ref,
                                       std::uint8_t selected = 1) {
    return {type, dictionary::FixedString<40>(name), ref, selected};
}

// A line as the report shows it: without trailing blanks.
inline std::string Trimmed(const std::string& line) {
    return std::string(rt::TrimTrailingSpaces(line));
}

}  // namespace printing_test
