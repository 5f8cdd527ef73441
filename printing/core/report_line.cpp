#include "printing/core/report_line.h"

#include <algorithm>

namespace printing {

std::string_view TrimRight(std::string_view text) noexcept {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
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
    text = TrimRight(text);
    if (text.size() > width) text.remove_prefix(text.size() - width);
    std::string aligned(width - text.size(), ' ');
    aligned += text;
    Put(first, aligned);
}

std::string ReportLine::Shown(std::size_t width) const {
    return std::string(TrimRight(std::string_view(chars_).substr(0, width)));
}

}  // namespace printing
