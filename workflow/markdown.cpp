#include "workflow/markdown.h"

#include "runtime/core/blanks.h"
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

}  // namespace workflow
