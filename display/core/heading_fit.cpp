#include "display/core/heading_fit.h"

#include <cstddef>

#include "runtime/core/blanks.h"

namespace display {
namespace {

// The largest n in [0, last] for which fits(n) holds, given fits is true up
// to some n and false beyond it; -1 when fits(0) is false.
template <typename Fits>
std::ptrdiff_t LargestFitting(std::size_t last, const Fits& fits) {
    if (!fits(0)) return -1;
    std::size_t low = 0;
    std::size_t high = last;
    while (low < high) {
        const std::size_t middle = low + (high - low + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    return static_cast<std::ptrdiff_t>(low);
}

// `path` keeping `kept` of its characters: the start's half, the ellipsis,
// the rest from its end (the end, where the file's own name is, gets the
// odd one).
std::string Middle(std::string_view path, std::size_t kept) {
    const std::size_t head = kept / 2;
    std::string text(path.substr(0, head));
    text += kEllipsis;
    text += path.substr(path.size() - (kept - head));
    return text;
}

}  // namespace

std::string FitHeading(std::string_view before, std::string_view path, std::string_view after,
                       int width, const TextWidth& measure) {
    after = rt::TrimTrailingSpaces(after);
    const auto fits = [&](const std::string& text) { return measure(text) <= width; };
    std::string whole = std::string(before) + std::string(path) + std::string(after);
    if (fits(whole)) return whole;
    if (!path.empty()) {
        const auto with = [&](std::size_t kept) {
            return std::string(before) + Middle(path, kept) + std::string(after);
        };
        const std::ptrdiff_t kept =
            LargestFitting(path.size() - 1, [&](std::size_t n) { return fits(with(n)); });
        if (kept >= 0) return with(static_cast<std::size_t>(kept));
    }
    // Not even the ellipsis fits beside the name: the name alone, cut.
    while (!after.empty() && after.front() == ' ') after.remove_prefix(1);
    if (fits(std::string(after))) return std::string(after);
    const auto cut = [&](std::size_t n) {
        return std::string(after.substr(0, n)) + std::string(kEllipsis);
    };
    const std::ptrdiff_t shown =
        LargestFitting(after.size(), [&](std::size_t n) { return fits(cut(n)); });
    return shown >= 0 ? cut(static_cast<std::size_t>(shown)) : std::string();
}

}  // namespace display
