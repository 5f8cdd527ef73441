#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "runtime/core/safe_file.h"

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

// The folder a new file at `path` goes into ("." for a bare name).
fs::path FolderOf(const fs::path& path) {
    fs::path folder = path.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// Whether the link at `link` (whose own status is `info`) may be followed.
// In a folder that is sticky and writable by all, anyone can plant a link
// under a name another user will write to; such a link is followed only when
// it belongs to the folder's owner or to this user, as the kernel's
// fs.protected_symlinks does for the links it follows itself.
bool MayFollow(const fs::path& link, const struct stat& info) {
    struct stat folder {};
    if (::stat(FolderOf(link).c_str(), &folder) != 0) return false;
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || info.st_uid == folder.st_uid || info.st_uid == ::geteuid();
}

// Where a chain of symbolic links at a path ends.
struct LinkEnd {
    std::string path;  // the path itself when it is no link; empty on failure
    int error = 0;
    std::string reason;
};

// Follows the chain of symbolic links at `path` hop by hop. The last link's
// target need not exist. Fails when a link cannot be read, may not be
// followed (MayFollow) or the chain is too long.
LinkEnd FollowLinks(const std::string& path) {
    fs::path current(path);
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return {current.string(), 0, {}};
        }
        if (!MayFollow(current, info)) {
            return {{}, EACCES, "it is a link owned by another user in a shared folder"};
        }
        std::string link(static_cast<std::size_t>(PATH_MAX), '\0');
        ssize_t length = ::readlink(current.c_str(), link.data(), link.size());
        if (length < 0) return {{}, errno, std::strerror(errno)};
        link.resize(static_cast<std::size_t>(length));
        fs::path next(link);
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return {{}, ELOOP, std::strerror(ELOOP)};
}

// A short name in the target's folder: the target's own name may be as long
// as a name can be, so the temporary does not build on it.
std::string TemporaryPath(const fs::path& folder) {
    static std::atomic<unsigned> counter{0};
    return (folder /
            (".kestrian-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp"))
        .string();
}

// The temporaries not yet committed, where a signal handler can reach them:
// a fixed table, since a handler may neither allocate nor lock. A slot is
// free (0), being filled (1) or holds a path (2).
class TemporaryTable {
  public:
    static constexpr int kSlots = 64;

    // The slot now holding `path`; -1 when the table is full or the path too
    // long (the temporary is then only removed by the program itself).
    int Add(const std::string& path) {
        if (path.size() >= sizeof(Slot::path)) return -1;
        for (int i = 0; i < kSlots; ++i) {
            int expected = 0;
            if (!slots_[i].state.compare_exchange_strong(expected, 1)) continue;
            std::memcpy(slots_[i].path, path.c_str(), path.size() + 1);
            slots_[i].state.store(2, std::memory_order_release);
            return i;
        }
        return -1;
    }
    void Remove(int slot) {
        if (slot >= 0) slots_[slot].state.store(0, std::memory_order_release);
    }
    // Async-signal-safe: only loads and unlink.
    void UnlinkAll() {
        for (Slot& slot : slots_) {
            if (slot.state.load(std::memory_order_acquire) == 2) ::unlink(slot.path);
        }
    }

  private:
    struct Slot {
        std::atomic<int> state{0};
        char path[PATH_MAX] = {};
    };
    Slot slots_[kSlots];
};

// Constant-initialized, so that a handler never meets it half made.
constinit TemporaryTable temporaries;

void RemoveTemporariesAndEnd(int signal) {
    temporaries.UnlinkAll();
    // The handler was reset on entry (SA_RESETHAND): the signal raised
    // again ends the process as it would have without us.
    ::raise(signal);
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
    const std::string target = FollowLinks(path).path;
    if (target.empty()) return TargetState::Unusable;
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        return errno == ENOENT ? TargetState::Missing : TargetState::Unusable;
    }
    if (!S_ISREG(info.st_mode) || IsReadOnly(target, info)) return TargetState::Unusable;
    return TargetState::Writable;
}

void RemoveTemporariesOnSignals() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = RemoveTemporariesAndEnd;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        ::sigaction(signal, &action, nullptr);
    }
}

bool FileReplacement::Open(const std::string& path, WriteTarget kind) {
    Abandon();
    error_ = 0;
    written_ = started_ = 0;
    reason_.clear();
    if (path.empty()) return Fail(ENOENT, "no path was given");
    LinkEnd end = FollowLinks(path);
    if (end.path.empty()) return Fail(end.error, std::move(end.reason));
    const std::string target = std::move(end.path);

    struct stat info {};
    bool exists = ::stat(target.c_str(), &info) == 0;
    const int statError = exists ? 0 : errno;
    std::string inPlace = target;
    if (statError == ENOENT && target != path && ::stat(path.c_str(), &info) == 0) {
        // A link only the kernel can follow: /dev/stdout and /proc/self/fd/N
        // name a pipe as "pipe:[N]". What stands there is reached through
        // the path itself, and only written in place.
        if (S_ISREG(info.st_mode) || S_ISDIR(info.st_mode)) {
            return Fail(EINVAL, "it is a link that leads to no file name");
        }
        exists = true;
        inPlace = path;
    } else if (!exists && statError != ENOENT) {
        if (statError == ENOTDIR) return Fail(ENOENT, "its folder does not exist");
        return Fail(statError, std::strerror(statError));
    }
    if (exists && S_ISDIR(info.st_mode)) return Fail(EISDIR, "it is a folder");
    if (exists && !S_ISREG(info.st_mode) && kind == WriteTarget::Own) {
        return Fail(EINVAL, "it is not a plain file");
    }
    if (exists && (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode))) {
        // A device or a pipe takes the bytes where it is; a pipe waits here
        // until someone reads it.
        int fd = ::open(inPlace.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) return Fail(errno, std::strerror(errno));
        fd_ = fd;
        inPlace_ = true;
        failed_ = false;
        target_ = inPlace;
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
        // Known to the signal handler before it can exist.
        const int slot = temporaries.Add(candidate);
        int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            const int error = errno;
            temporaries.Remove(slot);
            if (error == EEXIST) continue;
            return Fail(error, std::strerror(error));
        }
        fd_ = fd;
        signalSlot_ = slot;
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

bool FileReplacement::Commit(Flush flush) {
    if (fd_ < 0) return false;
    if (inPlace_) {
        const bool ok = !failed_ && ::close(fd_) == 0;
        if (!ok && error_ == 0) Fail(errno, std::strerror(errno));
        fd_ = -1;
        return ok;
    }
    bool ok = !failed_ && (flush == Flush::DoneByCaller || ::fsync(fd_) == 0);
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
    temporaries.Remove(signalSlot_);
    signalSlot_ = -1;
    if (flush == Flush::Each) {
        FileHandle dir(::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dir.Get() >= 0) ::fsync(dir.Get());
    }
    return true;
}

void FileReplacement::Abandon() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
    temporaries.Remove(signalSlot_);
    signalSlot_ = -1;
    failed_ = false;
}

namespace {

// Flushes once each file system that holds a folder of `files`.
bool FlushFileSystems(std::span<const NewContents> files, std::string& failedPath,
                      std::string& reason) {
    std::vector<std::string> folders;
    std::vector<dev_t> flushed;
    for (const NewContents& file : files) {
        std::string folder = FolderOf(file.path);
        if (std::find(folders.begin(), folders.end(), folder) != folders.end()) continue;
        folders.push_back(folder);
        FileHandle dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        struct stat info {};
        if (dir.Get() < 0 || ::fstat(dir.Get(), &info) != 0) {
            failedPath = file.path;
            reason = std::strerror(errno);
            return false;
        }
        if (std::find(flushed.begin(), flushed.end(), info.st_dev) != flushed.end()) continue;
        flushed.push_back(info.st_dev);
        if (::syncfs(dir.Get()) != 0) {
            failedPath = file.path;
            reason = std::strerror(errno);
            return false;
        }
    }
    return true;
}

}  // namespace

bool ReplaceFiles(std::span<const NewContents> files, std::string& failedPath,
                  std::string& reason) {
    // Each open temporary takes a slot of the signal handler's table: a group
    // leaves room for the program's other files.
    constexpr std::size_t kGroup = 48;
    for (std::size_t first = 0; first < files.size(); first += kGroup) {
        const std::span<const NewContents> group =
            files.subspan(first, std::min(kGroup, files.size() - first));
        std::vector<std::unique_ptr<FileReplacement>> written;
        for (const NewContents& file : group) {
            auto out = std::make_unique<FileReplacement>();
            if (!out->Open(file.path) || !out->Write(file.content)) {
                failedPath = file.path;
                reason = out->Reason();
                return false;
            }
            written.push_back(std::move(out));
        }
        // One flush of each file system puts every temporary of the group on
        // the disk before any is renamed over its target.
        if (!FlushFileSystems(group, failedPath, reason)) return false;
        for (std::size_t i = 0; i < written.size(); ++i) {
            if (!written[i]->Commit(FileReplacement::Flush::DoneByCaller)) {
                failedPath = group[i].path;
                reason = written[i]->Reason();
                return false;
            }
        }
    }
    // And one more the folders' new entries, once for all groups.
    std::string ignoredPath;
    std::string ignoredReason;
    FlushFileSystems(files, ignoredPath, ignoredReason);
    return true;
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
