// Lines up two ordered lists of unique keys, old and new: the steps follow the
// new order, each old key that is gone placed right after the new position of
// the surviving key that stood before it (first when none did). A kept key is
// "moved" when it is not in the longest run of kept keys whose old order the
// new order preserves.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace workflow {

struct Step {
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t before = kNone;  // position in the old list
    std::size_t after = kNone;   // position in the new list
    bool moved = false;

    bool InBefore() const { return before != kNone; }
    bool InAfter() const { return after != kNone; }
};

std::vector<Step> Align(const std::vector<std::string>& before,
                        const std::vector<std::string>& after);

}  // namespace workflow
