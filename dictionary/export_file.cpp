#include "dictionary/export_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <stdexcept>

#include "runtime/core/error_state.h"
#include "runtime/core/large_pages.h"
#include "runtime/core/system_io.h"

namespace dictionary {

namespace {

// True when the folder that would hold `path` exists.
bool ParentFolderExists(const std::string& path) {
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (parent.empty()) return true;
    std::error_code ec;
    return std::filesystem::is_directory(parent, ec);
}

int Report(int code) {
    return SetFileLayerError(code);
}

}  // namespace

int SetFileLayerError(int code) {
    if (code == 0) {
        rt::ClearError();
    } else {
        rt::SetError(code);
    }
    return code;
}

int OpenErrorCode(int errnoValue, const std::string& path) {
    switch (errnoValue) {
        case ENOENT:
            return ParentFolderExists(path) ? kFileNotFound : kPathNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return kPathNotFound;
        case EMFILE:
        case ENFILE:
            return kTooManyOpenFiles;
        default:  // EACCES, EPERM, EISDIR, EROFS, EBUSY, ...
            return kAccessDenied;
    }
}

ExportFile::~ExportFile() {
    Close();
}

int ExportFile::Open() {
    Close();
    // Non-blocking so that a pipe or device named by mistake cannot hang the
    // open; only regular files are read.
    int fd = rt::io::OpenForReading(path_.c_str());
    if (fd < 0) return Report(OpenErrorCode(errno, path_));
    std::int64_t size = 0;
    if (!rt::io::IsRegularFile(fd, size)) {
        rt::io::Close(fd);
        return Report(kAccessDenied);
    }
    fd_ = fd;
    size_ = size;
    next_ = 0;
    blockPosition_ = 0;
    blockBytes_ = 0;
    return Report(0);
}

void ExportFile::SetToStart() {
    next_ = 0;
}

int ExportFile::Next() {
    std::memset(line_.data(), ' ', line_.size());
    blockBytes_ = 0;
    if (fd_ < 0 || Eof()) return Report(kRecordNotAvailable);
    std::size_t want =
        static_cast<std::size_t>(std::min<std::int64_t>(kExportBlockSize, size_ - next_));
    std::size_t got = 0;
    while (got < want) {
        const std::int64_t n = rt::io::ReadAt(fd_, line_.data() + got, want - got,
                                              next_ + static_cast<std::int64_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Report(kAccessDenied);
        if (n == 0) break;  // the file shrank since it was opened
        got += static_cast<std::size_t>(n);
    }
    blockPosition_ = next_ + 1;
    blockBytes_ = static_cast<std::int64_t>(got);
    // A file that shrank ends here; one that grew is read up to its size at
    // open time.
    next_ = got < want ? size_ : next_ + static_cast<std::int64_t>(got);
    return Report(0);
}

void ExportFile::Close() {
    if (fd_ >= 0) {
        rt::io::Close(fd_);
        fd_ = -1;
    }
}

ExportRead ReadExport(const std::string& path) {
    ExportFile file(path);
    const int error = file.Open();
    if (error != 0) return ExportRead{error, {}};
    ExportRead result = ReserveExportBuffer(file);
    if (result.error == 0) ReadIntoBuffer(file, result);
    return result;
}

ExportRead ReserveExportBuffer(const ExportFile& file) {
    ExportRead result;
    const auto size = static_cast<std::uint64_t>(std::max<std::int64_t>(file.Size(), 0));
    // More than the machine's memory and swap together can never be read;
    // asking the allocator for it anyway may end the process.
    if (const std::uint64_t memory = rt::io::MemoryAndSwapBytes(); memory != 0 && size > memory) {
        result.error = Report(kInsufficientMemory);
        return result;
    }
    try {
        result.bytes.reserve(static_cast<std::size_t>(size));
        rt::AdviseLargePages(result.bytes.data(), result.bytes.capacity());
    } catch (const std::bad_alloc&) {
        result.error = Report(kInsufficientMemory);
    } catch (const std::length_error&) {
        result.error = Report(kInsufficientMemory);
    }
    return result;
}

bool HoldsNul(std::string_view bytes) {
    return std::memchr(bytes.data(), '\0', bytes.size()) != nullptr;
}

void ReadIntoBuffer(ExportFile& file, ExportRead& read) {
    file.SetToStart();
    while (!file.Eof()) {
        read.error = file.Next();
        if (read.error != 0) {
            read.bytes.clear();
            return;
        }
        // Blocks arrive in order, and never past the size reserved.
        read.bytes.append(file.Block());
    }
    file.Close();
}

}  // namespace dictionary
