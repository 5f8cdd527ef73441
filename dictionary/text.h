#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace dictionary {

// A dictionary text value: bytes as read from the export, or null.
//
// Null and empty are different values: a null text means "absent", an empty
// text means "present with no characters". The value is 8 bytes, because a
// large model holds millions of them: up to 7 bytes are held inline; longer
// values are either borrowed from storage that outlives the text (see
// Borrow) or allocated with their length in front of them.
class Text {
  public:
    static constexpr std::size_t kInlineCapacity = 7;
    // Borrowed values are shorter than this; longer ones are copied.
    static constexpr std::size_t kBorrowLimit = 0x7FFF;

    Text() noexcept : word_(kNullWord) {}
    Text(std::nullopt_t) noexcept : Text() {}
    Text(std::string_view value) : Text() { Assign(value); }
    Text(const char* value) : Text(std::string_view(value)) {}
    Text(const std::string& value) : Text(std::string_view(value)) {}

    Text(const Text& other) : Text() {
        if (!other.IsNull()) Assign(other.view());
    }
    Text(Text&& other) noexcept : word_(other.word_) { other.word_ = kNullWord; }
    Text& operator=(const Text& other) {
        if (this != &other) {
            if (other.IsNull()) {
                reset();
            } else {
                Assign(other.view());
            }
        }
        return *this;
    }
    Text& operator=(Text&& other) noexcept {
        if (this != &other) {
            reset();
            word_ = other.word_;
            other.word_ = kNullWord;
        }
        return *this;
    }
    Text& operator=(std::string_view value) {
        Assign(value);
        return *this;
    }
    Text& operator=(const char* value) { return *this = std::string_view(value); }
    Text& operator=(const std::string& value) { return *this = std::string_view(value); }
    Text& operator=(std::nullopt_t) noexcept {
        reset();
        return *this;
    }
    ~Text() { reset(); }

    // A text of `stable`'s characters that does not own them when they are
    // too long to be held inline: the caller keeps them in place for as long
    // as this text, or a text moved from it, lives (the model's storage does
    // that for the texts of a model). A copy of it owns its characters. A
    // value of kBorrowLimit bytes or more is copied.
    static Text Borrow(std::string_view stable);

    bool IsNull() const noexcept { return word_ == kNullWord; }
    bool has_value() const noexcept { return word_ != kNullWord; }
    explicit operator bool() const noexcept { return has_value(); }

    // The characters; an empty view for a null text.
    std::string_view view() const noexcept {
        const std::uint8_t tag = Tag();
        if (tag < kPointerBit) {
            if (tag == kNullTag) return {};
            return {reinterpret_cast<const char*>(&word_), tag};
        }
        const char* p = reinterpret_cast<const char*>(word_ & kAddressMask);
        const auto n = static_cast<std::size_t>((word_ >> kAddressBits) & kLengthMask);
        if (n != kOwnedLength) return {p, n};
        std::uint32_t owned;
        std::memcpy(&owned, p, sizeof owned);
        return {p + sizeof owned, owned};
    }
    std::string_view operator*() const noexcept { return view(); }
    std::string str() const { return std::string(view()); }
    std::size_t size() const noexcept { return view().size(); }

    // Makes the text null and frees its storage.
    void reset() noexcept {
        if (Tag() >= kPointerBit) ResetPointer();
        word_ = kNullWord;
    }

    friend bool operator==(const Text& a, const Text& b) noexcept {
        return a.IsNull() == b.IsNull() && a.view() == b.view();
    }
    // A null text equals no string, not even the empty one.
    friend bool operator==(const Text& a, std::string_view b) noexcept {
        return !a.IsNull() && a.view() == b;
    }
    friend bool operator==(const Text& a, const char* b) noexcept {
        return a == std::string_view(b);
    }
    friend bool operator==(const Text& a, const std::string& b) noexcept {
        return a == std::string_view(b);
    }

  private:
    // The text is one 64-bit word. Its top byte is the tag: below
    // kPointerBit, the count of inline characters, held in the word's first
    // bytes, or kNullTag; with kPointerBit set, the word holds an address in
    // its low kAddressBits bits and a length above it. The length
    // kOwnedLength marks an allocation of this text's own, whose first four
    // bytes are the length of the characters that follow them.
    static constexpr std::uint8_t kNullTag = 0x7F;
    static constexpr std::uint8_t kPointerBit = 0x80;
    static constexpr int kAddressBits = 48;
    static constexpr std::uint64_t kAddressMask = (std::uint64_t{1} << kAddressBits) - 1;
    static constexpr std::uint64_t kLengthMask = kBorrowLimit;
    static constexpr std::size_t kOwnedLength = kBorrowLimit;
    static constexpr int kTagShift = 56;
    static constexpr std::uint64_t kNullWord = std::uint64_t{kNullTag} << kTagShift;

    std::uint8_t Tag() const noexcept { return static_cast<std::uint8_t>(word_ >> kTagShift); }
    void Assign(std::string_view value);
    // Points at `p`; false when the address does not fit the word.
    bool Point(const char* p, std::size_t length) noexcept;
    void ResetPointer() noexcept;

    std::uint64_t word_;
};

static_assert(sizeof(Text) == 8);
static_assert(std::endian::native == std::endian::little,
              "inline characters come first in a text's word, the tag last");

// Writes the bytes, or "(null)" for a null text (for diagnostics).
std::ostream& operator<<(std::ostream& out, const Text& text);

}  // namespace dictionary
