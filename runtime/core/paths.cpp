#include "runtime/core/paths.h"

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "runtime/core/case_fold.h"

namespace rt {
namespace fs = std::filesystem;

namespace {

std::string EnvValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string HomeFolder() {
    std::string home = EnvValue("HOME");
    if (!home.empty()) return home;
#ifdef _WIN32
    home = EnvValue("USERPROFILE");
    return home.empty() ? std::string("C:\\") : home;
#else
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir) {
        return found->pw_dir;
    }
    return "/";
#endif
}

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

// The entry of `folder` whose name equals `name` without regard to case.
std::optional<std::string> FindNoCase(const fs::path& folder, std::string_view name) {
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    if (ec) return std::nullopt;
    std::optional<std::string> best;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::string candidate = it->path().filename().string();
        if (EqualNoCase(candidate, name) && (!best || candidate < *best)) best = candidate;
    }
    return best;
}

std::vector<std::string_view> SplitComponents(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t pos = 0;
    while (pos <= path.size()) {
        std::size_t slash = path.find('/', pos);
        if (slash == std::string_view::npos) slash = path.size();
        if (slash > pos) parts.push_back(path.substr(pos, slash - pos));
        pos = slash + 1;
    }
    return parts;
}

}  // namespace

std::string SettingsFolder() {
    std::string base = EnvValue("XDG_CONFIG_HOME");
    if (base.empty() || base.front() != '/') base = HomeFolder() + "/.config";
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    if (base == "/") return "/kestrian";
    return base + "/kestrian";
}

std::string DriveRoot() {
    std::string root = EnvValue("KESTRIAN_DRIVE_ROOT");
    if (root.empty()) return "/";
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    return root;
}

std::string MatchPathCase(std::string_view path) {
    if (path.empty()) return {};
    const bool absolute = path.front() == '/';
    fs::path current = absolute ? fs::path("/") : fs::path();
    bool searching = true;
    for (std::string_view part : SplitComponents(path)) {
        fs::path exact = current / std::string(part);
        if (searching && part != "." && part != ".." && !Exists(exact)) {
            if (auto found = FindNoCase(current, part)) {
                current /= *found;
                continue;
            }
            searching = false;
        }
        current = std::move(exact);
    }
    std::string result = current.string();
    if (result.empty()) result = absolute ? "/" : ".";
    return result;
}

std::string ResolveDrivePath(std::string_view windowsPath) {
    std::string path(windowsPath);
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
        path.erase(0, 2);
    }
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    if (path.empty()) return {};
    if (path.front() == '/') {
        const std::string root = DriveRoot();
        if (root != "/") path = root + path;
    }
    return MatchPathCase(path);
}

std::string ShortPathName(std::string_view path) {
    if (path.empty()) return {};
    std::error_code ec;
    return fs::exists(fs::path(std::string(path)), ec) ? std::string(path) : std::string();
}

std::string CurrentDirectory() {
    std::error_code ec;
    fs::path cwd = fs::current_path(ec);
    return ec ? std::string() : cwd.string();
}

}  // namespace rt
