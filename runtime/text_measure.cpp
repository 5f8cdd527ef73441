#include "runtime/text_measure.h"

#include <QFontMetrics>
#include <cmath>

#include "runtime/gui/dialog_units.h"
#include "runtime/text_codec.h"

namespace rt {

// The font's metrics, loaded on the thread that measures: a font shares its
// engine only within one thread.
struct TextMeasure::Font {
    // Dialog units stay those of the window's own font, also for bold texts.
    Font(const QFont& font, const QFont& window)
        : metrics(font), unit(gui::DialogBaseUnitX(QFontMetrics(window))) {}
    QFontMetrics metrics;
    int unit;
};

int TextMeasure::Width(std::string_view text) const {
    if (!font_ || font_->unit <= 0) return static_cast<int>(text.size()) * 4;
    const int pixels = font_->metrics.horizontalAdvance(FromWin1252(text));
    return static_cast<int>(std::lround(pixels * 4.0 / font_->unit));
}

TextMeasure TextMeasure::ForWindowFont(const QFont& windowFont, bool bold) {
    QFont shown = windowFont;
    shown.setBold(bold);
    return TextMeasure(std::make_shared<const Font>(shown, windowFont));
}

}  // namespace rt
