#include "display/display_hand_over.h"

#include <atomic>

#include "framework/globals.h"
#include "runtime/core/program_events.h"
#include "runtime/program_threads.h"

namespace display {
namespace {

// The thread of a dictionary window waiting to take DisplayThread; 0 for none.
std::atomic<int> waitingThread{0};

}  // namespace

bool TakeDisplayThread(const std::function<bool()>& handleNextEvent) {
    const int self = rt::ThisThread();
    for (;;) {
        // Announced before looking, so that a release after the look wakes us.
        waitingThread.store(self);
        int holder = framework::DisplayThread.load();
        if (holder == 0 || holder == self || !rt::ThreadExists(holder)) {
            int announced = self;
            waitingThread.compare_exchange_strong(announced, 0);
            if (framework::DisplayThread.compare_exchange_strong(holder, self)) return true;
            continue;  // taken by someone else meanwhile: look again
        }
        if (!handleNextEvent()) {
            int announced = self;
            waitingThread.compare_exchange_strong(announced, 0);
            return false;
        }
    }
}

void ReleaseDisplayThread() {
    const int self = rt::ThisThread();
    int mine = self;
    framework::DisplayThread.compare_exchange_strong(mine, 0);
    const int waiting = waitingThread.load();
    if (waiting != 0 && waiting != self) rt::Post(rt::program_event::HandOver, 0, waiting);
}

}  // namespace display
