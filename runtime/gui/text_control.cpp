#include "runtime/gui/text_control.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace rt::gui {

bool TextControl::Cut() const {
    return !text().isEmpty() && !wordWrap() &&
           fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

void TextControl::paintEvent(QPaintEvent* event) {
    if (!Cut()) return QLabel::paintEvent(event);
    QPainter painter(this);
    const QRect box = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, box.width());
    style()->drawItemText(&painter, box, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), shown, foregroundRole());
}

bool TextControl::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && Cut()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

}  // namespace rt::gui
