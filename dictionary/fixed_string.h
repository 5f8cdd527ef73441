#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace dictionary {

// A fixed-length text of N characters: shorter values are padded with
// blanks, longer ones cut at N. Compared without trailing blanks.
template <std::size_t N>
class FixedString {
  public:
    FixedString() noexcept { std::fill_n(chars_, N, ' '); }
    FixedString(std::string_view value) noexcept { Assign(value); }

    FixedString& operator=(std::string_view value) noexcept {
        Assign(value);
        return *this;
    }

    // All N characters, padding included.
    std::string_view view() const noexcept { return {chars_, N}; }
    // The value without trailing blanks.
    std::string_view Trimmed() const noexcept {
        std::size_t n = N;
        while (n > 0 && chars_[n - 1] == ' ') --n;
        return {chars_, n};
    }

    friend bool operator==(const FixedString& a, const FixedString& b) noexcept {
        return a.view() == b.view();
    }
    friend bool operator==(const FixedString& a, std::string_view b) noexcept {
        while (!b.empty() && b.back() == ' ') b.remove_suffix(1);
        return a.Trimmed() == b;
    }

  private:
    void Assign(std::string_view value) noexcept {
        const std::size_t n = std::min(value.size(), N);
        std::copy_n(value.data(), n, chars_);
        std::fill(chars_ + n, chars_ + N, ' ');
    }

    char chars_[N];
};

}  // namespace dictionary
