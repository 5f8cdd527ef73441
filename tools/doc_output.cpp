#include <sys/stat.h>

#include "tools/doc_commands.h"

namespace tools {

void CheckOutputPath(std::string_view command, const std::string& input,
                     const std::string& output) {
    const std::string prefix = std::string(command) + ": ";
    if (output.empty()) throw UsageError{prefix + "-o needs a file name"};
    struct stat in {};
    struct stat out {};
    if (::stat(input.c_str(), &in) == 0 && ::stat(output.c_str(), &out) == 0 &&
        S_ISREG(in.st_mode) && in.st_dev == out.st_dev && in.st_ino == out.st_ino) {
        throw UsageError{prefix + "-o " + output + " names the export it reads"};
    }
}

}  // namespace tools
