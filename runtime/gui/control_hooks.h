// What a runtime control needs of the window that holds it: posting events
// to the window's thread, the window's alert keys, its dialog units, and a
// record of where the mouse was last seen by a dragging control.
#pragma once

#include <QPoint>
#include <functional>

namespace rt::gui {

struct ControlHooks {
    // Posts an event for this control to the window's owner thread.
    std::function<void(int eventNumber, int keyCode)> post;
    // Whether the window raises EVENT:AlertKey for this key code.
    std::function<bool(int keyCode)> alerted;
    // Dialog units of the window's font to pixels.
    std::function<int(int du)> duToPixelsX;
    std::function<int(int du)> duToPixelsY;
    // The mouse position (global pixels) while a control follows a drag;
    // called with no value when the drag ends.
    std::function<void(const QPoint* global)> dragMouse;
};

}  // namespace rt::gui
