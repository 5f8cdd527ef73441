#include "tools/command_output.h"

#include <cstdio>

#include "tools/doc_commands.h"

namespace tools {

bool CommandOutput::Open(const std::string& path) {
    toFile_ = path != "-";
    if (!toFile_) return true;
    path_ = path;
    if (file_.Open(path)) return true;
    std::fprintf(stderr, "kestrian-doc: %s: cannot write %s: %s\n", command_.c_str(), path.c_str(),
                 file_.Reason().c_str());
    return false;
}

bool CommandOutput::Write(std::string_view bytes) {
    if (toFile_) return file_.Write(bytes);
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
}

int CommandOutput::Close(bool written) {
    if (toFile_) {
        if (written && file_.Commit()) return kExitOk;
        std::fprintf(stderr, "kestrian-doc: %s: cannot write %s: %s\n", command_.c_str(),
                     path_.c_str(),
                     file_.Reason().empty() ? "write failed" : file_.Reason().c_str());
        return kExitOutputFailed;
    }
    if (written && std::fflush(stdout) == 0 && !std::ferror(stdout)) return kExitOk;
    std::fprintf(stderr, "kestrian-doc: cannot write standard output\n");
    return kExitOutputFailed;
}

}  // namespace tools
