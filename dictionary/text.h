#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace dict {

// A dictionary text value: bytes as read from the export, or null.
//
// Null and empty are different values: a null text means "absent", an empty
// text means "present with no characters". The value is 16 bytes: up to 15
// bytes are held inline, longer values are allocated to their exact length,
// or are borrowed from storage that outlives the text (see Borrow).
class Text {
  public:
    static constexpr std::size_t kInlineCapacity = 15;

    Text() noexcept { tag_ = kNullTag; }
    Text(std::nullopt_t) noexcept : Text() {}
    Text(std::string_view value) : Text() { Assign(value); }
    Text(const char* value) : Text(std::string_view(value)) {}
    Text(const std::string& value) : Text(std::string_view(value)) {}

    Text(const Text& other) : Text() {
        if (!other.IsNull()) Assign(other.view());
    }
    Text(Text&& other) noexcept {
        std::char_traits<char>::copy(bytes_, other.bytes_, sizeof bytes_);
        tag_ = other.tag_;
        other.tag_ = kNullTag;
    }
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
            std::char_traits<char>::copy(bytes_, other.bytes_, sizeof bytes_);
            tag_ = other.tag_;
            other.tag_ = kNullTag;
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
    // that for the texts of a model). A copy of it owns its characters.
    static Text Borrow(std::string_view stable);

    bool IsNull() const noexcept { return tag_ == kNullTag; }
    bool has_value() const noexcept { return tag_ != kNullTag; }
    explicit operator bool() const noexcept { return has_value(); }

    // The characters; an empty view for a null text.
    std::string_view view() const noexcept {
        if (tag_ == kNullTag) return {};
        if (tag_ == kHeapTag || tag_ == kBorrowedTag) return {HeapPointer(), HeapLength()};
        return {bytes_, tag_};
    }
    std::string_view operator*() const noexcept { return view(); }
    std::string str() const { return std::string(view()); }
    std::size_t size() const noexcept { return view().size(); }

    // Makes the text null and frees its storage.
    void reset() noexcept {
        if (tag_ == kHeapTag) FreeHeap();
        tag_ = kNullTag;
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
    static constexpr std::uint8_t kNullTag = 0xFF;
    static constexpr std::uint8_t kHeapTag = 0xFE;
    static constexpr std::uint8_t kBorrowedTag = 0xFD;

    void Assign(std::string_view value);
    char* HeapPointer() const noexcept {
        char* p;
        std::memcpy(&p, bytes_, sizeof p);
        return p;
    }
    std::uint32_t HeapLength() const noexcept {
        std::uint32_t n;
        std::memcpy(&n, bytes_ + sizeof(char*), sizeof n);
        return n;
    }
    void FreeHeap() noexcept;

    void Point(const char* p, std::uint32_t n, std::uint8_t tag) noexcept;

    // Inline: the characters, tag_ = their count. Heap and borrowed: a
    // pointer to the characters in bytes 0..7 and their count in bytes 8..11.
    alignas(8) char bytes_[kInlineCapacity];
    std::uint8_t tag_;
};

static_assert(sizeof(Text) == 16);

// Writes the bytes, or "(null)" for a null text (for diagnostics).
std::ostream& operator<<(std::ostream& out, const Text& text);

}  // namespace dict
