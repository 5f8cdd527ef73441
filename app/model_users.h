// The threads that use the loaded model: the parse window writes it, the
// dictionary window reads it. Both are stopped before the model is released.
#pragma once

#include <atomic>
#include <cstdint>

namespace app {

// The parse window's thread while a parse runs; 0 otherwise.
extern std::atomic<std::int32_t> ParseThread;

// Asks a running parse to abandon and the dictionary window to close, and
// waits until both have ended, so that releasing the model afterwards cannot
// pull it from under either. Runs on the frame's thread.
void StopModelUsers();

}  // namespace app
