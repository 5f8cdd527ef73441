#include "dictionary/section_headers.h"

#include <algorithm>
#include <cstring>

#include "dictionary/line_cutter.h"

namespace dictionary {

namespace {

constexpr char kEndOfFileMark = '\x1A';
constexpr std::size_t kMaxLine = LineCutter::kMaxLine;

std::string_view WithoutEndMarks(std::string_view line) {
    const std::size_t end = line.find_last_not_of(kEndOfFileMark);
    return end == std::string_view::npos ? std::string_view() : line.substr(0, end + 1);
}

}  // namespace

void SectionHeaderSearch::Cut::Append(std::string_view bytes) {
    const std::size_t kept = std::min(bytes.size(), kMaxLine - line.size());
    line.append(bytes.substr(0, kept));
    if (endMarksOnly && bytes.find_first_not_of(kEndOfFileMark, kept) != std::string_view::npos) {
        endMarksOnly = false;
    }
    length += bytes.size();
}

void SectionHeaderSearch::Cut::Clear() {
    line.clear();
    length = 0;
    endMarksOnly = true;
}

void SectionHeaderSearch::Feed(std::string_view block) {
    if (block.empty() || (sawCrLf_ && crLf_.found)) return;
    std::size_t from = 0;
    while (from < block.size()) {
        const void* lf = std::memchr(block.data() + from, '\n', block.size() - from);
        const std::size_t at =
            lf == nullptr ? block.size()
                          : static_cast<std::size_t>(static_cast<const char*>(lf) - block.data());
        const std::string_view piece = block.substr(from, at - from);
        crLf_.Append(piece);
        if (!sawCrLf_) lineFeeds_.Append(piece);
        if (lf == nullptr) break;
        const bool afterCr = at > 0 ? block[at - 1] == '\r' : lastWasCr_;
        if (afterCr) {
            sawCrLf_ = true;
            // The carriage return ends the line and is no part of it.
            std::string_view line = crLf_.line;
            if (crLf_.length <= kMaxLine) line.remove_suffix(1);
            EndLine(crLf_, line);
        } else {
            crLf_.Append("\n");  // an ordinary byte where lines end at CR LF
        }
        if (!sawCrLf_) EndLine(lineFeeds_, lineFeeds_.line);
        from = at + 1;
    }
    lastWasCr_ = block.back() == '\r';
}

bool SectionHeaderSearch::Found() {
    // The last line has no line end; Ctrl+Z bytes at the very end are none
    // of its characters.
    Cut& cut = sawCrLf_ ? crLf_ : lineFeeds_;
    std::string_view line = cut.line;
    if (cut.length <= kMaxLine || cut.endMarksOnly) line = WithoutEndMarks(line);
    EndLine(cut, line);
    return cut.found;
}

void SectionHeaderSearch::EndLine(Cut& cut, std::string_view line) {
    if (!cut.found) cut.found = HoldsHeader(line);
    cut.Clear();
}

bool SectionHeaderSearch::HoldsHeader(std::string_view line) {
    scanner_.KeepLinesInPlace(true);
    scanner_.SplitFirst(line, 1);
    const std::string_view first = scanner_.Item(1);
    return std::find(kSectionHeaders.begin(), kSectionHeaders.end(), first) !=
           kSectionHeaders.end();
}

}  // namespace dictionary
