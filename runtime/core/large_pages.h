// A hint to the kernel for large blocks of memory that are filled at once
// (a whole export read into memory, the slabs of a parsed model): back them
// with 2 MB pages where it can, so that filling them takes a few page faults
// instead of one per 4 KB. Nothing changes for the program when it cannot.
#pragma once

#include <cstddef>

namespace rt {

inline constexpr std::size_t kLargePageBytes = std::size_t{2} << 20;

// Advises large pages for the whole 2 MB pages that lie inside the block.
void AdviseLargePages(void* block, std::size_t bytes) noexcept;

}  // namespace rt
