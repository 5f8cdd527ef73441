#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <sys/sysinfo.h>
#include <unistd.h>

#include "runtime/core/system_io.h"

namespace rt::io {

int OpenForReading(const char* path) {
    return ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}

bool IsRegularFile(int fd, std::int64_t& size) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    size = info.st_size;
    return true;
}

std::int64_t ReadAt(int fd, void* buffer, std::size_t bytes, std::int64_t offset) {
    return ::pread(fd, buffer, bytes, offset);
}

std::int64_t Write(int fd, const void* buffer, std::size_t bytes) {
    return ::write(fd, buffer, bytes);
}

int Close(int fd) {
    return ::close(fd);
}

int StandardOutput() {
    return STDOUT_FILENO;
}

std::uint64_t MemoryAndSwapBytes() {
    struct sysinfo machine {};
    if (::sysinfo(&machine) != 0) return 0;
    return (static_cast<std::uint64_t>(machine.totalram) + machine.totalswap) * machine.mem_unit;
}

void UseBinaryStandardStreams() {}

void TuneAllocatorForOneLargeModel() {
    // Without the allocator's fast bins, freeing the model's many small
    // blocks at once does not set off the repeated consolidation that
    // otherwise costs a fifth of a run.
    mallopt(M_MXFAST, 0);
}

}  // namespace rt::io
