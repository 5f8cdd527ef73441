#include "runtime/gui/page_image_control.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "runtime/events.h"
#include "runtime/page_images.h"

namespace rt::gui {

PageImageControl::PageImageControl(QWidget* parent, ControlHooks hooks)
    : QAbstractScrollArea(parent), hooks_(std::move(hooks)) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);
}

void PageImageControl::SetPage(const PageImages* pages, int number) {
    if (pages == pages_ && number == number_) return;
    pages_ = pages;
    number_ = number;
    picture_.reset();
    UpdateScrollBars(QPointF(0.5, 0.0));
    viewport()->update();
}

void PageImageControl::SetScale(double scale) {
    scale = std::max(scale, 0.0);
    if (scale == scale_) return;
    scale_ = scale;
    UpdateScrollBars(centre_);
    viewport()->update();
}

void PageImageControl::SetFocusBorder(bool on) {
    if (on == focusBorder_) return;
    focusBorder_ = on;
    viewport()->update();
}

QSize PageImageControl::ContentSize() const {
    if (scale_ <= 0 || pages_ == nullptr) return viewport()->size();
    const QSizeF thousandths = pages_->PageSize(number_);
    return QSize(
        static_cast<int>(std::lround(thousandths.width() * logicalDpiX() / 1000.0 * scale_)),
        static_cast<int>(std::lround(thousandths.height() * logicalDpiY() / 1000.0 * scale_)));
}

QRectF PageImageControl::PageRect() const {
    if (scale_ <= 0) return QRectF(viewport()->rect());
    const QSize content = ContentSize();
    const QSize view = viewport()->size();
    // A page narrower than the view stands in its middle.
    const double x = content.width() < view.width() ? (view.width() - content.width()) / 2.0
                                                    : -horizontalScrollBar()->value();
    const double y = content.height() < view.height() ? 0.0 : -verticalScrollBar()->value();
    return QRectF(x, y, content.width(), content.height());
}

QPointF PageImageControl::Centre() const {
    const QRectF page = PageRect();
    if (page.isEmpty()) return QPointF(0.5, 0.0);
    const QPointF middle(viewport()->width() / 2.0, viewport()->height() / 2.0);
    return QPointF((middle.x() - page.x()) / page.width(), (middle.y() - page.y()) / page.height());
}

void PageImageControl::UpdateScrollBars(std::optional<QPointF> keepCentre) {
    const QSize content = scale_ > 0 ? ContentSize() : QSize();
    const QSize view = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    adjusting_ = true;
    h->setRange(0, std::max(0, content.width() - view.width()));
    v->setRange(0, std::max(0, content.height() - view.height()));
    h->setPageStep(std::max(1, view.width()));
    v->setPageStep(std::max(1, view.height()));
    h->setSingleStep(std::max(1, view.width() / 20));
    v->setSingleStep(std::max(1, view.height() / 20));
    if (keepCentre) {
        // The view may have changed size as the scroll bars came or went.
        const QSize shown = viewport()->size();
        h->setValue(static_cast<int>(keepCentre->x() * content.width() - shown.width() / 2.0));
        v->setValue(static_cast<int>(keepCentre->y() * content.height() - shown.height() / 2.0));
        centre_ = *keepCentre;
    }
    adjusting_ = false;
}

void PageImageControl::scrollContentsBy(int, int) {
    if (!adjusting_ && scale_ > 0) centre_ = Centre();
    viewport()->update();
}

void PageImageControl::ScrollTo(QPointF fraction) {
    UpdateScrollBars(fraction);
    viewport()->update();
}

void PageImageControl::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars(centre_);
}

void PageImageControl::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setClipRect(event->rect());
    if (scale_ > 0) painter.fillRect(viewport()->rect(), palette().color(QPalette::Mid));
    const QRectF page = PageRect();
    painter.fillRect(page, Qt::white);
    if (pages_ != nullptr && number_ >= 1 && number_ <= pages_->Count()) {
        if (!picture_) {
            picture_ = pages_->Load(number_);
            ++loads_;
        }
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        pages_->Draw(painter, *picture_, number_, page);
    }
    if (scale_ <= 0) {
        const QColor edge = focusBorder_ ? palette().color(QPalette::Highlight) : QColor(Qt::gray);
        const int width = focusBorder_ ? 3 : 1;
        painter.setPen(QPen(edge, width));
        painter.setBrush(Qt::NoBrush);
        const double inset = width / 2.0;
        painter.drawRect(page.adjusted(inset, inset, -inset, -inset));
    }
}

void PageImageControl::mousePressEvent(QMouseEvent* event) {
    int code = 0;
    if (event->button() == Qt::LeftButton) code = key::MouseLeft;
    if (event->button() == Qt::RightButton) code = key::MouseRight;
    if (code == 0) return QAbstractScrollArea::mousePressEvent(event);
    const QRectF page = PageRect();
    if (!page.isEmpty()) {
        const QPointF at = event->position();
        lastPress_ = QPointF(std::clamp((at.x() - page.x()) / page.width(), 0.0, 1.0),
                             std::clamp((at.y() - page.y()) / page.height(), 0.0, 1.0));
    }
    if (hooks_.post) hooks_.post(event::AlertKey, code);
}

}  // namespace rt::gui
