// A region: an invisible, mouse-sensitive area with a mouse cursor of its own.
//
// Dragging follows the runtime's drag events. A left press on an enabled
// region posts EVENT:Dragging and the region keeps the mouse (Qt's implicit
// grab) until the button is released, which posts EVENT:Drag. While the
// button is down every mouse move is recorded with the window, so that
// WindowRef::MousePosition reads where the mouse is, in the window's dialog
// units, even when it has left the region. The window follows the mouse on
// its timer between the two events and applies its own limits. A left
// double-click posts EVENT:MouseUp with key code 5 instead of a second drag.
// A disabled region gets no mouse events and shows the normal cursor.
#pragma once

#include <QWidget>

#include "runtime/gui/control_hooks.h"
#include "runtime/layout.h"

namespace rt::gui {

class RegionControl : public QWidget {
    Q_OBJECT

  public:
    RegionControl(QWidget* parent, ControlHooks hooks, ControlCursor cursor);
    bool Dragging() const { return dragging_; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void ShowCursor();
    void EndDrag();

    ControlHooks hooks_;
    ControlCursor cursor_;
    bool dragging_ = false;
};

// The Qt cursor for a control's cursor attribute.
Qt::CursorShape CursorShapeOf(ControlCursor cursor);

}  // namespace rt::gui
