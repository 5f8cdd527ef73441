#include "dictionary/writeback_file.h"

#include <cerrno>
#include <cstring>

#include "dictionary/export_file.h"
#include "runtime/core/blanks.h"
#include "runtime/core/system_io.h"

namespace dictionary {

namespace {

// Lines are written out in blocks of about this size; the buffer is made
// once, large enough for a block and one more line.
constexpr std::size_t kFlushSize = 64 * 1024;

int Report(int code) {
    return SetFileLayerError(code);
}

}  // namespace

WritebackFile::~WritebackFile() {
    Abandon();
}

int WritebackFile::Create(const std::string& path, rt::WriteTarget target) {
    Abandon();
    reason_.clear();
    if (!created_.Open(path, target)) {
        reason_ = created_.Reason();
        return Report(OpenErrorCode(created_.ErrorNumber(), path));
    }
    failed_ = false;
    buffer_.clear();
    return Report(0);
}

int WritebackFile::Attach(int fd) {
    Abandon();
    if (fd < 0) return Report(kAccessDenied);
    fd_ = fd;
    failed_ = false;
    buffer_.clear();
    return Report(0);
}

int WritebackFile::Add(std::string_view value) {
    if (!IsOpen() || failed_) return Report(kAccessDenied);
    std::string_view line = value.substr(0, kLineSize);
    line = rt::TrimTrailingSpaces(line);
    if (buffer_.capacity() < kFlushSize + kLineSize + 2)
        buffer_.reserve(kFlushSize + kLineSize + 2);
    buffer_.append(line);
    buffer_.append("\r\n");
    if (buffer_.size() >= kFlushSize && !Flush()) return Report(kAccessDenied);
    return Report(0);
}

bool WritebackFile::Flush() {
    if (failed_) {
        buffer_.clear();
        return false;
    }
    if (created_.IsOpen()) {
        failed_ = !created_.Write(buffer_);
        if (failed_) reason_ = created_.Reason();
    } else {
        std::size_t done = 0;
        while (done < buffer_.size()) {
            const std::int64_t n = rt::io::Write(fd_, buffer_.data() + done, buffer_.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                failed_ = true;
                reason_ = n < 0 ? std::strerror(errno) : "nothing could be written";
                break;
            }
            done += static_cast<std::size_t>(n);
        }
    }
    buffer_.clear();
    return !failed_;
}

int WritebackFile::Close() {
    if (!IsOpen()) return Report(kAccessDenied);
    bool ok = Flush();
    if (fd_ >= 0) {
        fd_ = -1;
        return Report(ok ? 0 : kAccessDenied);
    }
    if (ok) {
        ok = created_.Commit();
        if (!ok) reason_ = created_.Reason();
    }
    created_.Abandon();
    return Report(ok ? 0 : kAccessDenied);
}

void WritebackFile::Abandon() {
    created_.Abandon();
    fd_ = -1;
    buffer_.clear();
}

}  // namespace dictionary
