// At most one dictionary window at a time: a new window takes DisplayThread
// only once the previous one has let go of it in its teardown, handling its
// own events while it waits.
#pragma once

#include <functional>

namespace display {

// Takes DisplayThread for the calling thread. While another live thread
// holds it, `handleNextEvent` is called to wait for and handle this window's
// next event; when it returns false (the window closed) the wait ends and
// false is returned without taking DisplayThread.
bool TakeDisplayThread(const std::function<bool()>& handleNextEvent);

// Clears DisplayThread when it names the calling thread, and wakes a window
// waiting to take it.
void ReleaseDisplayThread();

}  // namespace display
