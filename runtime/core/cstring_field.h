// A null-terminated string field of a fixed number of bytes, as record
// layouts declare them: it holds at most Size - 1 characters. Assigning a
// longer text keeps its start; an embedded NUL ends the text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rt {

template <std::size_t Size>
class CStringField {
    static_assert(Size >= 1, "a null-terminated field needs room for its terminator");

  public:
    static constexpr std::size_t kCapacity = Size - 1;

    CStringField() = default;
    CStringField(std::string_view text) {
        Assign(text);
    }  // NOLINT: assignment from text is the point
    CStringField& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }

    const std::string& str() const { return text_; }
    operator std::string_view() const { return text_; }  // NOLINT: reads like a text
    bool empty() const { return text_.empty(); }
    std::size_t size() const { return text_.size(); }

    bool operator==(std::string_view other) const { return text_ == other; }

  private:
    void Assign(std::string_view text) {
        text = text.substr(0, text.find('\0'));
        text_.assign(text.substr(0, kCapacity));
    }

    std::string text_;
};

}  // namespace rt
