// The Files list of the dictionary window: one row per file and per alias,
// sorted by name and shaded on odd positions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/model.h"
#include "display/core/list_cells.h"

namespace display {

// Columns of a Files row, in order, and their sizes.
enum FileColumn : std::size_t { kFileName, kFilePrefix, kFileDriver, kFilePath, kFileAttributes };
inline constexpr std::size_t kFileColumns = 5;
inline constexpr std::size_t kFileNameSize = 40;
inline constexpr std::size_t kFilePathSize = 80;
inline constexpr std::size_t kFileAttributesSize = 99;

// One row of the Files list: its five cells and the 1-based position of the
// file in the model's FILE list (0 for an alias).
struct FileListRow {
    rt::ListRow cells = EmptyRow(kFileColumns);
    std::int32_t ID = 0;

    std::string_view Text(FileColumn column) const { return cells[column].text; }
};

struct FileList {
    std::vector<FileListRow> rows;
    std::string format;  // empty until built
    int nameWidth = 0;   // width of the first column

    // The rows as the list control takes them.
    rt::ListRows ControlRows() const;
};

// The abbreviations of the file's attributes ("C,T,OWNER('x')"), cut at 99.
std::string FileAttributes(const dictionary::FileQueue& file);

// Builds the Files list of the model.
FileList BuildFileList(const dictionary::DictionaryModel& model, const TextWidth& measure);

// Position (1-based) of the first row whose name equals `name` (trailing
// blanks not counting); 0 when there is none.
std::int32_t FindFileRow(const FileList& list, std::string_view name) noexcept;

}  // namespace display
