#include "workflow/markdown.h"

#include <unordered_map>

#include "runtime/core/blanks.h"
#include "runtime/core/case_fold.h"
#include "runtime/core/windows1252.h"

namespace workflow {

namespace {

// What marks text up inside a line; the rest matters only at a line's start.
constexpr std::string_view kMarkup = "\\`*_[]<>|~&";

}  // namespace

std::string MarkdownText(std::string_view text) {
    text = rt::TrimTrailingSpaces(text);
    // Most dictionary text is plain ASCII: escaped in one pass.
    std::string escaped;
    escaped.reserve(text.size() + 8);
    bool plain = true;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F) {
            plain = false;
            break;
        }
        if (kMarkup.find(c) != std::string_view::npos) escaped += '\\';
        escaped += c;
    }
    if (plain) return escaped;
    escaped.clear();
    for (char c : rt::ShowControlBytes(text)) {
        if (c == '\t') c = ' ';
        if (kMarkup.find(c) != std::string_view::npos) escaped += '\\';
        escaped += c;
    }
    return rt::Windows1252ToUtf8(escaped);
}

std::string MarkdownLine(std::string_view text) {
    // Leading blanks would make an indented code block.
    const std::size_t first = text.find_first_not_of(" \t");
    std::string line = MarkdownText(first == std::string_view::npos ? "" : text.substr(first));
    // At the start: a heading, list, quote or heading underline.
    if (!line.empty() && std::string_view("#+-=").find(line.front()) != std::string_view::npos) {
        line.insert(0, "\\");
    }
    std::size_t digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') ++digits;
    if (digits > 0 && digits < line.size() && (line[digits] == '.' || line[digits] == ')'))
        line.insert(digits, "\\");
    return line;
}

std::vector<std::string> PageNames(const dictionary::DictionaryModel& model) {
    constexpr char kHex[] = "0123456789abcdef";
    std::vector<std::string> names;
    std::unordered_map<std::string, std::size_t> used;
    for (const dictionary::FileQueue& file : dictionary::Rows(model.FILE)) {
        std::string name;
        for (char c : rt::TrimBlanks(file.LABEL.view())) {
            const char folded = rt::FoldCase(c);
            if ((folded >= 'a' && folded <= 'z') || (folded >= '0' && folded <= '9') ||
                folded == '-' || folded == '_') {
                name += folded;
            } else {
                const auto byte = static_cast<unsigned char>(c);
                name += '_';
                name += kHex[byte >> 4];
                name += kHex[byte & 15];
            }
        }
        if (name.empty()) name = "file";
        std::string unique = name;
        for (std::size_t n = 2; used.contains(unique); ++n) unique = name + "-" + std::to_string(n);
        used.emplace(unique, 1);
        names.push_back(std::move(unique));
    }
    return names;
}

}  // namespace workflow
