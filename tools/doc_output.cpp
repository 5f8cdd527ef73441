#include <cstdio>
#include <filesystem>

#include "tools/doc_commands.h"

namespace tools {

bool WriteStandardOutput(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
    std::fprintf(stderr, "kestrian-doc: cannot write standard output\n");
    return false;
}

void CheckOutputPath(std::string_view command, const std::string& input,
                     const std::string& output) {
    const std::string prefix = std::string(command) + ": ";
    if (output.empty()) throw UsageError{prefix + "-o needs a file name"};
    std::error_code error;
    if (std::filesystem::is_regular_file(input, error) &&
        std::filesystem::equivalent(input, output, error)) {
        throw UsageError{prefix + "-o " + output + " names the export it reads"};
    }
}

}  // namespace tools
