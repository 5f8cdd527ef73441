#include "dictionary/text.h"

#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <ostream>
#include <stdexcept>

namespace dictionary {

void Text::ResetPointer() noexcept {
    if (((word_ >> kAddressBits) & kLengthMask) == kOwnedLength)
        delete[] reinterpret_cast<char*>(word_ & kAddressMask);
}

bool Text::Point(const char* p, std::size_t length) noexcept {
    const auto address = reinterpret_cast<std::uintptr_t>(p);
    if ((address & ~kAddressMask) != 0) return false;
    word_ = std::uint64_t{address} | (std::uint64_t{length} << kAddressBits) |
            (std::uint64_t{kPointerBit} << kTagShift);
    return true;
}

Text Text::Borrow(std::string_view stable) {
    Text text;
    if (stable.size() <= kInlineCapacity || stable.size() >= kBorrowLimit ||
        !text.Point(stable.data(), stable.size())) {
        text.Assign(stable);
    }
    return text;
}

void Text::Assign(std::string_view value) {
    if (value.size() <= kInlineCapacity) {
        // The value may live inside this text's own storage: copy it first.
        char copy[kInlineCapacity];
        if (!value.empty()) std::memcpy(copy, value.data(), value.size());
        reset();
        word_ = std::uint64_t{value.size()} << kTagShift;
        if (!value.empty()) std::memcpy(&word_, copy, value.size());
        return;
    }
    if (value.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("dictionary text too long");
    }
    const auto n = static_cast<std::uint32_t>(value.size());
    std::unique_ptr<char[]> owned(new char[sizeof n + n]);
    std::memcpy(owned.get(), &n, sizeof n);
    std::memcpy(owned.get() + sizeof n, value.data(), n);
    reset();
    if (!Point(owned.get(), kOwnedLength)) throw std::bad_alloc();
    owned.release();
}

std::ostream& operator<<(std::ostream& out, const Text& text) {
    if (text.IsNull()) return out << "(null)";
    return out << '"' << text.view() << '"';
}

}  // namespace dictionary
