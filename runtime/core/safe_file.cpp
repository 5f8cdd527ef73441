#include "runtime/core/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace rt {
namespace fs = std::filesystem;

namespace {

// Owns a file descriptor.
class FileHandle {
  public:
    explicit FileHandle(int fd = -1) : fd_(fd) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }
    int Get() const { return fd_; }
    bool Close() {
        if (fd_ < 0) return true;
        int result = ::close(fd_);
        fd_ = -1;
        return result == 0;
    }

  private:
    int fd_;
};

// Removes a temporary file unless it was renamed into place.
class TemporaryName {
  public:
    TemporaryName() = default;
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    ~TemporaryName() {
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    void Set(std::string path) { path_ = std::move(path); }
    void Release() { path_.clear(); }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool IsReadOnly(const std::string& path, const struct stat& info) {
    return ::access(path.c_str(), W_OK) != 0 || (info.st_mode & 0222) == 0;
}

// Opens a new file next to `target` under a name no one else uses.
FileHandle CreateTemporary(const fs::path& target, TemporaryName& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate =
            target.parent_path() / ("." + target.filename().string() + ".tmp-" +
                                    std::to_string(::getpid()) + "-" + std::to_string(counter++));
        int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            name.Set(candidate.string());
            return FileHandle(fd);
        }
        if (errno != EEXIST) break;
    }
    return FileHandle();
}

void SyncFolder(const fs::path& folder) {
    FileHandle dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) ::fsync(dir.Get());
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    std::string content;
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) break;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    return content;
}

TargetState CheckTarget(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        // A dangling link or a component that is not a folder is no place to write.
        struct stat link {};
        return (errno == ENOENT && ::lstat(path.c_str(), &link) != 0) ? TargetState::Missing
                                                                      : TargetState::Unusable;
    }
    if (!S_ISREG(info.st_mode) || IsReadOnly(path, info)) return TargetState::Unusable;
    return TargetState::Writable;
}

bool ReplaceFileContents(const std::string& path, std::string_view content) {
    const TargetState state = CheckTarget(path);
    if (state == TargetState::Unusable) return false;

    std::error_code ec;
    fs::path target(path);
    if (state == TargetState::Writable && fs::is_symlink(target, ec)) {
        target = fs::canonical(target, ec);
        if (ec) return false;
    }
    target = fs::absolute(target, ec);
    if (ec) return false;

    const fs::path folder = target.parent_path();
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0 || !S_ISDIR(folderInfo.st_mode) ||
        IsReadOnly(folder.string(), folderInfo)) {
        return false;
    }

    TemporaryName temporary;
    FileHandle file = CreateTemporary(target, temporary);
    if (file.Get() < 0) return false;

    if (state == TargetState::Writable) {
        struct stat old {};
        if (::stat(target.c_str(), &old) != 0) return false;
        if (::fchmod(file.Get(), old.st_mode & 07777) != 0) return false;
        // Keeping the owner is only possible for the superuser; a failure is harmless.
        [[maybe_unused]] int owner = ::fchown(file.Get(), old.st_uid, old.st_gid);
    }
    if (!WriteAll(file.Get(), content) || ::fsync(file.Get()) != 0 || !file.Close()) return false;
    if (::rename(temporary.Path().c_str(), target.c_str()) != 0) return false;
    temporary.Release();
    SyncFolder(folder);
    return true;
}

}  // namespace rt
