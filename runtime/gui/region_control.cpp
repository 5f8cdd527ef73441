#include "runtime/gui/region_control.h"

#include <QMouseEvent>

#include "runtime/events.h"

namespace rt::gui {

Qt::CursorShape CursorShapeOf(ControlCursor cursor) {
    switch (cursor) {
        case ControlCursor::SizeWestEast:
            return Qt::SizeHorCursor;
        case ControlCursor::SizeNorthSouth:
            return Qt::SizeVerCursor;
        case ControlCursor::SizeNorthWestSouthEast:
            return Qt::SizeFDiagCursor;
        case ControlCursor::Arrow:
            break;
    }
    return Qt::ArrowCursor;
}

RegionControl::RegionControl(QWidget* parent, ControlHooks hooks, ControlCursor cursor)
    : QWidget(parent), hooks_(std::move(hooks)), cursor_(cursor) {
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    ShowCursor();
}

void RegionControl::ShowCursor() {
    if (isEnabled() && cursor_ != ControlCursor::Arrow)
        setCursor(CursorShapeOf(cursor_));
    else
        unsetCursor();
}

void RegionControl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange) return;
    ShowCursor();
    if (!isEnabled()) EndDrag();
}

void RegionControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || dragging_) return QWidget::mousePressEvent(event);
    dragging_ = true;
    const QPoint global = event->globalPosition().toPoint();
    if (hooks_.dragMouse) hooks_.dragMouse(&global);
    if (hooks_.post) hooks_.post(event::Dragging, 0);
}

void RegionControl::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return QWidget::mouseMoveEvent(event);
    const QPoint global = event->globalPosition().toPoint();
    if (hooks_.dragMouse) hooks_.dragMouse(&global);
}

void RegionControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return QWidget::mouseReleaseEvent(event);
    const QPoint global = event->globalPosition().toPoint();
    if (hooks_.dragMouse) hooks_.dragMouse(&global);
    EndDrag();
}

void RegionControl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
    if (hooks_.post) hooks_.post(event::MouseUp, key::MouseLeftDouble);
}

void RegionControl::EndDrag() {
    if (!dragging_) return;
    dragging_ = false;
    if (hooks_.dragMouse) hooks_.dragMouse(nullptr);
    if (hooks_.post) hooks_.post(event::Drag, 0);
}

}  // namespace rt::gui
