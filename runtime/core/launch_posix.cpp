// Starting a program on POSIX systems: posix_spawnp, and a thread that
// reaps it.
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

#include "runtime/core/launch.h"

extern char** environ;

namespace rt {

LaunchedProgram LaunchProgram(std::string_view commandLine) {
    LaunchedProgram program;
    std::vector<std::string> words = SplitCommandLine(commandLine);
    if (words.empty()) return program;

    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return program;

    auto ended = std::make_shared<std::atomic<bool>>(false);
    // The reaper owns nothing but the flag: it collects the exit status so that
    // no zombie remains, then tells whoever still holds the program.
    std::thread([pid, ended] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        ended->store(true, std::memory_order_release);
    }).detach();
    program.ended_ = std::move(ended);
    program.pid_ = pid;
    return program;
}

}  // namespace rt
