// A runtime window as a program thread sees it. The procedure that defines a
// window owns this object; its event loop runs on that procedure's thread.
// Control and placement operations may be called from any thread: they are
// carried out on the GUI thread.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "runtime/core/control_placement.h"
#include "runtime/core/list_rows.h"
#include "runtime/events.h"
#include "runtime/layout.h"
#include "runtime/text_measure.h"
#include "runtime/window_placement.h"
#include "runtime/window_ref.h"

namespace rt {

// Sounds the system's alert.
void Beep();

// What is on the screen: one entry per open window, oldest first.
struct OpenWindowInfo {
    std::uint64_t id = 0;
    int thread = 0;
    std::string label;
    bool visible = false;
};
std::vector<OpenWindowInfo> OpenWindows();

class Window {
  public:
    explicit Window(Layout layout);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Builds and shows the window on the GUI thread; the calling thread owns
    // it and receives its events. EVENT:OpenWindow is the first event.
    void Open();
    // Closes the window and removes it from the screen.
    void Close();
    bool IsOpen() const { return !ref_.IsNull() && !closed_; }
    // Ends the event loop without closing the window (the runtime's handling
    // of EVENT:CloseWindow); the procedure closes the window when done.
    void EndLoop() { loopEnded_ = true; }
    const WindowRef& Ref() const { return ref_; }
    const Layout& Definition() const { return layout_; }

    // The event loop: applies the runtime's default handling to the previous
    // event (unless Cycle was called), then waits for the next event for this
    // window, or EVENT:Timer when the timer is due. False once closed.
    bool Accept();
    // Skips the default handling of the event just returned.
    void Cycle() { defaultPending_ = false; }

    // Timer period in hundredths of a second; 0 stops the timer.
    void SetTimer(int hundredths);
    int Timer() const;
    // A finer period, for windows that must slice work more thinly.
    void SetTimerPeriod(std::chrono::microseconds period);

  private:
    void DefaultHandling(const Event& event);

    Layout layout_;
    WindowRef ref_;
    bool closed_ = false;
    bool loopEnded_ = false;
    bool defaultPending_ = false;
    Event last_;
    bool lastWasTimer_ = false;
    std::atomic<long long> timerMicros_{0};
    std::chrono::steady_clock::time_point lastTick_{};
};

}  // namespace rt
