#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace dictionary {

// Cuts the lines of a dictionary export held in one buffer.
//
// Lines end at a carriage return immediately followed by a line feed; a lone
// carriage return or line feed is an ordinary byte. An export in which no
// carriage return and line feed occur together at all (one saved with Unix
// line ends) has its lines cut at each line feed instead. Each line is cut at 1000
// characters (the rest of a longer line is lost). Blank lines (empty or only
// blanks) are skipped. Ctrl+Z bytes at the very end of the buffer are the old
// end-of-file mark and belong to no line; anywhere else every byte, NUL
// included, is an ordinary character.
class LineCutter {
  public:
    static constexpr std::size_t kMaxLine = 1000;

    explicit LineCutter(std::string_view buffer) noexcept;

    // The next non-blank line (a view into the buffer), or nothing when the
    // buffer is exhausted.
    std::optional<std::string_view> Next() noexcept;

    // 1-based position of the next unread byte.
    std::size_t Position() const noexcept { return next_ + 1; }
    // Size of the buffer in bytes.
    std::size_t Size() const noexcept { return buffer_.size(); }
    bool Exhausted() const noexcept { return next_ >= end_; }

  private:
    std::string_view buffer_;
    std::size_t end_;       // bytes that hold lines
    std::size_t next_ = 0;  // offset of the next unread byte
    bool lineFeedsOnly_;    // lines end at a lone line feed
};

}  // namespace dictionary
