// Ending the program from anywhere: the runtime's halt.
#pragma once

#include <functional>
#include <string>

namespace rt {

// Shows a box whose text is `message` and whose caption is "Halt", then ends
// the process with `exitCode`. No clean-up of the program's own runs.
[[noreturn]] void Halt(const std::string& message, int exitCode = 0);

// What Halt calls last to end the process (std::_Exit by default). Tests
// install a hook that throws instead, so that the halt can be observed.
using ExitHook = std::function<void(int)>;
ExitHook SetExitHook(ExitHook hook);

}  // namespace rt
