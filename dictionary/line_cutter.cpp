#include "dictionary/line_cutter.h"

#include <cstring>

namespace dictionary {

namespace {
constexpr char kEndOfFileMark = '\x1A';
}

LineCutter::LineCutter(std::string_view buffer) noexcept : buffer_(buffer), end_(buffer.size()) {
    while (end_ > 0 && buffer_[end_ - 1] == kEndOfFileMark) --end_;
    // Usually found in the first line; only an export without one is read
    // through here.
    lineFeedsOnly_ = buffer_.substr(0, end_).find("\r\n") == std::string_view::npos;
}

std::optional<std::string_view> LineCutter::Next() noexcept {
    const char* data = buffer_.data();
    while (next_ < end_) {
        // Find the next carriage return that a line feed follows.
        std::size_t stop = end_;
        std::size_t after = end_;
        std::size_t from = next_;
        if (lineFeedsOnly_) {
            if (const void* lf = std::memchr(data + from, '\n', end_ - from)) {
                stop = static_cast<std::size_t>(static_cast<const char*>(lf) - data);
                after = stop + 1;
            }
            from = end_;
        }
        while (from < end_) {
            const void* cr = std::memchr(data + from, '\r', end_ - from);
            if (cr == nullptr) break;
            const std::size_t at = static_cast<const char*>(cr) - data;
            if (at + 1 < end_ && data[at + 1] == '\n') {
                stop = at;
                after = at + 2;
                break;
            }
            from = at + 1;
        }
        std::string_view line(data + next_, stop - next_);
        next_ = after;
        if (line.size() > kMaxLine) line = line.substr(0, kMaxLine);
        if (line.find_first_not_of(' ') != std::string_view::npos) return line;
    }
    next_ = buffer_.size();
    return std::nullopt;
}

}  // namespace dictionary
