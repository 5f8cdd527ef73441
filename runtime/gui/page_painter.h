// Pages of drawing operations on a QPainter: the printer, a page image or
// the preview all draw a report page through PaintPage. Page units are
// thousandths of an inch; the painter's device resolution maps them.
#pragma once

#include <QFont>

#include "runtime/core/page_drawing.h"

class QPainter;

namespace rt::gui {

// The font of `style` sized in thousandths of an inch: "DejaVu Sans Mono"
// (else "Liberation Mono") for the fixed-pitch face, "Liberation Sans" (else
// "DejaVu Sans") for the proportional one.
QFont PageFont(const FontSpec& style);

// Draws `page` with its top-left corner at the painter's origin, one
// thousandth of an inch being logicalDpi / 1000 device units. Text is
// Windows-1252 bytes, drawn as the Unicode characters they stand for.
void PaintPage(QPainter& painter, const Page& page);

}  // namespace rt::gui
