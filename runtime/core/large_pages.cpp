#include "runtime/core/large_pages.h"

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

#include <cstdint>

namespace rt {

void AdviseLargePages(void* block, std::size_t bytes) noexcept {
    const auto begin = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (begin + kLargePageBytes - 1) & ~(kLargePageBytes - 1);
    const std::uintptr_t end = (begin + bytes) & ~(kLargePageBytes - 1);
    if (end <= first) return;
#ifdef MADV_HUGEPAGE
    ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#endif
}

}  // namespace rt
