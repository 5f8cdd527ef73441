// Waiting in tests for something that happens elsewhere (another thread or
// process), without a fixed sleep: the condition is tried until it holds or a
// generous deadline has passed.
#pragma once

#include <chrono>
#include <thread>

namespace testsupport {

template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds deadline = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

}  // namespace testsupport
