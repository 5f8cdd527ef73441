// Loading a dictionary export: it is opened, checked to fit in memory, read
// through for NUL bytes and a section header, read whole into a model's
// storage and parsed. The program checks an export before it frees the
// dictionary it has and reads it afterwards; kestrian-doc does it all at once.
#pragma once

#include <string>
#include <string_view>

#include "dictionary/export_file.h"
#include "dictionary/model.h"

namespace dictionary {

// Why an export was refused with kInvalidDataFile, or that the kAccessDenied
// of a folder named as the export came from its being a folder.
enum class ExportFault {
    None,
    HoldsNul,         // a sparse file, a disk image, some other binary
    NoSectionHeader,  // empty, or text in which the parser would find nothing
    Folder,           // a folder, refused with kAccessDenied
};

class ExportLoad {
  public:
    explicit ExportLoad(std::string path) : file_(std::move(path)) {}

    const std::string& Path() const { return file_.Path(); }

    // Opens the export and reads it through. 0, or the code of the first
    // step that failed: 2, 3, 4 or 5 (cannot be opened or read), 8 (larger
    // than the memory that can be had), 36 (see Fault()). A file of NUL bytes
    // is refused at its first block. With `keep` the bytes are kept for
    // Read(); without, none is held and Read() reads them again.
    int Check(bool keep);
    // Why Check() returned kInvalidDataFile, or that its kAccessDenied is a
    // folder's.
    ExportFault Fault() const { return fault_; }

    // The checked export's bytes, read now unless Check() kept them: 0, or 8
    // or 5 when they cannot be had.
    int Read();
    // Hands the bytes read to the model, which keeps them for its life (its
    // texts point into them); returns them as the model keeps them.
    std::string_view GiveTo(DictionaryModel& model);

  private:
    ExportFile file_;
    ExportRead read_;
    bool kept_ = false;
    ExportFault fault_ = ExportFault::None;
};

struct LoadedExport {
    int error = 0;  // 0, or the code of the step that failed
    ExportFault fault = ExportFault::None;
    std::string_view bytes;  // the export as `model` keeps it
};

// Checks, reads and parses the export at `path` into `model`, with `path` as
// the dictionary path. On failure the runtime's error state holds the code
// and its text, and `model` is as it was.
LoadedExport LoadExport(const std::string& path, DictionaryModel& model);

}  // namespace dictionary
