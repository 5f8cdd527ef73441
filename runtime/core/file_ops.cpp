#include "runtime/core/file_ops.h"

#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace rt {

bool SetCurrentDirectory(std::string_view path) {
    if (path.empty()) return false;
    return chdir(std::string(path).c_str()) == 0;
}

bool RemoveFile(std::string_view path) {
    if (path.empty()) return false;
    const std::string name(path);
    struct stat info {};
    if (lstat(name.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
    return unlink(name.c_str()) == 0;
}

}  // namespace rt
