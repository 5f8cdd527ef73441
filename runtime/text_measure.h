// Widths of texts in a window's font, in that window's dialog units. Taken
// from an open window once; measuring needs no further call to the GUI
// thread, so a list build can measure thousands of cells cheaply.
#pragma once

#include <memory>
#include <string_view>

class QFont;

namespace rt {

class TextMeasure {
  public:
    // A measure with no font counts four dialog units per character.
    TextMeasure() = default;

    // The width of `text` (Windows-1252 bytes) in dialog units, rounded as a
    // control of that width would be: the width an auto-sized string control
    // takes for the text.
    int Width(std::string_view text) const;

    // Measures in `windowFont`, made bold when `bold`; the dialog units stay
    // those of the window's own font. Call on the thread that measures.
    static TextMeasure ForWindowFont(const QFont& windowFont, bool bold);

  private:
    struct Font;
    explicit TextMeasure(std::shared_ptr<const Font> font) : font_(std::move(font)) {}

    std::shared_ptr<const Font> font_;
};

}  // namespace rt
