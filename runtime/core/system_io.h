// The few calls on files, memory and standard streams that differ between
// POSIX systems and Windows, so that the code above stays free of platform
// tests. Each platform has its file (system_io_posix.cpp,
// system_io_windows.cpp); the build picks one.
#pragma once

#include <cstddef>
#include <cstdint>

namespace rt::io {

// Opens `path` for reading without blocking on a pipe or device named by
// mistake; the descriptor, or -1 with errno set.
int OpenForReading(const char* path);
// Whether the open file is a regular file; its size then.
bool IsRegularFile(int fd, std::int64_t& size);
// Reads up to `bytes` at `offset`; the count, 0 at the end, -1 with errno set.
std::int64_t ReadAt(int fd, void* buffer, std::size_t bytes, std::int64_t offset);
// Writes up to `bytes`; the count, or -1 with errno set.
std::int64_t Write(int fd, const void* buffer, std::size_t bytes);
int Close(int fd);
// The descriptor of standard output.
int StandardOutput();

// The machine's memory and swap together; 0 when it cannot be told.
std::uint64_t MemoryAndSwapBytes();

// Standard output and error carry bytes as they are: no line-end translation
// (Windows' text mode would turn every LF into CR LF).
void UseBinaryStandardStreams();

// The command-line tool builds one large model of small blocks and frees it
// at once; tunes the allocator for that where it can be tuned.
void TuneAllocatorForOneLargeModel();

}  // namespace rt::io
