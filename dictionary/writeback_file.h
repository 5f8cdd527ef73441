// The write-back file: a text file written line by line, each line one
// 255-character record, ended by carriage return and line feed.
#pragma once

#include <string>
#include <string_view>

#include "runtime/core/safe_file.h"

namespace dictionary {

class WritebackFile {
  public:
    // Size of the file's one record, `LINE`.
    static constexpr std::size_t kLineSize = 255;

    WritebackFile() = default;
    // A file still open is abandoned: its temporary is removed and any file
    // it was to replace stays as it was.
    ~WritebackFile();
    WritebackFile(const WritebackFile&) = delete;
    WritebackFile& operator=(const WritebackFile&) = delete;

    // Creates `path` empty, replacing an existing file. The lines go to a
    // temporary file in the same folder that Close renames to `path`, so that
    // a reader never sees a half-written file; a link keeps leading where it
    // did, and a device or pipe that the user named is written in place
    // (rt::FileReplacement). 0, or 2, 3, 4 or 5; a folder or a read-only file
    // is refused with 5.
    int Create(const std::string& path, rt::WriteTarget target = rt::WriteTarget::Named);
    // Why the last Create or Close failed, for a person ("it is a folder").
    const std::string& FailureReason() const { return reason_; }
    // Writes to a descriptor that stays open and is not owned (standard
    // output, for example).
    int Attach(int fd);
    bool IsOpen() const { return fd_ >= 0 || created_.IsOpen(); }

    // Assigns `value` to `LINE` (cut at 255 characters) and writes it as one
    // line: trailing blanks removed, carriage return and line feed appended.
    // 0, or 5 when the line cannot be written (also after an earlier failure).
    int Add(std::string_view value);

    // Flushes and closes; a created file then replaces the old one. 0, or 5
    // when a write failed (the old file is then left as it was).
    int Close();

  private:
    bool Flush();
    void Abandon();

    int fd_ = -1;  // an attached descriptor
    rt::FileReplacement created_;
    bool failed_ = false;
    std::string reason_;
    std::string buffer_;
};

}  // namespace dictionary
