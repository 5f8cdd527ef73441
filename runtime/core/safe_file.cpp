#include "runtime/core/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
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
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }

  private:
    int fd_;
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

// The path a chain of symbolic links at `path` leads to (the path itself when
// it is no link). The last link's target need not exist. Empty with errno set
// when a link cannot be read or the chain is too long.
std::string FollowLinks(const std::string& path) {
    fs::path current(path);
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current.string();
        std::string link(static_cast<std::size_t>(PATH_MAX), '\0');
        ssize_t length = ::readlink(current.c_str(), link.data(), link.size());
        if (length < 0) return {};
        link.resize(static_cast<std::size_t>(length));
        fs::path next(link);
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    errno = ELOOP;
    return {};
}

// The folder a new file at `path` goes into ("." for a bare name).
fs::path FolderOf(const std::string& path) {
    fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// A short name in the target's folder: the target's own name may be as long
// as a name can be, so the temporary does not build on it.
std::string TemporaryPath(const fs::path& folder) {
    static std::atomic<unsigned> counter{0};
    return (folder /
            (".kestrian-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp"))
        .string();
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
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
    const std::string target = FollowLinks(path);
    if (target.empty()) return TargetState::Unusable;
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        return errno == ENOENT ? TargetState::Missing : TargetState::Unusable;
    }
    if (!S_ISREG(info.st_mode) || IsReadOnly(target, info)) return TargetState::Unusable;
    return TargetState::Writable;
}

FileReplacement::~FileReplacement() {
    Abandon();
}

bool FileReplacement::Fail(int error, std::string reason) {
    error_ = error;
    reason_ = std::move(reason);
    return false;
}

bool FileReplacement::Open(const std::string& path) {
    Abandon();
    error_ = 0;
    written_ = started_ = 0;
    reason_.clear();
    if (path.empty()) return Fail(ENOENT, "no path was given");
    const std::string target = FollowLinks(path);
    if (target.empty()) return Fail(errno, std::strerror(errno));

    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) {
        if (errno == ENOTDIR) return Fail(ENOENT, "its folder does not exist");
        return Fail(errno, std::strerror(errno));
    }
    if (exists && S_ISDIR(info.st_mode)) return Fail(EISDIR, "it is a folder");
    if (exists && (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode))) {
        // A device or a pipe takes the bytes where it is; a pipe waits here
        // until someone reads it.
        int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) return Fail(errno, std::strerror(errno));
        fd_ = fd;
        inPlace_ = true;
        failed_ = false;
        target_ = target;
        return true;
    }
    if (exists && !S_ISREG(info.st_mode)) {
        return Fail(EINVAL, "it is neither a file nor a character device or pipe");
    }
    if (exists && IsReadOnly(target, info)) return Fail(EACCES, "it is read-only");

    const fs::path folder = FolderOf(target);
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0 || !S_ISDIR(folderInfo.st_mode)) {
        return Fail(ENOENT, "its folder does not exist");
    }
    if (IsReadOnly(folder.string(), folderInfo)) return Fail(EACCES, "its folder is read-only");

    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = TemporaryPath(folder);
        int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return Fail(errno, std::strerror(errno));
        }
        fd_ = fd;
        temporary_ = std::move(candidate);
        break;
    }
    if (fd_ < 0) return Fail(EEXIST, "no temporary name was free in its folder");
    inPlace_ = false;
    failed_ = false;
    target_ = target;
    if (exists) {
        if (::fchmod(fd_, info.st_mode & 07777) != 0) {
            const int error = errno;
            Abandon();
            return Fail(error, std::strerror(error));
        }
        // Keeping the owner is only possible for the superuser; a failure is harmless.
        [[maybe_unused]] int owner = ::fchown(fd_, info.st_uid, info.st_gid);
    }
    return true;
}

bool FileReplacement::Write(std::string_view bytes) {
    if (fd_ < 0 || failed_) return false;
    if (!WriteAll(fd_, bytes)) {
        failed_ = true;
        return Fail(errno, std::strerror(errno));
    }
    written_ += bytes.size();
    // The disk starts on each megabyte while the rest is being made, so that
    // the flush in Commit has little left to wait for. Only a hint: Commit's
    // fsync is what makes the file safe.
    constexpr std::uint64_t kStartEvery = 1 << 20;
    if (!inPlace_ && written_ - started_ >= kStartEvery) {
        ::sync_file_range(fd_, static_cast<off_t>(started_),
                          static_cast<off_t>(written_ - started_), SYNC_FILE_RANGE_WRITE);
        started_ = written_;
    }
    return true;
}

bool FileReplacement::Commit() {
    if (fd_ < 0) return false;
    if (inPlace_) {
        const bool ok = !failed_ && ::close(fd_) == 0;
        if (!ok && error_ == 0) Fail(errno, std::strerror(errno));
        fd_ = -1;
        return ok;
    }
    bool ok = !failed_ && ::fsync(fd_) == 0;
    ok = ::close(fd_) == 0 && ok;
    fd_ = -1;
    if (!ok) {
        if (error_ == 0) Fail(errno, std::strerror(errno));
        Abandon();
        return false;
    }
    // Whatever came to stand at the target since Open must still be a file
    // (or nothing) before it is renamed over.
    struct stat info {};
    if (::lstat(target_.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        Abandon();
        return Fail(EEXIST, "something that is not a file took its place");
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        Abandon();
        return Fail(error, std::strerror(error));
    }
    temporary_.clear();
    FileHandle dir(::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) ::fsync(dir.Get());
    return true;
}

void FileReplacement::Abandon() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
    failed_ = false;
}

bool ReplaceFileContents(const std::string& path, std::string_view content) {
    FileReplacement file;
    return file.Open(path) && file.Write(content) && file.Commit();
}

bool WriteScratchFile(const std::string& path, std::string_view content) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, content);
    const bool closed = ::close(fd) == 0;
    if (written && closed) return true;
    ::unlink(path.c_str());
    return false;
}

}  // namespace rt
