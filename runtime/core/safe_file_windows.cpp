// The file writer on Windows: the same promises with the means Windows has.
// New contents go to a temporary in the target's folder, are flushed, and
// MoveFileEx (replace, write through) puts them over the target. A symbolic
// link is followed to the file it leads to (Windows has no sticky shared
// folders whose links could be planted by others); a device ("NUL", "CON",
// "\\.\...") that the user names is written in place.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "runtime/core/safe_file.h"

namespace rt {
namespace fs = std::filesystem;

namespace {

// The temporaries not yet committed, for the Ctrl+C and termination handler.
constexpr int kSlots = 64;
std::array<std::atomic<bool>, kSlots> slotUsed{};
std::array<std::array<char, MAX_PATH + 1>, kSlots> slotPath{};

int AddTemporary(const std::string& path) {
    if (path.size() > MAX_PATH) return -1;
    for (int i = 0; i < kSlots; ++i) {
        bool expected = false;
        if (!slotUsed[i].compare_exchange_strong(expected, true)) continue;
        std::memcpy(slotPath[i].data(), path.c_str(), path.size() + 1);
        return i;
    }
    return -1;
}

void RemoveTemporary(int slot) {
    if (slot >= 0) slotUsed[slot].store(false);
}

void RemoveTemporariesAndEnd(int signal) {
    for (int i = 0; i < kSlots; ++i) {
        if (slotUsed[i].load()) DeleteFileA(slotPath[i].data());
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

std::string LastErrorText() {
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   GetLastError(), 0, text, sizeof text, nullptr);
    std::string reason(text);
    while (!reason.empty() &&
           (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.'))
        reason.pop_back();
    return reason;
}

// A device name: the reserved names, and paths in the device namespace.
bool IsDevice(const std::string& path) {
    std::string name = fs::path(path).stem().string();
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return path.starts_with("\\\\.\\") || name == "NUL" || name == "CON" || name == "PRN" ||
           name == "AUX";
}

bool IsReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// The file a path leads to: itself, or what its symbolic links end at.
std::string Resolved(const std::string& path) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
    const fs::path target = fs::weakly_canonical(path, error);
    return error ? path : target.string();
}

fs::path FolderOf(const fs::path& path) {
    fs::path folder = path.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const unsigned chunk =
            static_cast<unsigned>(std::min<std::size_t>(content.size(), 1 << 30));
        const int written = ::_write(fd, content.data(), chunk);
        if (written <= 0) return false;
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return content;
}

TargetState CheckTarget(const std::string& path) {
    const std::string target = Resolved(path);
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (!fs::exists(status)) return TargetState::Missing;
    if (!fs::is_regular_file(status) || IsReadOnly(target)) return TargetState::Unusable;
    return TargetState::Writable;
}

void RemoveTemporariesOnSignals() {
    for (int signal : {SIGINT, SIGTERM, SIGBREAK}) {
        auto previous = std::signal(signal, RemoveTemporariesAndEnd);
        if (previous == SIG_IGN) std::signal(signal, SIG_IGN);
    }
}

bool FileReplacement::Open(const std::string& path, WriteTarget kind) {
    Abandon();
    error_ = 0;
    written_ = started_ = 0;
    reason_.clear();
    if (path.empty()) return Fail(ENOENT, "no path was given");
    if (IsDevice(path)) {
        if (kind == WriteTarget::Own) return Fail(EINVAL, "it is not a plain file");
        const int fd = ::_open(path.c_str(), _O_WRONLY | _O_BINARY);
        if (fd < 0) return Fail(errno, std::strerror(errno));
        fd_ = fd;
        inPlace_ = true;
        failed_ = false;
        target_ = path;
        return true;
    }
    const std::string target = Resolved(path);
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    const bool exists = fs::exists(status);
    if (exists && fs::is_directory(status)) return Fail(EISDIR, "it is a folder");
    if (exists && !fs::is_regular_file(status)) return Fail(EINVAL, "it is not a plain file");
    if (exists && IsReadOnly(target)) return Fail(EACCES, "it is read-only");
    const fs::path folder = FolderOf(target);
    if (!fs::is_directory(folder, error)) return Fail(ENOENT, "its folder does not exist");

    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        const std::string candidate =
            (folder / (".kestrian-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(counter++) + ".tmp"))
                .string();
        const int slot = AddTemporary(candidate);
        const int fd = ::_open(candidate.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                               _S_IREAD | _S_IWRITE);
        if (fd < 0) {
            const int failure = errno;
            RemoveTemporary(slot);
            if (failure == EEXIST) continue;
            return Fail(failure, std::strerror(failure));
        }
        fd_ = fd;
        signalSlot_ = slot;
        temporary_ = candidate;
    }
    if (fd_ < 0) return Fail(EEXIST, "no temporary name was free in its folder");
    inPlace_ = false;
    failed_ = false;
    target_ = target;
    return true;
}

bool FileReplacement::Write(std::string_view bytes) {
    if (fd_ < 0 || failed_) return false;
    if (!WriteAll(fd_, bytes)) {
        failed_ = true;
        return Fail(errno, std::strerror(errno));
    }
    written_ += bytes.size();
    return true;
}

bool FileReplacement::Commit(Flush flush) {
    if (fd_ < 0) return false;
    bool ok = !failed_ && (inPlace_ || flush == Flush::DoneByCaller || ::_commit(fd_) == 0);
    ok = ::_close(fd_) == 0 && ok;
    fd_ = -1;
    if (inPlace_) return ok || Fail(errno, std::strerror(errno));
    if (!ok) {
        if (error_ == 0) Fail(errno, std::strerror(errno));
        Abandon();
        return false;
    }
    if (!MoveFileExA(temporary_.c_str(), target_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const std::string reason = LastErrorText();
        Abandon();
        return Fail(EACCES, reason);
    }
    temporary_.clear();
    RemoveTemporary(signalSlot_);
    signalSlot_ = -1;
    return true;
}

void FileReplacement::Abandon() {
    if (fd_ >= 0) ::_close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) DeleteFileA(temporary_.c_str());
    temporary_.clear();
    RemoveTemporary(signalSlot_);
    signalSlot_ = -1;
}

bool ReplaceFiles(std::span<const NewContents> files, std::string& failedPath,
                  std::string& reason) {
    for (const NewContents& file : files) {
        FileReplacement out;
        if (!out.Open(file.path) || !out.Write(file.content) || !out.Commit()) {
            failedPath = file.path;
            reason = out.Reason();
            return false;
        }
    }
    return true;
}

bool WriteScratchFile(const std::string& path, std::string_view content) {
    const int fd =
        ::_open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, content);
    const bool closed = ::_close(fd) == 0;
    if (written && closed) return true;
    DeleteFileA(path.c_str());
    return false;
}

}  // namespace rt
