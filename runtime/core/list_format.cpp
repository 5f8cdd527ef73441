#include "runtime/core/list_format.h"

#include <algorithm>
#include <cctype>

namespace rt {
namespace {

bool IsDigit(char ch) {
    return std::isdigit(static_cast<unsigned char>(ch)) != 0;
}

bool IsJustify(char ch) {
    return ch == 'L' || ch == 'R' || ch == 'C';
}

// Reads the decimal number at `pos`, advancing past it; caps absurd values.
int ReadNumber(std::string_view text, std::size_t& pos) {
    long value = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        value = std::min(value * 10 + (text[pos] - '0'), 1000000L);
        ++pos;
    }
    return static_cast<int>(value);
}

// Reads up to the closing `close` (or the end) after an opening character at `pos`.
std::string ReadDelimited(std::string_view text, std::size_t& pos, char close) {
    ++pos;
    const std::size_t end = text.find(close, pos);
    const std::size_t stop = end == std::string_view::npos ? text.size() : end;
    std::string inner(text.substr(pos, stop - pos));
    pos = end == std::string_view::npos ? text.size() : end + 1;
    return inner;
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    ListFormat Run() {
        while (pos_ < text_.size()) {
            const char ch = text_[pos_];
            if (IsDigit(ch) || IsJustify(ch)) {
                ReadColumn();
            } else if (ch == '[') {
                ++pos_;
                openGroups_.push_back(static_cast<int>(format_.groups.size()));
                format_.groups.push_back(
                    ListGroup{static_cast<int>(format_.columns.size()), 0, {}, false});
            } else if (ch == ']') {
                ++pos_;
                CloseGroup();
            } else {
                ++pos_;  // unknown: skipped
            }
        }
        while (!openGroups_.empty()) FinishGroup();
        return format_;
    }

  private:
    void ReadColumn() {
        ListColumn column;
        if (IsDigit(text_[pos_])) column.width = ReadNumber(text_, pos_);
        if (pos_ < text_.size() && IsJustify(text_[pos_])) {
            const char ch = text_[pos_++];
            column.justify = ch == 'R'   ? Justify::Right
                             : ch == 'C' ? Justify::Center
                                         : Justify::Left;
        }
        while (pos_ < text_.size()) {
            const char ch = text_[pos_];
            if (ch == '(') {
                ++pos_;
                column.indent = ReadNumber(text_, pos_);
                const std::size_t close = text_.find(')', pos_);
                pos_ = close == std::string_view::npos ? text_.size() : close + 1;
            } else if (ch == '*') {
                column.colours = true;
                ++pos_;
            } else if (ch == 'F') {
                column.fixed = true;
                ++pos_;
            } else if (ch == '|') {
                column.rightBorder = true;
                ++pos_;
            } else if (ch == '~') {
                column.header = ReadDelimited(text_, pos_, '~');
            } else if (ch == '@') {
                column.picture = ReadDelimited(text_, pos_, '@');
            } else {
                break;  // the next column, a bracket, or something unknown
            }
        }
        if (!openGroups_.empty()) column.group = openGroups_.back();
        format_.columns.push_back(std::move(column));
    }

    void CloseGroup() {
        if (openGroups_.empty()) return;
        ListGroup& group = format_.groups[static_cast<std::size_t>(openGroups_.back())];
        // The group's own attributes follow its closing bracket.
        while (pos_ < text_.size()) {
            const char ch = text_[pos_];
            if (ch == '(') {
                ++pos_;
                ReadNumber(text_, pos_);
                const std::size_t close = text_.find(')', pos_);
                pos_ = close == std::string_view::npos ? text_.size() : close + 1;
            } else if (ch == '|') {
                group.rightBorder = true;
                ++pos_;
            } else if (ch == '~') {
                group.header = ReadDelimited(text_, pos_, '~');
            } else {
                break;
            }
        }
        FinishGroup();
    }

    void FinishGroup() {
        ListGroup& group = format_.groups[static_cast<std::size_t>(openGroups_.back())];
        group.columnCount = static_cast<int>(format_.columns.size()) - group.firstColumn;
        openGroups_.pop_back();
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    ListFormat format_;
    std::vector<int> openGroups_;
};

}  // namespace

bool ListFormat::HasFixedColumn() const {
    return std::any_of(columns.begin(), columns.end(), [](const ListColumn& c) { return c.fixed; });
}

ListFormat ParseListFormat(std::string_view format) {
    return Parser(format).Run();
}

}  // namespace rt
