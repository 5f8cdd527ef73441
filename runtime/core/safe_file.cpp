// The file writer's parts that are the same on every system; the rest is in
// safe_file_posix.cpp and safe_file_windows.cpp.
#include "runtime/core/safe_file.h"

namespace rt {

FileReplacement::~FileReplacement() {
    Abandon();
}

bool FileReplacement::Fail(int error, std::string reason) {
    error_ = error;
    reason_ = std::move(reason);
    return false;
}

bool ReplaceFileContents(const std::string& path, std::string_view content, WriteTarget target) {
    FileReplacement file;
    return file.Open(path, target) && file.Write(content) && file.Commit();
}

}  // namespace rt
