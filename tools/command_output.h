// Where a command's result goes: standard output ("-"), or a file replaced
// only once all of it was written.
#pragma once

#include <string>
#include <string_view>

#include "runtime/core/safe_file.h"

namespace tools {

class CommandOutput {
  public:
    explicit CommandOutput(std::string_view command) : command_(command) {}

    // False after a message when the file cannot be opened.
    bool Open(const std::string& path);
    bool Write(std::string_view bytes);
    // The exit code: kExitOk when everything was written and the file is in
    // place, else kExitOutputFailed after a message (the old file kept).
    int Close(bool written);

  private:
    std::string command_;
    bool toFile_ = false;
    std::string path_;
    rt::FileReplacement file_;
};

}  // namespace tools
