#include "runtime/gui/page_painter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

#include "runtime/text_codec.h"

namespace rt::gui {

namespace {

// A hairline that still shows on paper: half a point.
constexpr double kPenWidth = 1000.0 / 144.0;

QString FamilyOf(FontFace face) {
    const QStringList families = QFontDatabase::families();
    const char* preferred = face == FontFace::Mono ? "DejaVu Sans Mono" : "Liberation Sans";
    const char* fallback = face == FontFace::Mono ? "Liberation Mono" : "DejaVu Sans";
    return families.contains(preferred) ? preferred : fallback;
}

QColor ColourOf(std::uint32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace

QFont PageFont(const FontSpec& style) {
    QFont font(FamilyOf(style.face));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(style.points * 1000.0 / 72.0))));
    font.setBold(style.bold);
    font.setStyleHint(style.face == FontFace::Mono ? QFont::TypeWriter : QFont::SansSerif);
    font.setKerning(false);
    return font;
}

void PaintPage(QPainter& painter, const Page& page) {
    painter.save();
    const QPaintDevice* device = painter.device();
    const double sx = device != nullptr ? device->logicalDpiX() / 1000.0 : 0.1;
    const double sy = device != nullptr ? device->logicalDpiY() / 1000.0 : 0.1;
    painter.scale(sx * page.scale, sy * page.scale);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::black);
    pen.setWidthF(kPenWidth);
    FontSpec current{};
    bool fontSet = false;
    QFont font;
    double ascent = 0;
    for (const DrawOp& op : page.ops) {
        switch (op.kind) {
            case DrawKind::Box:
                painter.fillRect(QRectF(op.x, op.y, op.width, op.height), ColourOf(op.colour));
                break;
            case DrawKind::Line:
                pen.setColor(ColourOf(op.colour));
                painter.setPen(pen);
                painter.drawLine(QPointF(op.x, op.y), QPointF(op.x + op.width, op.y + op.height));
                break;
            case DrawKind::Text: {
                if (!fontSet || !(op.font == current)) {
                    current = op.font;
                    fontSet = true;
                    font = PageFont(current);
                    painter.setFont(font);
                    ascent = QFontMetricsF(font).ascent();
                }
                painter.setPen(ColourOf(op.colour));
                const QString text = FromWin1252(op.text);
                if (op.width > 0) {
                    painter.save();
                    painter.setClipRect(QRectF(op.x, op.y, op.width, 2 * ascent),
                                        Qt::IntersectClip);
                    painter.drawText(QPointF(op.x, op.y + ascent), text);
                    painter.restore();
                } else {
                    painter.drawText(QPointF(op.x, op.y + ascent), text);
                }
                break;
            }
        }
    }
    painter.restore();
}

}  // namespace rt::gui
