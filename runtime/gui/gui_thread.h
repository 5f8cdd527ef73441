// Marshalling work to the GUI thread, where every widget lives.
#pragma once

#include <functional>
#include <optional>
#include <utility>

namespace rt::gui {

// True on the thread that runs the Qt application (or when there is none).
bool OnGuiThread();
// Whether the GUI thread is processing events; marshalled calls are refused
// (dropped) once it has stopped, so that no program thread waits forever.
bool GuiRunning();
// Called on the GUI thread when it starts and stops serving program threads.
void SetGuiRunning(bool running);

// Runs `work` on the GUI thread and waits for it. Runs it directly when
// called on the GUI thread. Returns false when the work could not run.
bool GuiInvoke(const std::function<void()>& work);
// Queues `work` for the GUI thread without waiting.
void GuiPost(std::function<void()> work);

// GuiInvoke for work with a result; `fallback` when it could not run.
template <typename T>
T GuiCall(const std::function<T()>& work, T fallback = T{}) {
    std::optional<T> result;
    GuiInvoke([&] { result = work(); });
    return result ? std::move(*result) : std::move(fallback);
}

}  // namespace rt::gui
