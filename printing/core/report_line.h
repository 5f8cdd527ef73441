// A fixed-length report text variable and the ways the report fills it:
// whole assignment, text put at a column, text cut or padded to a slice of
// columns, and text right-aligned in a slice. Columns are 1-based.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace printing {

// The length of the report's line variables (TextLine, TableRow, ...).
inline constexpr std::size_t kLineLength = 255;
// The columns of a line that the report's @s100 pictures show.
inline constexpr std::size_t kPageColumns = 100;

// The text without leading blanks.
std::string_view TrimLeft(std::string_view text) noexcept;

class ReportLine {
  public:
    explicit ReportLine(std::size_t length = kLineLength) : chars_(length, ' ') {}

    // The whole variable becomes the text, padded with blanks or cut.
    ReportLine& operator=(std::string_view text);
    void Clear() { chars_.assign(chars_.size(), ' '); }

    // Writes the text from column `column` on, over what is there, cut at
    // the end of the variable. Columns outside the variable write nothing.
    void Put(std::size_t column, std::string_view text);
    // Columns first to last become the text, padded with blanks or cut.
    void PutSlice(std::size_t first, std::size_t last, std::string_view text);
    // Columns first to last become the text without its trailing blanks,
    // padded on the left; a longer text loses its leftmost characters.
    void PutRight(std::size_t first, std::size_t last, std::string_view text);

    // All characters, padding included.
    const std::string& Value() const noexcept { return chars_; }
    // What a picture of `width` characters shows: the first `width`
    // characters without trailing blanks.
    std::string Shown(std::size_t width) const;

  private:
    std::string chars_;
};

// The text padded with blanks or cut to `length` characters.
std::string Fixed(std::string_view text, std::size_t length);

// The text cut into pieces for which `fits` holds, each as long as it can
// be: a piece ends after the last blank, comma, bar, slash or backslash that
// still fits, else at the last character that fits (a piece always takes at
// least one). Blanks at a break belong to neither piece; trailing blanks of
// the text are dropped, so a blank text gives no piece.
std::vector<std::string> WrapText(std::string_view text,
                                  const std::function<bool(std::string_view piece)>& fits);
// WrapText into pieces of at most `width` characters.
std::vector<std::string> WrapText(std::string_view text, std::size_t width);

}  // namespace printing
