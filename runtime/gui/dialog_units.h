// The horizontal dialog unit of a font: a quarter of the average width of
// the Latin letters, as dialog layouts are measured. A font's own average
// character width is narrower than its running text in most fonts here, so
// labels laid out with it would not fit their places.
#pragma once

#include <QFontMetrics>
#include <cmath>

namespace rt::gui {

// Pixels of four horizontal dialog units in the font.
inline int DialogBaseUnitX(const QFontMetrics& metrics) {
    static const QString kLetters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return static_cast<int>(std::lround(metrics.horizontalAdvance(kLetters) / 52.0));
}

}  // namespace rt::gui
