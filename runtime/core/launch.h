// Starting another program without waiting for it.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

// A program started by LaunchProgram. Copies refer to the same process. The
// process is reaped by the runtime once it ends, so none is left behind as a
// zombie, and nobody has to wait for it.
class LaunchedProgram {
  public:
    LaunchedProgram() = default;
    // Whether the program was started at all.
    bool Started() const { return ended_ != nullptr; }
    // Whether the program has ended; true when it was never started.
    bool Ended() const { return !ended_ || ended_->load(std::memory_order_acquire); }
    // The process id while known; 0 when the program was never started.
    int ProcessId() const { return pid_; }

  private:
    friend LaunchedProgram LaunchProgram(std::string_view commandLine);
    std::shared_ptr<std::atomic<bool>> ended_;
    int pid_ = 0;
};

// Splits a command line into its words: blanks and tabs separate words, a pair
// of double quotes keeps blanks inside one word ("a b" -> a b), and the quotes
// themselves are dropped.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// Starts the program named by the first word of `commandLine`, found through
// PATH as the shell would, with the rest as its arguments, the process's
// environment and the current directory. Returns at once.
LaunchedProgram LaunchProgram(std::string_view commandLine);

// LaunchProgram reduced to whether the program could be started.
bool Launch(std::string_view commandLine);

}  // namespace rt
