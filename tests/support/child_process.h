// A program a test starts and owns: ended and reaped when the object goes.
#pragma once

#include <string>
#include <vector>

namespace testsupport {

class ChildProcess {
  public:
    // Starts `program` (a path, or a name found through PATH) with `arguments`.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid_ > 0; }
    // Ends the program (SIGTERM) and waits for it; done by the destructor too.
    void Stop();

  private:
    int pid_ = 0;
};

}  // namespace testsupport
