#include "runtime/halt.h"

#include <cstdlib>
#include <mutex>

#include "runtime/dialogs.h"

namespace rt {
namespace {
std::mutex hookMutex;
ExitHook& Hook() {
    static ExitHook hook;
    return hook;
}
}  // namespace

ExitHook SetExitHook(ExitHook hook) {
    std::lock_guard lock(hookMutex);
    ExitHook old = std::move(Hook());
    Hook() = std::move(hook);
    return old;
}

void Halt(const std::string& message, int exitCode) {
    Message(message, "Halt", Icon::None, ButtonOk, ButtonOk);
    ExitHook hook;
    {
        std::lock_guard lock(hookMutex);
        hook = Hook();
    }
    if (hook) hook(exitCode);
    std::_Exit(exitCode);
}

}  // namespace rt
