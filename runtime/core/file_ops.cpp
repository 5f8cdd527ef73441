#include "runtime/core/file_ops.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace rt {

bool SetCurrentDirectory(std::string_view path) {
    if (path.empty()) return false;
    std::error_code error;
    std::filesystem::current_path(std::filesystem::path(std::string(path)), error);
    return !error;
}

bool RemoveFile(std::string_view path) {
    if (path.empty()) return false;
    const std::filesystem::path name{std::string(path)};
    std::error_code error;
    // A link is removed itself, never what it leads to; a folder is not removed.
    if (std::filesystem::is_directory(std::filesystem::symlink_status(name, error))) return false;
    return std::filesystem::remove(name, error);
}

}  // namespace rt
