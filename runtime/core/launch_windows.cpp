// Starting a program on Windows: CreateProcess, and a thread that waits for
// it to end.
#include <windows.h>

#include <thread>

#include "runtime/core/launch.h"

namespace rt {

LaunchedProgram LaunchProgram(std::string_view commandLine) {
    LaunchedProgram program;
    if (SplitCommandLine(commandLine).empty()) return program;
    std::string line(commandLine);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return program;
    CloseHandle(process.hThread);
    auto ended = std::make_shared<std::atomic<bool>>(false);
    std::thread([handle = process.hProcess, ended] {
        WaitForSingleObject(handle, INFINITE);
        CloseHandle(handle);
        ended->store(true, std::memory_order_release);
    }).detach();
    program.ended_ = std::move(ended);
    program.pid_ = static_cast<int>(process.dwProcessId);
    return program;
}

}  // namespace rt
