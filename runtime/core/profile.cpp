#include "runtime/core/profile.h"

#include <cstdlib>
#include <filesystem>
#include <limits>
#include <mutex>
#include <optional>
#include <system_error>

#include "runtime/core/ini_text.h"
#include "runtime/core/paths.h"
#include "runtime/core/safe_file.h"

namespace rt {
namespace {

// Writes are read-modify-write cycles; threads of this process take turns so
// that no update is lost.
std::mutex& WriteMutex() {
    static std::mutex mutex;
    return mutex;
}

bool IsBareName(std::string_view file) {
    return file.find_first_of("/\\") == std::string_view::npos &&
           !(file.size() >= 2 && file[1] == ':');
}

bool IsWindowsPath(std::string_view file) {
    return file.find('\\') != std::string_view::npos || (file.size() >= 2 && file[1] == ':');
}

}  // namespace

std::string ProfilePath(std::string_view file) {
    if (file.empty()) return {};
    if (IsBareName(file)) return MatchPathCase(SettingsFolder() + "/" + std::string(file));
    if (IsWindowsPath(file)) return ResolveDrivePath(file);
    return std::string(file);
}

std::string GetProfileString(std::string_view section, std::string_view key,
                             std::string_view defaultValue, std::string_view file) {
    const std::string path = ProfilePath(file);
    if (path.empty()) return std::string(defaultValue);
    std::optional<std::string> text = ReadFileBytes(path);
    if (!text) return std::string(defaultValue);
    std::optional<std::string> value = FindIniValue(*text, section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

int GetProfileInt(std::string_view section, std::string_view key, int defaultValue,
                  std::string_view file) {
    const std::string text = GetProfileString(section, key, "", file);
    if (text.empty()) return defaultValue;
    std::size_t pos = 0;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') negative = text[pos++] == '-';
    long long number = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        if (number < 10'000'000'000LL) number = number * 10 + (text[pos] - '0');
    }
    if (negative) number = -number;
    if (number > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (number < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(number);
}

bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file) {
    if (file.empty() || !IsWritableIniEntry(section, key, value)) return false;
    std::lock_guard lock(WriteMutex());
    if (IsBareName(file)) {
        std::error_code ec;
        std::filesystem::create_directories(SettingsFolder(), ec);
        if (ec) return false;
    }
    const std::string path = ProfilePath(file);
    std::string text;
    switch (CheckTarget(path)) {
        case TargetState::Unusable:
            return false;
        case TargetState::Writable: {
            std::optional<std::string> old = ReadFileBytes(path);
            if (!old) return false;
            text = std::move(*old);
            break;
        }
        case TargetState::Missing:
            break;
    }
    std::string updated = SetIniValue(text, section, key, value);
    if (updated == text) return true;
    return ReplaceFileContents(path, updated, WriteTarget::Own);
}

}  // namespace rt
