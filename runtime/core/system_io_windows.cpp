#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cstdio>

#include "runtime/core/system_io.h"

namespace rt::io {

int OpenForReading(const char* path) {
    return ::_open(path, _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

bool IsRegularFile(int fd, std::int64_t& size) {
    struct _stat64 info {};
    if (::_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) return false;
    size = info.st_size;
    return true;
}

std::int64_t ReadAt(int fd, void* buffer, std::size_t bytes, std::int64_t offset) {
    if (::_lseeki64(fd, offset, SEEK_SET) < 0) return -1;
    return ::_read(fd, buffer, static_cast<unsigned>(bytes > 0x40000000 ? 0x40000000 : bytes));
}

std::int64_t Write(int fd, const void* buffer, std::size_t bytes) {
    return ::_write(fd, buffer, static_cast<unsigned>(bytes > 0x40000000 ? 0x40000000 : bytes));
}

int Close(int fd) {
    return ::_close(fd);
}

int StandardOutput() {
    return ::_fileno(stdout);
}

std::uint64_t MemoryAndSwapBytes() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return 0;
    return status.ullTotalPageFile;  // physical memory and page file together
}

void UseBinaryStandardStreams() {
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
}

void TuneAllocatorForOneLargeModel() {}

}  // namespace rt::io
