#include "runtime/event_queue.h"

namespace rt {

void EventQueue::Push(const Event& event) {
    {
        std::lock_guard lock(mutex_);
        events_.push_back(event);
    }
    ready_.notify_one();
}

void EventQueue::PushFront(const Event& event) {
    {
        std::lock_guard lock(mutex_);
        events_.push_front(event);
    }
    ready_.notify_one();
}

std::optional<Event> EventQueue::WaitUntil(std::optional<Clock::time_point> deadline) {
    std::unique_lock lock(mutex_);
    auto hasEvent = [this] { return !events_.empty(); };
    if (deadline) {
        if (!ready_.wait_until(lock, *deadline, hasEvent)) return std::nullopt;
    } else {
        ready_.wait(lock, hasEvent);
    }
    Event event = events_.front();
    events_.pop_front();
    return event;
}

std::optional<Event> EventQueue::TryPop() {
    std::lock_guard lock(mutex_);
    if (events_.empty()) return std::nullopt;
    Event event = events_.front();
    events_.pop_front();
    return event;
}

std::size_t EventQueue::Size() const {
    std::lock_guard lock(mutex_);
    return events_.size();
}

}  // namespace rt
