#include "dictionary/writeback_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "dictionary/export_file.h"
#include "runtime/core/blanks.h"

namespace dict {

namespace {

constexpr std::size_t kFlushSize = 1 << 20;

int Report(int code) {
    return SetFileLayerError(code);
}

std::string TemporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

}  // namespace

WritebackFile::~WritebackFile() {
    Abandon();
}

int WritebackFile::Create(const std::string& path) {
    Abandon();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temp = TemporaryName(path);
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_ = fd;
            owned_ = true;
            failed_ = false;
            path_ = path;
            tempPath_ = std::move(temp);
            buffer_.clear();
            return Report(0);
        }
        if (errno != EEXIST) return Report(OpenErrorCode(errno, path));
    }
    return Report(kAccessDenied);
}

int WritebackFile::Attach(int fd) {
    Abandon();
    if (fd < 0) return Report(kAccessDenied);
    fd_ = fd;
    owned_ = false;
    failed_ = false;
    buffer_.clear();
    return Report(0);
}

int WritebackFile::Add(std::string_view value) {
    if (fd_ < 0 || failed_) return Report(kAccessDenied);
    std::string_view line = value.substr(0, kLineSize);
    line = rt::TrimTrailingSpaces(line);
    buffer_.append(line);
    buffer_.append("\r\n");
    if (buffer_.size() >= kFlushSize && !Flush()) return Report(kAccessDenied);
    return Report(0);
}

bool WritebackFile::Flush() {
    std::size_t done = 0;
    while (!failed_ && done < buffer_.size()) {
        ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            failed_ = true;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    buffer_.clear();
    return !failed_;
}

int WritebackFile::Close() {
    if (fd_ < 0) return Report(kAccessDenied);
    bool ok = Flush();
    if (!owned_) {
        fd_ = -1;
        return Report(ok ? 0 : kAccessDenied);
    }
    ok = ::close(fd_) == 0 && ok;
    fd_ = -1;
    if (ok) ok = std::rename(tempPath_.c_str(), path_.c_str()) == 0;
    if (!ok) ::unlink(tempPath_.c_str());
    tempPath_.clear();
    owned_ = false;
    return Report(ok ? 0 : kAccessDenied);
}

void WritebackFile::Abandon() {
    if (fd_ < 0) return;
    if (owned_) {
        ::close(fd_);
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
    fd_ = -1;
    owned_ = false;
    buffer_.clear();
}

}  // namespace dict
