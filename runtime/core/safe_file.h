// Reading a small file whole, and replacing a file's contents so that a
// failure at any point leaves the old file as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rt {

// The whole contents of the regular file at `path` (symbolic links followed);
// nullopt when it does not exist, is not a regular file or cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

enum class TargetState { Missing, Writable, Unusable };

// Whether `path` can be replaced: Missing when nothing is there yet (its folder
// may still be unwritable), Unusable when it is not a regular file or is
// read-only (no write permission for this process, or no write bit at all, so
// that even the superuser respects a read-only file).
TargetState CheckTarget(const std::string& path);

// Writes `content` to a new file in the folder of `path` (the target of a
// symbolic link) and renames it over `path`. The new file keeps the old
// file's permission bits and, where allowed, its owner. On any failure the
// temporary file is removed, `path` is left untouched and false is returned.
// A read-only folder (as CheckTarget sees read-only) counts as a failure.
bool ReplaceFileContents(const std::string& path, std::string_view content);

}  // namespace rt
