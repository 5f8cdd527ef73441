// Small dictionaries for the list tests, parsed from export lines.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/txd_parser.h"
#include "display/core/list_cells.h"
#include "runtime/core/blanks.h"

namespace display_test {

// An export made of the lines, each ended by a carriage return and line feed.
inline std::string Export(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (std::string_view line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

inline std::unique_ptr<dictionary::DictionaryModel> Parse(std::string_view exportText) {
    auto model = std::make_unique<dictionary::DictionaryModel>();
    dictionary::ParseAll(*model, exportText, "D.TXD");
    return model;
}

// Four dialog units per character, as a plain stand-in for font metrics.
inline int CharWidth(std::string_view text) {
    return static_cast<int>(text.size()) * 4;
}

// The texts of a row's cells, trailing blanks removed.
inline std::vector<std::string> Texts(const rt::ListRow& row) {
    std::vector<std::string> out;
    for (const rt::ListCell& cell : row) out.emplace_back(rt::TrimTrailingSpaces(cell.text));
    return out;
}

using Strings = std::vector<std::string>;

}  // namespace display_test
