// A CUPS scheduler of a test's own: started in a temporary folder with one
// queue, "Capture", whose jobs land as files that the test reads back. The
// process's CUPS_SERVER names it while the object lives, so Qt's print
// support sees this scheduler and no other. cupsd runs its filters as the
// user lp, so this needs root; Ready() says whether it came up.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace testsupport {

class PrivateCups {
  public:
    static constexpr const char* kQueue = "Capture";

    PrivateCups();
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    bool Ready() const { return ready_; }
    // Why the scheduler is not there, for a skipped test.
    const std::string& Why() const { return why_; }
    const std::string& Folder() const { return folder_; }

    // The jobs that have arrived, whole, oldest first (paths of their files).
    std::vector<std::string> Jobs() const;
    // Waits until `count` jobs have arrived.
    bool WaitForJobs(std::size_t count,
                     std::chrono::milliseconds deadline = std::chrono::seconds(30)) const;

  private:
    bool Start();
    bool Fail(std::string why);

    std::string folder_;
    std::string socket_;
    int pid_ = 0;
    bool ready_ = false;
    std::string why_;
    bool hadServer_ = false;
    std::string previousServer_;
};

}  // namespace testsupport
