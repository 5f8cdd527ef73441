// A thread's event queue: any thread appends, the owning thread waits.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

#include "runtime/events.h"

namespace rt {

class EventQueue {
  public:
    using Clock = std::chrono::steady_clock;

    void Push(const Event& event);
    void PushFront(const Event& event);
    // Waits until an event arrives or the deadline passes (nullopt then).
    std::optional<Event> WaitUntil(std::optional<Clock::time_point> deadline);
    std::optional<Event> TryPop();
    std::size_t Size() const;

  private:
    mutable std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Event> events_;
};

}  // namespace rt
