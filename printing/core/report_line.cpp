#include "printing/core/report_line.h"
#include "runtime/core/blanks.h"

#include <algorithm>

namespace printing {

std::string_view TrimLeft(std::string_view text) noexcept {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

std::string Fixed(std::string_view text, std::size_t length) {
    std::string out(text.substr(0, length));
    out.resize(length, ' ');
    return out;
}

ReportLine& ReportLine::operator=(std::string_view text) {
    chars_ = Fixed(text, chars_.size());
    return *this;
}

void ReportLine::Put(std::size_t column, std::string_view text) {
    if (column < 1 || column > chars_.size()) return;
    const std::size_t at = column - 1;
    const std::size_t n = std::min(text.size(), chars_.size() - at);
    chars_.replace(at, n, text.substr(0, n));
}

void ReportLine::PutSlice(std::size_t first, std::size_t last, std::string_view text) {
    if (first < 1 || last < first) return;
    Put(first, Fixed(text, last - first + 1));
}

void ReportLine::PutRight(std::size_t first, std::size_t last, std::string_view text) {
    if (first < 1 || last < first) return;
    const std::size_t width = last - first + 1;
    text = rt::TrimTrailingSpaces(text);
    if (text.size() > width) text.remove_prefix(text.size() - width);
    std::string aligned(width - text.size(), ' ');
    aligned += text;
    Put(first, aligned);
}

namespace {

bool EndsPiece(char c) {
    return c == ' ' || c == ',' || c == '|' || c == '/' || c == '\\';
}

}  // namespace

std::vector<std::string> WrapText(std::string_view text,
                                  const std::function<bool(std::string_view piece)>& fits) {
    std::vector<std::string> pieces;
    text = rt::TrimTrailingSpaces(text);
    while (!text.empty()) {
        std::size_t n = 1;
        while (n < text.size() && fits(text.substr(0, n + 1))) ++n;
        std::size_t cut = n;
        if (n < text.size()) {
            // Back to a break: after a break character, or before a blank.
            while (cut > 0 && !EndsPiece(text[cut - 1]) && text[cut] != ' ') --cut;
            if (rt::TrimTrailingSpaces(text.substr(0, cut)).empty()) cut = n;
        }
        pieces.emplace_back(rt::TrimTrailingSpaces(text.substr(0, cut)));
        text = TrimLeft(text.substr(cut));
    }
    return pieces;
}

std::vector<std::string> WrapText(std::string_view text, std::size_t width) {
    return WrapText(text, [width](std::string_view piece) { return piece.size() <= width; });
}

std::string ReportLine::Shown(std::size_t width) const {
    return std::string(rt::TrimTrailingSpaces(std::string_view(chars_).substr(0, width)));
}

}  // namespace printing
