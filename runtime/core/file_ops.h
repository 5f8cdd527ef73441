// Small operations on files and on the process's current directory.
#pragma once

#include <string_view>

namespace rt {

// Makes `path` the process's current directory. Returns false, changing
// nothing, when it is not a folder that can be entered.
bool SetCurrentDirectory(std::string_view path);

// Deletes the file `path`. Returns false when there is no such file or it
// cannot be deleted; folders are never deleted.
bool RemoveFile(std::string_view path);

}  // namespace rt
