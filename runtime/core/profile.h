// Profile (INI) files with the Windows private-profile semantics.
//
// Section and key names match without regard to letter case; values are read
// with surrounding blanks removed; the first occurrence wins when a section or
// key appears more than once. Writing rewrites one value and keeps every other
// line of the file byte for byte, with the file's own line endings; a missing
// file or section is created. A file is replaced through a temporary file in
// its own folder, so a failed write never damages it.
//
// `file` is resolved as follows: a bare name ("kestrian.INI", "WIN.INI") lives
// in SettingsFolder() and matches an existing file of any letter case there (the
// folder is created on the first write); a name with backslashes or a drive
// letter is a Windows path on the current drive (ResolveDrivePath); any other
// name is a path of this system, used as given.
#pragma once

#include <string>
#include <string_view>

namespace rt {

// The value of `key` in `section`, or `defaultValue` when the file, the section
// or the key is missing or the file cannot be read. A value holding a NUL byte
// ends there.
std::string GetProfileString(std::string_view section, std::string_view key,
                             std::string_view defaultValue, std::string_view file);

// The value read as GetProfileString does, converted as a decimal integer
// (optional sign, leading digits; no digits gives 0); `defaultValue` when the
// key is missing or blank.
int GetProfileInt(std::string_view section, std::string_view key, int defaultValue,
                  std::string_view file);

// Writes `key`=`value` in `section`. Returns false, reporting nothing, when the
// file cannot be written (read-only file or folder, missing folder, a folder
// where the file should be, an unreadable file) or when a name or the value
// could not be read back as written (a line break or NUL anywhere, "]" in the
// section, "=" in the key, a blank key or one starting with "[", ";" or "#").
// The original file is then untouched.
bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file);

// The path of this system that `file` stands for (see above); "" for "".
std::string ProfilePath(std::string_view file);

}  // namespace rt
