// Reading a small file whole, and writing a file's new contents so that a
// failure at any point leaves the old file as it was, and nothing that is not
// a plain file (a link, a device, a pipe, a folder) is ever replaced.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rt {

// The whole contents of the regular file at `path` (symbolic links followed);
// nullopt when it does not exist, is not a regular file or cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

enum class TargetState { Missing, Writable, Unusable };

// Whether `path` can be replaced: Missing when nothing is there yet (its folder
// may still be unwritable), Unusable when it is not a regular file or is
// read-only (no write permission for this process, or no write bit at all, so
// that even the superuser respects a read-only file). Links are followed as
// FileReplacement follows them; a link to a missing file counts as Missing.
TargetState CheckTarget(const std::string& path);

// Who chose the path a file is written to.
enum class WriteTarget {
    // The user named it (an output file): a pipe waits for its reader, and a
    // device or pipe, also reached through /dev/stdout or /proc/self/fd/N,
    // is written in place.
    Named,
    // The program writes it on its own ("TEST.TXD", settings files): only a
    // plain file, or a new one, is written; a pipe, a device or anything else
    // that could block or is not a file is refused at once.
    Own,
};

// New contents for the file at a path, written as the path asks:
// - a symbolic link stays; the file it leads to gets the contents. A link in
//   a shared folder (sticky and writable by all, such as /tmp) is followed
//   only when its owner is the folder's owner or the user running the
//   program, as the kernel's protection of such links has it; this holds at
//   every link of a chain;
// - a regular file or a new one: the contents go to a temporary file in the
//   same folder that Commit renames over the target, keeping its permission
//   bits (and, where allowed, its owner). Until then the temporary is removed
//   by SIGINT, SIGTERM or SIGHUP once RemoveTemporariesOnSignals was called;
// - a character device or a pipe is written in place, never renamed over
//   (WriteTarget::Named only);
// - a folder, a path in a missing folder, a read-only file, or anything else
//   is refused by Open, and nothing is touched.
// Whatever fails, or an Abandon or destruction before Commit, removes the
// temporary and leaves the target as it was.
class FileReplacement {
  public:
    FileReplacement() = default;
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False when `path` cannot be written; ErrorNumber and Reason say why.
    bool Open(const std::string& path, WriteTarget target = WriteTarget::Named);
    bool IsOpen() const { return fd_ >= 0; }
    // Appends bytes; false (and the file abandoned at Commit) when a write fails.
    bool Write(std::string_view bytes);
    // Whether Commit flushes the file and its folder to the disk itself, or
    // the caller has flushed the whole file system since the last Write.
    enum class Flush { Each, DoneByCaller };
    // Puts the new contents in place; false when anything failed on the way.
    bool Commit(Flush flush = Flush::Each);
    void Abandon();

    // The errno value of the last failure (EISDIR, ENOENT, EACCES, ...); 0 for none.
    int ErrorNumber() const { return error_; }
    // The last failure for a person: "it is a folder", "its folder does not
    // exist", "it is read-only", "it is a link owned by another user in a
    // shared folder", or the system's text.
    const std::string& Reason() const { return reason_; }

  private:
    bool Fail(int error, std::string reason);

    int fd_ = -1;
    bool inPlace_ = false;
    bool failed_ = false;
    // Bytes written to the temporary, and how many of them the disk was
    // asked to start writing already.
    std::uint64_t written_ = 0;
    std::uint64_t started_ = 0;
    std::string target_;
    std::string temporary_;
    int signalSlot_ = -1;  // where the temporary is known to the signal handler
    int error_ = 0;
    std::string reason_;
};

// Writes `content` to `path` as FileReplacement does; false on any failure.
bool ReplaceFileContents(const std::string& path, std::string_view content,
                         WriteTarget target = WriteTarget::Named);

struct NewContents {
    std::string path;
    std::string_view content;
};

// Writes each file as ReplaceFileContents does (a named target), for the
// many small files of a generated folder: files go in groups, each group
// flushed to the disk by one flush of the file system instead of two flushes
// a file. Stops at the first failure, whose path and reason it gives: the
// groups before it are in place, the rest are as they were.
bool ReplaceFiles(std::span<const NewContents> files, std::string& failedPath, std::string& reason);

// From now on SIGINT, SIGTERM and SIGHUP remove the temporaries of every
// FileReplacement not yet committed before they end the process as they
// would have. A signal the process ignores stays ignored. Call once, early
// in main.
void RemoveTemporariesOnSignals();

// Writes `content` to a new file `path` in a folder of the program's own
// (scratch data that is thrown away with the folder): no temporary, no
// flush to the disk; fails when `path` exists. A file written in part is
// removed. False on any failure.
bool WriteScratchFile(const std::string& path, std::string_view content);

}  // namespace rt
