#include "app/model_users.h"

#include <chrono>

#include "app/globals.h"
#include "runtime/events.h"
#include "runtime/program_threads.h"

namespace app {

std::atomic<std::int32_t> ParseThread{0};

namespace {

constexpr std::chrono::seconds kPatience{30};

void CloseAndWait(std::int32_t thread) {
    if (thread == 0 || thread == rt::ThisThread()) return;
    rt::Post(rt::event::CloseWindow, 0, thread);
    rt::WaitForThreadEnd(thread, kPatience);
}

}  // namespace

void StopModelUsers() {
    // The parse first: when it completes it starts the dictionary window.
    CloseAndWait(ParseThread.load());
    CloseAndWait(DisplayThread.load());
}

}  // namespace app
