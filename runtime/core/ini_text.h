// The text of a profile (INI) file: finding a value and rewriting one value
// while keeping every other byte. No file access here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/core/blanks.h"

namespace rt {

// The value of the first `key` in a section named `section` (names compared
// without regard to case and surrounding blanks), with surrounding blanks
// removed; nullopt when there is none. Keys before the first section header,
// comment lines (";" or "#") and lines without "=" belong to no section.
std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key);

// `text` with `key` in `section` set to `value`: the line of the key found by
// FindIniValue is rewritten; else a line is added after the last key of the
// first such section; else the section is appended at the end. Line endings
// follow the text's first line ending (LF when it has none). The caller checks
// the names with IsWritableIniEntry first.
std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);

// True when section, key and value can be written so that they read back as
// written (see WriteProfileString).
bool IsWritableIniEntry(std::string_view section, std::string_view key, std::string_view value);

}  // namespace rt
