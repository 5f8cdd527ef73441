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

inline dict::List<dict::TextLineQueue> Lines(std::vector<std::string_view> texts) {
    dict::List<dict::TextLineQueue> list;
    for (std::string_view text : texts) dict::Ensure(list).push_back({dict::Text(text)});
    return list;
}

inline dict::ObjectTextRef Keywords(std::string_view keywords) {
    auto text = dict::MakeObjectText();
    text->KEYWORDS = keywords;
    return text;
}

inline dict::KeyQueue Key(std::string_view label, std::vector<std::string_view> parts) {
    dict::KeyQueue key;
    key.LABEL = label;
    if (!parts.empty()) key.FIELD = Lines(parts);
    return key;
}

inline dict::IndexQueue Index(std::string_view label, std::vector<std::string_view> parts) {
    dict::IndexQueue index;
    index.LABEL = label;
    if (!parts.empty()) index.FIELD = Lines(parts);
    return index;
}

inline dict::FieldQueue Field(std::string_view label, std::string_view type,
                              std::string_view size = {}, std::string_view picture = {}) {
    dict::FieldQueue field;
    if (!label.empty()) field.LABEL = label;
    field.TYPE = type;
    if (!size.empty()) field.SIZE = size;
    if (!picture.empty()) field.PICTURE = picture;
    return field;
}

inline dict::FileQueue File(std::string_view label, std::string_view prefix = "PRE") {
    dict::FileQueue file;
    file.LABEL = label;
    file.PREFIX = prefix;
    file.DRIVER = "'TOPSPEED'";
    return file;
}

inline dict::RelationQueue Relation(std::string_view type, std::string_view left,
                                    std::string_view leftKey, std::string_view right,
                                    std::string_view rightKey) {
    dict::RelationQueue relation;
    relation.TYPE = type;
    relation.LEFTFILE = left;
    relation.LEFTKEY = leftKey;
    relation.RIGHTFILE = right;
    relation.RIGHTKEY = rightKey;
    return relation;
}

inline void AddPair(dict::List<dict::FieldPairQueue>& pairs, std::string_view left,
                    std::string_view right) {
    dict::Ensure(pairs).push_back({dict::Text(left), dict::Text(right)});
}

inline printing::FilesToPrintRow Entry(char type, std::string_view name, std::int32_t ref,
                                       std::uint8_t selected = 1) {
    return {type, dict::FixedString<40>(name), ref, selected};
}

// A line as the report shows it: without trailing blanks.
inline std::string Trimmed(const std::string& line) {
    return std::string(rt::TrimTrailingSpaces(line));
}

}  // namespace printing_test
