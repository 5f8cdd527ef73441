#include "dictionary/parse_progress.h"

#include <algorithm>
#include <cstdint>

namespace dictionary {

int ParsedPercent(std::uint64_t position, std::uint64_t size) noexcept {
    if (size == 0) return 100;
    // A position past the last byte after the final line would otherwise
    // give more than 100; 64 bits keep large exports from overflowing.
    return static_cast<int>(std::min<std::uint64_t>(position * 100 / size, 100));
}

std::string ParsingBarText(int percent) {
    return "Parsing: " + std::string(static_cast<std::size_t>(std::clamp(percent, 0, 100)), '|');
}

std::string ParsedPercentText(int percent) {
    return std::to_string(percent) + "% parsed";
}

std::optional<int> ParseProgress::Advance(std::uint64_t position, std::uint64_t size) noexcept {
    if (size == forSize_ && position < nextAt_) return std::nullopt;
    const int percent = ParsedPercent(position, size);
    const bool grown = percent > shown_;
    if (grown) shown_ = percent;
    // The first position whose percentage is above the one shown.
    forSize_ = size;
    nextAt_ = size == 0 || shown_ >= 100
                  ? UINT64_MAX
                  : (static_cast<std::uint64_t>(shown_ + 1) * size + 99) / 100;
    if (!grown) return std::nullopt;
    return percent;
}

}  // namespace dictionary
