#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace dictionary {

// The whole percentage of the export parsed: position (the 1-based position
// of the next unread byte) x 100 / size, never above 100.
int ParsedPercent(std::uint64_t position, std::uint64_t size) noexcept;

// Status zone 1 while parsing: "Parsing: " and one "|" per percent.
std::string ParsingBarText(int percent);
// Status zone 2 while parsing: the percentage followed by "% parsed".
std::string ParsedPercentText(int percent);

// Remembers the percentage last shown so that the status bar is redrawn
// only when the whole percentage grows (at most 100 times in a parse).
class ParseProgress {
  public:
    // The new percentage when it is above the one last shown, else nothing.
    std::optional<int> Advance(std::uint64_t position, std::uint64_t size) noexcept;
    int Shown() const noexcept { return shown_; }

  private:
    int shown_ = 0;
    // Below this position (for an export of size forSize_) the percentage
    // cannot have grown: most lines need no division.
    std::uint64_t nextAt_ = 0;
    std::uint64_t forSize_ = 0;
};

}  // namespace dictionary
