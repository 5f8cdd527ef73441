// The dictionary export as the file layer presents it: a binary file read in
// blocks of 65535 bytes, and the helper that reads a whole export into memory.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dictionary {

// Size of the export file's one record, `LINE`.
inline constexpr std::size_t kExportBlockSize = 65535;

// Error codes of the file layer (with the runtime's texts).
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kInsufficientMemory = 8;
inline constexpr int kRecordNotAvailable = 33;
inline constexpr int kInvalidDataFile = 36;

// Sets the runtime's error state to `code` (cleared for 0) and returns it.
int SetFileLayerError(int code);

// Maps an errno value from opening `path` to the file layer's error code
// (2, 3, 4 or 5).
int OpenErrorCode(int errnoValue, const std::string& path);

// An export file bound to one path. Each operation sets the runtime's error
// state (0 on success) and returns the code.
class ExportFile {
  public:
    explicit ExportFile(std::string path) : path_(std::move(path)) {}
    ~ExportFile();
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;

    const std::string& Path() const { return path_; }

    // Opens the file for reading; 0, or 2, 3, 4 or 5. Anything but a regular
    // file (a folder, a device, a pipe) is refused with 5.
    int Open();
    bool IsOpen() const { return fd_ >= 0; }
    // Length in bytes as found when the file was opened.
    std::int64_t Size() const { return size_; }
    // The next read starts at the first byte.
    void SetToStart();
    // True when no byte remains to be read.
    bool Eof() const { return next_ >= size_; }
    // Clears `LINE` to blanks and reads the next block of up to 65535 bytes
    // into its start: 0, 33 when no byte remains, 5 when reading fails.
    int Next();
    // The record: 65535 bytes, the last block at its start, blanks after it.
    std::string_view Line() const { return {line_.data(), line_.size()}; }
    // 1-based position of the first byte of the last block (0 before any read).
    std::int64_t BlockPosition() const { return blockPosition_; }
    // Number of bytes the last read returned.
    std::int64_t BlockBytes() const { return blockBytes_; }
    std::string_view Block() const { return {line_.data(), static_cast<std::size_t>(blockBytes_)}; }
    void Close();

  private:
    std::string path_;
    int fd_ = -1;
    std::int64_t size_ = 0;
    std::int64_t next_ = 0;  // 0-based offset of the next read
    std::int64_t blockPosition_ = 0;
    std::int64_t blockBytes_ = 0;
    std::string line_ = std::string(kExportBlockSize, ' ');
};

struct ExportRead {
    int error = 0;      // 0, or the code of the failed open or read
    std::string bytes;  // the file's exact bytes when error is 0
};

// Reads the whole file at `path` into one buffer of its exact bytes, whatever
// they are (ExportLoad, in export_load.h, loads an export). A file larger than
// the memory that can be had fails with 8. On failure the runtime's error
// state holds the code and its text.
ExportRead ReadExport(const std::string& path);
// The two halves of reading an opened file, for a caller that must know it
// fits before it frees anything: the buffer for the whole file, reserved
// (error 8 when it cannot be had), then the file read into it block by block
// and closed.
ExportRead ReserveExportBuffer(const ExportFile& file);
void ReadIntoBuffer(ExportFile& file, ExportRead& read);

// An export is text: a NUL byte means a sparse file, a disk image or some
// other binary named by mistake.
bool HoldsNul(std::string_view bytes);

}  // namespace dictionary
