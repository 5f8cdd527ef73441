// Helpers for runtime tests that open a window under the offscreen platform:
// run a program, reach a control's widget on the GUI thread, and wait in the
// window's own event loop for an event.
#pragma once

#include <stdlib.h>

#include <chrono>
#include <functional>
#include <optional>

#include "runtime/application.h"
#include "runtime/gui/gui_thread.h"
#include "runtime/gui/gui_window.h"
#include "runtime/program_threads.h"
#include "runtime/window.h"

namespace guitest {

// Runs `procedure` as the program's thread 1 in an offscreen application.
inline void RunProgram(const rt::Procedure& procedure) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    rt::RunApplication(procedure, /*keepDialogService=*/true);
}

// Runs `work` on the GUI thread with the widget of control `number`.
template <typename Widget>
void OnControl(const rt::Window& window, int number, const std::function<void(Widget&)>& work) {
    rt::gui::GuiInvoke([&] {
        rt::gui::GuiWindow* gui = rt::gui::Find(window.Ref().Id());
        auto* widget = gui != nullptr ? qobject_cast<Widget*>(gui->Control(number)) : nullptr;
        if (widget != nullptr) work(*widget);
    });
}

// Runs the window's loop (with a short timer so that it never blocks for
// long) until an event matching (number, control) arrives; returns its key
// code, or nothing when the deadline passes first. Other events are skipped.
inline std::optional<int> WaitForEvent(
    rt::Window& window, int number, int control,
    std::chrono::milliseconds deadline = std::chrono::seconds(20)) {
    const int previousTimer = window.Timer();
    window.SetTimer(1);
    const auto end = std::chrono::steady_clock::now() + deadline;
    std::optional<int> key;
    while (std::chrono::steady_clock::now() < end && window.Accept()) {
        if (rt::CurrentEvent() == number && rt::CurrentControl() == control) {
            key = rt::KeyCode();
            break;
        }
    }
    window.SetTimer(previousTimer);
    return key;
}

}  // namespace guitest
