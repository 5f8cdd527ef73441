#include "dictionary/text.h"

#include <cstring>
#include <limits>
#include <ostream>
#include <stdexcept>

namespace dict {

void Text::FreeHeap() noexcept {
    delete[] HeapPointer();
}

void Text::Point(const char* p, std::uint32_t n, std::uint8_t tag) noexcept {
    std::memcpy(bytes_, &p, sizeof p);
    std::memcpy(bytes_ + sizeof p, &n, sizeof n);
    tag_ = tag;
}

Text Text::Borrow(std::string_view stable) {
    Text text;
    if (stable.size() <= kInlineCapacity ||
        stable.size() > std::numeric_limits<std::uint32_t>::max()) {
        text.Assign(stable);
    } else {
        text.Point(stable.data(), static_cast<std::uint32_t>(stable.size()), kBorrowedTag);
    }
    return text;
}

void Text::Assign(std::string_view value) {
    if (value.size() <= kInlineCapacity) {
        // The value may live inside this text's own storage: copy it first.
        char copy[kInlineCapacity];
        if (!value.empty()) std::memcpy(copy, value.data(), value.size());
        reset();
        if (!value.empty()) std::memcpy(bytes_, copy, value.size());
        tag_ = static_cast<std::uint8_t>(value.size());
        return;
    }
    if (value.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("dictionary text too long");
    }
    char* p = new char[value.size()];
    std::memcpy(p, value.data(), value.size());
    const auto n = static_cast<std::uint32_t>(value.size());
    reset();
    Point(p, n, kHeapTag);
}

std::ostream& operator<<(std::ostream& out, const Text& text) {
    if (text.IsNull()) return out << "(null)";
    return out << '"' << text.view() << '"';
}

}  // namespace dict
