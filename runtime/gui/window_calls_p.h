// Private to the runtime: how WindowRef operations reach the GUI window
// behind an id. Both run `work` on the GUI thread while the caller waits.
#pragma once

#include <cstdint>
#include <functional>

#include "runtime/gui/gui_thread.h"
#include "runtime/gui/gui_window.h"

namespace rt::gui {

// Runs `work` with the GUI window behind `id`, if it is still open.
template <typename T>
T WithWindow(std::uint64_t id, T fallback, const std::function<T(gui::GuiWindow&)>& work) {
    if (id == 0) return fallback;
    return GuiCall<T>(
        [&]() -> T {
            gui::GuiWindow* window = gui::Find(id);
            return window != nullptr ? work(*window) : fallback;
        },
        fallback);
}

inline void Do(std::uint64_t id, const std::function<void(gui::GuiWindow&)>& work) {
    if (id == 0) return;
    GuiInvoke([&] {
        if (gui::GuiWindow* window = gui::Find(id)) work(*window);
    });
}

}  // namespace rt::gui
