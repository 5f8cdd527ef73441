// The program's own threads, numbered from 1, each with an event queue.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>

#include "runtime/events.h"

namespace rt {

using Procedure = std::function<void()>;

// Starts `procedure` on a new program thread and returns its number. The stack
// size is advisory: threads get the platform's default stack.
int Start(Procedure procedure, std::size_t stackSize = 0);

// Appends an event to a thread's queue (thread 0: the calling thread). A post
// to a thread that does not exist is dropped.
void Post(int eventNumber, int control = 0, int thread = 0);
void PostEvent(int thread, const Event& event);

// The calling program thread's number; 0 on any other thread.
int ThisThread();
bool ThreadExists(int thread);
int LiveThreadCount();

// The event most recently returned to the calling thread by its event loop.
int CurrentEvent();
int CurrentControl();
int KeyCode();
void SetKeyCode(int keyCode);
void SetCurrentEvent(const Event& event);

class EventQueue;
// The calling program thread's queue (null on other threads).
EventQueue* ThisQueue();

// Waits until `thread` has ended, at most `timeout`. True when it has (or
// never existed).
bool WaitForThreadEnd(int thread, std::chrono::milliseconds timeout);

// Posts EVENT:CloseDown to every program thread but the caller and waits for
// them to end, at most `timeout`. True when all others ended.
bool CloseDownOtherThreads(std::chrono::milliseconds timeout);
// Joins every program thread, giving those still finishing a few seconds;
// detaches any that do not end.
void ReapThreads();

}  // namespace rt
