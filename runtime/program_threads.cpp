#include "runtime/program_threads.h"

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "runtime/event_queue.h"

namespace rt {
namespace {

struct ThreadState {
    int number = 0;
    EventQueue queue;
    Event current;
};

struct Registry {
    std::mutex mutex;
    std::condition_variable changed;
    int nextNumber = 1;
    std::map<int, std::shared_ptr<ThreadState>> live;
    std::vector<std::pair<int, std::thread>> threads;
};

Registry& Threads() {
    static Registry registry;
    return registry;
}

thread_local std::shared_ptr<ThreadState> thisThread;

}  // namespace

int Start(Procedure procedure, std::size_t /*stackSize*/) {
    Registry& registry = Threads();
    auto state = std::make_shared<ThreadState>();
    std::lock_guard lock(registry.mutex);
    state->number = registry.nextNumber++;
    registry.live.emplace(state->number, state);
    registry.threads.emplace_back(
        state->number, std::thread([state, procedure = std::move(procedure)] {
            thisThread = state;
            try {
                procedure();
            } catch (const std::exception& error) {
                std::fprintf(stderr, "kestrian: thread %d ended by an error: %s\n", state->number,
                             error.what());
            }
            Registry& reg = Threads();
            {
                std::lock_guard guard(reg.mutex);
                reg.live.erase(state->number);
            }
            reg.changed.notify_all();
            thisThread.reset();
        }));
    return state->number;
}

void PostEvent(int thread, const Event& event) {
    if (thread == 0) thread = ThisThread();
    std::shared_ptr<ThreadState> target;
    {
        Registry& registry = Threads();
        std::lock_guard lock(registry.mutex);
        auto found = registry.live.find(thread);
        if (found == registry.live.end()) return;
        target = found->second;
    }
    target->queue.Push(event);
}

void Post(int eventNumber, int control, int thread) {
    PostEvent(thread, Event{eventNumber, control, 0, 0});
}

int ThisThread() {
    return thisThread ? thisThread->number : 0;
}

bool ThreadExists(int thread) {
    Registry& registry = Threads();
    std::lock_guard lock(registry.mutex);
    return registry.live.count(thread) != 0;
}

int LiveThreadCount() {
    Registry& registry = Threads();
    std::lock_guard lock(registry.mutex);
    return static_cast<int>(registry.live.size());
}

int CurrentEvent() {
    return thisThread ? thisThread->current.number : 0;
}
int CurrentControl() {
    return thisThread ? thisThread->current.control : 0;
}
int KeyCode() {
    return thisThread ? thisThread->current.keyCode : 0;
}
void SetKeyCode(int keyCode) {
    if (thisThread) thisThread->current.keyCode = keyCode;
}
void SetCurrentEvent(const Event& event) {
    if (thisThread) thisThread->current = event;
}

EventQueue* ThisQueue() {
    return thisThread ? &thisThread->queue : nullptr;
}

bool WaitForThreadEnd(int thread, std::chrono::milliseconds timeout) {
    Registry& registry = Threads();
    std::unique_lock lock(registry.mutex);
    return registry.changed.wait_for(lock, timeout,
                                     [&] { return registry.live.count(thread) == 0; });
}

bool CloseDownOtherThreads(std::chrono::milliseconds timeout) {
    Registry& registry = Threads();
    const int self = ThisThread();
    std::vector<std::shared_ptr<ThreadState>> others;
    {
        std::lock_guard lock(registry.mutex);
        for (auto& [number, state] : registry.live)
            if (number != self) others.push_back(state);
    }
    for (auto& state : others) state->queue.Push(Event{event::CloseDown, 0, 0, 0});
    std::unique_lock lock(registry.mutex);
    return registry.changed.wait_for(lock, timeout, [&] {
        return registry.live.empty() || (registry.live.size() == 1 && registry.live.count(self));
    });
}

void ReapThreads() {
    Registry& registry = Threads();
    std::vector<std::pair<int, std::thread>> threads;
    std::vector<int> stillLive;
    {
        std::unique_lock lock(registry.mutex);
        // Threads that are finishing their procedure get a moment to do so.
        registry.changed.wait_for(lock, std::chrono::seconds(5),
                                  [&] { return registry.live.empty(); });
        threads.swap(registry.threads);
        for (auto& [number, state] : registry.live) stillLive.push_back(number);
    }
    for (auto& [number, thread] : threads) {
        const bool live = std::find(stillLive.begin(), stillLive.end(), number) != stillLive.end();
        if (live || thread.get_id() == std::this_thread::get_id())
            thread.detach();  // never ended: leave it to the process's end
        else if (thread.joinable())
            thread.join();
    }
}

}  // namespace rt
